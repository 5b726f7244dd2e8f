#include "localisation/LanguageSettings.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "core/Errors.h"
#include "localisation/CaptionLines.h"
#include "support/FailureMessage.h"
#include "support/TempDirectory.h"

namespace ostrak {
namespace {

using test::ReadBytes;
using test::TempDirectory;
using test::WriteBytes;

// A caption table whose line i reads "<prefix> i".
std::string Table(const std::string& prefix, int lines = kCaptionTableMinLines) {
  std::string text;
  for (int i = 0; i < lines; ++i) text += prefix + " " + std::to_string(i) + "\r\n";
  return text;
}

using test::MessageOf;

struct CodeCase {
  const char* name;
  std::string settings;   // Config.txt
  std::string tableFile;  // the translation file it selects
  std::string flagFile;
  std::string hint;
  std::string codeAfterToggle;
  std::string message;
};

void PrintTo(const CodeCase& c, std::ostream* os) { *os << c.name; }

const CodeCase kCodeCases[] = {
    {"spanish", "ES\r\n", "ES-Translation.txt", "EnglishLang.jpg", "Change to english", "EN",
     "Languaje set to english. You must restart the apllication in order to changes to take effect"},
    {"english", "EN\r\n", "EN-Translation.txt", "SPanishLang.jpg", "Cambiar a castellano", "ES",
     "Idioma cambiado a castellano. Debe reiniciar la aplicación para ver los cambios"},
    {"lower_case_is_another_code", "es\r\n", "es-Translation.txt", "SPanishLang.jpg", "Cambiar a castellano",
     "EN", "Languaje set to english. You must restart the apllication in order to changes to take effect"},
    {"trailing_space_is_another_code", "ES \r\n", "ES -Translation.txt", "SPanishLang.jpg",
     "Cambiar a castellano", "EN",
     "Languaje set to english. You must restart the apllication in order to changes to take effect"},
    {"third_code", "FR\r\n", "FR-Translation.txt", "SPanishLang.jpg", "Cambiar a castellano", "EN",
     "Languaje set to english. You must restart the apllication in order to changes to take effect"},
    {"english_without_line_break", "EN", "EN-Translation.txt", "SPanishLang.jpg", "Cambiar a castellano",
     "ES", "Idioma cambiado a castellano. Debe reiniciar la aplicación para ver los cambios"},
    {"byte_order_mark_stays_in_the_code",
     "\xEF\xBB\xBF"
     "ES\r\n",
     "\xEF\xBB\xBF"
     "ES-Translation.txt",
     "SPanishLang.jpg", "Cambiar a castellano", "EN",
     "Languaje set to english. You must restart the apllication in order to changes to take effect"},
};

class LanguageCode : public ::testing::TestWithParam<CodeCase> {};

TEST_P(LanguageCode, ChoosesTableFlagAndToggle) {
  const CodeCase& c = GetParam();
  TempDirectory dir;
  const std::string settings = c.settings.back() == '\n' ? c.settings + "second line\r\n" : c.settings;
  WriteBytes(dir / "Config.txt", settings);
  WriteBytes(dir / c.tableFile, Table("caption"));
  // A shipped table the code does not name must not be the one read.
  for (const char* other : {"ES-Translation.txt", "EN-Translation.txt"}) {
    if (c.tableFile != other) WriteBytes(dir / other, Table("wrong"));
  }

  LanguageSettings language(dir.path());
  language.Load();
  EXPECT_EQ(language.Caption(47), "caption 47");
  EXPECT_EQ(language.Caption(88), "caption 88");
  const FlagChoice flag = language.Flag();
  EXPECT_EQ(flag.fileName, c.flagFile);
  EXPECT_EQ(flag.path, dir / c.flagFile);
  EXPECT_EQ(flag.hint, c.hint);

  std::vector<LanguageMessage> shown;
  language.Toggle([&](const LanguageMessage& message) {
    // The message comes before the file is written.
    EXPECT_EQ(ReadBytes(dir / "Config.txt"), settings);
    shown.push_back(message);
  });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, c.message);
  EXPECT_EQ(shown[0].title, "Cambio de idioma");
  EXPECT_EQ(ReadBytes(dir / "Config.txt"),
            c.codeAfterToggle + (settings == c.settings ? "\r\n" : "\r\nsecond line\r\n"));
}

INSTANTIATE_TEST_SUITE_P(Table, LanguageCode, ::testing::ValuesIn(kCodeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LanguageToggle, TwoClicksToggleBackAndWriteTwice) {
  TempDirectory dir;
  WriteBytes(dir / "Config.txt", "ES");
  WriteBytes(dir / "ES-Translation.txt", Table("es"));
  LanguageSettings language(dir.path());
  language.Load();
  language.Toggle(nullptr);
  EXPECT_EQ(ReadBytes(dir / "Config.txt"), "EN\r\n");
  language.Toggle(nullptr);
  EXPECT_EQ(ReadBytes(dir / "Config.txt"), "ES\r\n");
}

TEST(LanguageToggle, UnwritableSettingsFailAfterTheMessageAndKeepTheNewCode) {
  TempDirectory dir;
  std::filesystem::create_directory(dir / "program");
  const std::string program = dir / "program/";
  WriteBytes(program + "Config.txt", "EN\r\n");
  WriteBytes(program + "EN-Translation.txt", Table("en"));
  LanguageSettings language(program);
  language.Load();
  // The settings file becomes a directory: root ignores permission bits.
  std::filesystem::remove(program + "Config.txt");
  std::filesystem::create_directory(program + "Config.txt");

  int shown = 0;
  EXPECT_EQ(MessageOf<FileCreateError>([&] { language.Toggle([&](const LanguageMessage&) { ++shown; }); }),
            "Cannot create file \"" + program + "Config.txt\". Is a directory");
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(language.Settings().Get(0), "ES");
}

TEST(LanguageLoad, MissingSettingsLeaveAnEmptyListAndNoCaptionTable) {
  TempDirectory dir;
  LanguageSettings language(dir.path());
  EXPECT_EQ(MessageOf<FileOpenError>([&] { language.Load(); }),
            "Cannot open file \"" + dir / "Config.txt" + "\". No such file or directory");
  EXPECT_EQ(language.Settings().Count(), 0);
  EXPECT_FALSE(language.HasCaptionTable());
  EXPECT_EQ(MessageOf<ListError>([&] { language.Caption(47); }), "List index out of bounds (47)");
  EXPECT_EQ(MessageOf<ListError>([&] { language.Flag(); }), "List index out of bounds (0)");
  EXPECT_EQ(MessageOf<ListError>([&] { language.Toggle(nullptr); }), "List index out of bounds (0)");
}

TEST(LanguageLoad, EmptySettingsLeaveAnEmptyCaptionTable) {
  TempDirectory dir;
  WriteBytes(dir / "Config.txt", "");
  LanguageSettings language(dir.path());
  EXPECT_EQ(MessageOf<ListError>([&] { language.Load(); }), "List index out of bounds (0)");
  ASSERT_TRUE(language.HasCaptionTable());
  EXPECT_EQ(MessageOf<ListError>([&] { language.Caption(0); }), "List index out of bounds (0)");
}

TEST(LanguageLoad, MissingCaptionTableFailsWithItsPath) {
  TempDirectory dir;
  WriteBytes(dir / "Config.txt", "FR\r\n");
  LanguageSettings language(dir.path());
  EXPECT_EQ(MessageOf<FileOpenError>([&] { language.Load(); }),
            "Cannot open file \"" + dir / "FR-Translation.txt" + "\". No such file or directory");
  EXPECT_EQ(language.Settings().Get(0), "FR");
  EXPECT_EQ(language.Flag().fileName, "SPanishLang.jpg");
}

TEST(LanguageCaptions, ShortTableFailsAtTheFirstMissingLineAndEmptyLinesStay) {
  TempDirectory dir;
  WriteBytes(dir / "Config.txt", "ES\r\n");
  std::string table = Table("es", 61);
  table.replace(table.find("es 60\r\n"), 7, "\r\n");
  WriteBytes(dir / "ES-Translation.txt", table);
  LanguageSettings language(dir.path());
  language.Load();
  EXPECT_EQ(language.Caption(60), "");
  EXPECT_EQ(MessageOf<ListError>([&] { language.Caption(61); }), "List index out of bounds (61)");
}

}  // namespace
}  // namespace ostrak
