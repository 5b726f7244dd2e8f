// The settings file, the caption table and the toggle, checked from the
// outside on program folders laid out by hand, and the files that ship.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "core/Errors.h"
#include "localisation/CaptionLines.h"
#include "localisation/LanguageSettings.h"
#include "support/FailureMessage.h"
#include "support/TempDirectory.h"

namespace ostrak {
namespace {

using test::MessageOf;

constexpr const char* kToEnglish =
    "Languaje set to english. You must restart the apllication in order to changes to take effect";
constexpr const char* kToSpanish =
    "Idioma cambiado a castellano. Debe reiniciar la aplicación para ver los cambios";

// A caption table whose line i reads "<tag> i".
std::string CaptionFile(const std::string& tag, int lines = kCaptionTableMinLines) {
  std::string text;
  for (int i = 0; i < lines; ++i) text += tag + " " + std::to_string(i) + "\r\n";
  return text;
}

struct CodeRow {
  const char* name;
  std::string settings;         // the settings file's bytes
  std::string translationFile;  // the file the code selects
  std::string flagFile;
  std::string hint;
  std::string toggleMessage;
  std::string savedSettings;  // the settings file after one click
};

// Failure reports name the row instead of dumping its bytes.
void PrintTo(const CodeRow& row, std::ostream* os) { *os << row.name; }

class LanguageCodeAcceptance : public testing::TestWithParam<CodeRow> {};

TEST_P(LanguageCodeAcceptance, PicksTheTableTheFlagAndTheToggle) {
  const CodeRow& row = GetParam();
  test::TempDirectory folder;
  test::WriteBytes(folder / "Config.txt", row.settings);
  test::WriteBytes(folder / row.translationFile, CaptionFile("from " + row.translationFile));
  // The other shipped table must not be the one read.
  for (const char* other : {"ES-Translation.txt", "EN-Translation.txt"}) {
    if (row.translationFile != other) test::WriteBytes(folder / other, CaptionFile("wrong"));
  }

  LanguageSettings language(folder.path());
  language.Load();
  ASSERT_TRUE(language.HasCaptionTable());
  EXPECT_EQ(language.Caption(47), "from " + row.translationFile + " 47");
  EXPECT_EQ(language.Caption(88), "from " + row.translationFile + " 88");

  const FlagChoice flag = language.Flag();
  EXPECT_EQ(flag.fileName, row.flagFile);
  EXPECT_EQ(flag.path, folder.path() + row.flagFile);
  EXPECT_EQ(flag.hint, row.hint);

  std::vector<LanguageMessage> shown;
  language.Toggle([&](const LanguageMessage& message) {
    // The message comes before the file is written.
    EXPECT_EQ(test::ReadBytes(folder / "Config.txt"), row.settings);
    shown.push_back(message);
  });
  ASSERT_EQ(shown.size(), 1u);
  EXPECT_EQ(shown[0].text, row.toggleMessage);
  EXPECT_EQ(shown[0].title, "Cambio de idioma");
  EXPECT_EQ(test::ReadBytes(folder / "Config.txt"), row.savedSettings);
  EXPECT_EQ(language.Settings().Get(0) + "\r\n", row.savedSettings.substr(0, 4));
}

const CodeRow kCodeRows[] = {
    {"spanish", "ES\r\n", "ES-Translation.txt", "EnglishLang.jpg", "Change to english", kToEnglish, "EN\r\n"},
    {"english", "EN\r\n", "EN-Translation.txt", "SPanishLang.jpg", "Cambiar a castellano", kToSpanish,
     "ES\r\n"},
    {"english_without_line_break", "EN", "EN-Translation.txt", "SPanishLang.jpg", "Cambiar a castellano",
     kToSpanish, "ES\r\n"},
    {"lower_case_is_another_code", "es\n", "es-Translation.txt", "SPanishLang.jpg", "Cambiar a castellano",
     kToEnglish, "EN\r\n"},
    {"trailing_space_is_another_code", "ES \r\n", "ES -Translation.txt", "SPanishLang.jpg",
     "Cambiar a castellano", kToEnglish, "EN\r\n"},
    {"third_code", "FR\r\n", "FR-Translation.txt", "SPanishLang.jpg", "Cambiar a castellano", kToEnglish,
     "EN\r\n"},
    {"byte_order_mark",
     "\xEF\xBB\xBF"
     "ES\r\n",
     "\xEF\xBB\xBF"
     "ES-Translation.txt",
     "SPanishLang.jpg", "Cambiar a castellano", kToEnglish, "EN\r\n"},
    {"other_lines_kept", "EN\nsecond line\r\n\r\n third \t\r", "EN-Translation.txt", "SPanishLang.jpg",
     "Cambiar a castellano", kToSpanish, "ES\r\nsecond line\r\n\r\n third \t\r\n"},
};

INSTANTIATE_TEST_SUITE_P(Codes, LanguageCodeAcceptance, testing::ValuesIn(kCodeRows),
                         [](const testing::TestParamInfo<CodeRow>& info) { return info.param.name; });

TEST(LanguageAcceptance, ClickingTwiceTogglesBackAndWritesTwice) {
  test::TempDirectory folder;
  test::WriteBytes(folder / "Config.txt", "ES\r\nkeep\r\n");
  test::WriteBytes(folder / "ES-Translation.txt", CaptionFile("es"));
  LanguageSettings language(folder.path());
  language.Load();
  std::vector<std::string> texts;
  const auto show = [&](const LanguageMessage& message) { texts.push_back(message.text); };
  language.Toggle(show);
  EXPECT_EQ(test::ReadBytes(folder / "Config.txt"), "EN\r\nkeep\r\n");
  language.Toggle(show);
  EXPECT_EQ(test::ReadBytes(folder / "Config.txt"), "ES\r\nkeep\r\n");
  EXPECT_EQ(texts, (std::vector<std::string>{kToEnglish, kToSpanish}));
}

TEST(LanguageAcceptance, MissingSettingsFileLeavesNoTable) {
  test::TempDirectory folder;
  test::WriteBytes(folder / "ES-Translation.txt", CaptionFile("es"));
  LanguageSettings language(folder.path());
  EXPECT_EQ(MessageOf<FileOpenError>([&] { language.Load(); }),
            "Cannot open file \"" + folder.path() + "Config.txt\". No such file or directory");
  EXPECT_EQ(language.Settings().Count(), 0);
  EXPECT_FALSE(language.HasCaptionTable());
  EXPECT_EQ(MessageOf<ListError>([&] { language.Caption(47); }), "List index out of bounds (47)");
  // The toggle then has no code to read.
  EXPECT_EQ(MessageOf<ListError>([&] { language.Toggle({}); }), "List index out of bounds (0)");
  EXPECT_FALSE(std::filesystem::exists(folder / "Config.txt"));
}

TEST(LanguageAcceptance, EmptySettingsFileLeavesAnEmptyTable) {
  test::TempDirectory folder;
  test::WriteBytes(folder / "Config.txt", "");
  LanguageSettings language(folder.path());
  EXPECT_EQ(MessageOf<ListError>([&] { language.Load(); }), "List index out of bounds (0)");
  EXPECT_TRUE(language.HasCaptionTable());
  EXPECT_THROW(language.Caption(47), ListError);
}

TEST(LanguageAcceptance, MissingTranslationFileNamesTheFileTheCodeChose) {
  test::TempDirectory folder;
  test::WriteBytes(folder / "Config.txt", "DE\r\n");
  LanguageSettings language(folder.path());
  EXPECT_EQ(MessageOf<FileOpenError>([&] { language.Load(); }),
            "Cannot open file \"" + folder.path() + "DE-Translation.txt\". No such file or directory");
  EXPECT_EQ(language.Flag().fileName, "SPanishLang.jpg");
}

TEST(LanguageAcceptance, ShortTableFailsAtTheFirstMissingLineAndEmptyLinesStayEmpty) {
  test::TempDirectory folder;
  test::WriteBytes(folder / "Config.txt", "ES\r\n");
  std::string table = CaptionFile("es", 60) + "\r\n";  // line 60 empty, 61 lines
  test::WriteBytes(folder / "ES-Translation.txt", table);
  LanguageSettings language(folder.path());
  language.Load();
  EXPECT_EQ(language.Caption(59), "es 59");
  EXPECT_EQ(language.Caption(60), "");
  EXPECT_EQ(MessageOf<ListError>([&] { language.Caption(61); }), "List index out of bounds (61)");
}

TEST(LanguageAcceptance, UnwritableSettingsFailAfterTheMessageWithTheNewCodeKept) {
  test::TempDirectory folder;
  test::WriteBytes(folder / "Config.txt", "EN\r\n");
  test::WriteBytes(folder / "EN-Translation.txt", CaptionFile("en"));
  LanguageSettings language(folder.path());
  language.Load();
  std::filesystem::remove(folder / "Config.txt");
  std::filesystem::create_directory(folder / "Config.txt");

  int shown = 0;
  EXPECT_EQ(MessageOf<FileCreateError>([&] { language.Toggle([&](const LanguageMessage&) { ++shown; }); }),
            "Cannot create file \"" + folder.path() + "Config.txt\". Is a directory");
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(language.Settings().Get(0), "ES");
  EXPECT_EQ(language.Flag().fileName, "EnglishLang.jpg");
}

// ---------------------------------------------------------------------------
// The files that ship beside the program.

std::string Shipped(const std::string& name) {
  return test::ReadBytes(std::string(OSTRAK_SHIPPED_DATA_DIR) + name);
}

// Bytes Windows-1252 leaves unassigned.
bool IsUnassigned(unsigned char byte) {
  return byte == 0x81 || byte == 0x8D || byte == 0x8F || byte == 0x90 || byte == 0x9D;
}

class ShippedTranslationAcceptance : public testing::TestWithParam<const char*> {};

TEST_P(ShippedTranslationAcceptance, HoldsEveryCaptionLineAsWindows1252WithCrLf) {
  const std::string bytes = Shipped(GetParam());
  ASSERT_FALSE(bytes.empty());
  EXPECT_NE(bytes.substr(0, 3), "\xEF\xBB\xBF");
  std::string withoutBreaks;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (bytes.compare(i, 2, "\r\n") == 0) {
      ++i;
      continue;
    }
    withoutBreaks += bytes[i];
  }
  EXPECT_EQ(withoutBreaks.find_first_of(std::string("\r\n\0", 3)), std::string::npos)
      << "a break that is not CR LF, or a NUL";
  EXPECT_EQ(std::count_if(bytes.begin(), bytes.end(),
                          [](char c) { return IsUnassigned(static_cast<unsigned char>(c)); }),
            0);
  EXPECT_EQ(bytes.substr(bytes.size() - 2), "\r\n");

  TStringList table;
  table.SetText(bytes);
  ASSERT_GE(table.Count(), kCaptionTableMinLines);
  for (int line = 47; line <= 88; ++line) {
    EXPECT_FALSE(table.Get(line).empty()) << "line " << line;
  }
}

INSTANTIATE_TEST_SUITE_P(Files, ShippedTranslationAcceptance,
                         testing::Values("ES-Translation.txt", "EN-Translation.txt"),
                         [](const testing::TestParamInfo<const char*>& info) {
                           return std::string(info.param).substr(0, 2);
                         });

TEST(ShippedDataAcceptance, SettingsNameAShippedTableAndBothFlagsShip) {
  TStringList settings;
  settings.SetText(Shipped("Config.txt"));
  ASSERT_GE(settings.Count(), 1);
  EXPECT_TRUE(settings.Get(0) == "ES" || settings.Get(0) == "EN") << settings.Get(0);
  EXPECT_EQ(Shipped("Config.txt").substr(0, 4), settings.Get(0) + "\r\n");
  for (const char* picture : {"EnglishLang.jpg", "SPanishLang.jpg", "Fondo6.jpg"}) {
    const std::string bytes = Shipped(picture);
    ASSERT_GE(bytes.size(), 4u) << picture;
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xD8") << picture << " is not a JPEG";
  }
}

}  // namespace
}  // namespace ostrak
