// The language the editor shows: captions from the table the settings
// choose, the flag that offers the other language, and the toggle.

#include <gtest/gtest.h>

#include <filesystem>

#include "localisation/CaptionLines.h"
#include "ui/EditorHarness.h"

namespace ostrak {
namespace {

using test::EditorHarness;
using test::ReadBytes;
using test::TempDirectory;
using test::WriteBytes;

// The shipped English table cut after `lines` lines.
void CutEnglishTable(const TempDirectory& program, int lines) {
  std::string table = ReadBytes(program / "EN-Translation.txt");
  std::size_t end = 0;
  for (int i = 0; i < lines; ++i) end = table.find("\r\n", end) + 2;
  WriteBytes(program / "EN-Translation.txt", table.substr(0, end));
}

struct Setting {
  const char* name;
  std::function<void(const TempDirectory&)> prepare;
  const char* punches;    // Label2, line 53
  const char* takedowns;  // Label9, line 60
  const char* evaluate;   // the button, line 78
  const char* hint;
  // The start-up failure, with the program directory for "%s".
  const char* error;
};

void PrintTo(const Setting& s, std::ostream* os) { *os << s.name; }

void Settings(const TempDirectory& program, const std::string& bytes) {
  WriteBytes(program / "Config.txt", bytes);
}

const Setting kSettings[] = {
    {"Spanish", [](const TempDirectory& p) { Settings(p, "ES\r\n"); }, "Puños", "Derribo", "Evaluar",
     "Change to english", ""},
    {"English", [](const TempDirectory& p) { Settings(p, "EN\r\n"); }, "Punches", "Takedowns", "Evaluate",
     "Cambiar a castellano", ""},
    {"LowerCaseNamesAnotherFile", [](const TempDirectory& p) { Settings(p, "es\r\n"); }, "Puños", "Derribo",
     "Evaluar", "", "Cannot open file \"%ses-Translation.txt\". No such file or directory"},
    {"ByteOrderMarkStaysInTheName",
     [](const TempDirectory& p) {
       Settings(p,
                "\xEF\xBB\xBF"
                "ES\r\n");
     },
     "Puños", "Derribo", "Evaluar", "",
     "Cannot open file \"%s\xEF\xBB\xBF"
     "ES-Translation.txt\". No such file or directory"},
    {"MissingSettings", [](const TempDirectory& p) { std::filesystem::remove(p / "Config.txt"); }, "Puños",
     "Derribo", "Evaluar", "", "Cannot open file \"%sConfig.txt\". No such file or directory"},
    {"ShortTable",
     [](const TempDirectory& p) {
       Settings(p, "EN\r\n");
       CutEnglishTable(p, 60);
     },
     "Punches", "Derribo", "Evaluar", "", "List index out of bounds (60)"},
};

class EditorLanguage : public ::testing::TestWithParam<Setting> {};

TEST_P(EditorLanguage, CaptionsFlagAndStartUpFailure) {
  const Setting& row = GetParam();
  EditorHarness editor(row.prepare);
  TForm1& form = editor.Form();
  EXPECT_EQ(form.Label2->Caption(), QString::fromUtf8(row.punches));
  EXPECT_EQ(form.Label9->Caption(), QString::fromUtf8(row.takedowns));
  EXPECT_EQ(form.NavPanelButton5->Caption(), QString::fromUtf8(row.evaluate));
  EXPECT_EQ(form.imIdioma->Hint(), QString::fromUtf8(row.hint));
  EXPECT_EQ(form.imIdioma->Picture().Empty(), std::string(row.hint).empty());
  std::vector<std::string> expected;
  if (std::string error = row.error; !error.empty()) {
    if (const std::size_t at = error.find("%s"); at != std::string::npos) {
      error.replace(at, 2, editor.ProgramDirectory());
    }
    expected.push_back(error);
  }
  EXPECT_EQ(editor.errors.messages(), expected);
}

INSTANTIATE_TEST_SUITE_P(Files, EditorLanguage, ::testing::ValuesIn(kSettings),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(EditorLanguage, EveryCommandStillWorksWithoutACaptionTable) {
  EditorHarness editor([](const TempDirectory& p) { std::filesystem::remove(p / "Config.txt"); });
  TForm1& form = editor.Form();
  editor.Click(form.NavPanelButton1);
  ASSERT_EQ(editor.dialogs.messages.size(), 1u);
  EXPECT_EQ(editor.dialogs.messages[0].title, QStringLiteral("Faltan datos"));
  editor.Click(form.NavPanelButton5);
  EXPECT_EQ(editor.Evaluation().windowTitle(), QStringLiteral("Evaluar"));
  EXPECT_EQ(editor.Evaluation().gOverall->Caption(), QStringLiteral("Overall 5%%"));
  editor.Click(form.imIdioma);
  EXPECT_EQ(editor.errors.messages().back(), "List index out of bounds (0)");
}

TEST(EditorLanguage, TheFlagWritesTheOtherCodeKeepsTheOtherLinesAndChangesNothingOnScreen) {
  EditorHarness editor([](const TempDirectory& p) { Settings(p, "ES\r\nkeep me\r\n"); });
  TForm1& form = editor.Form();
  editor.Click(form.imIdioma);
  ASSERT_EQ(editor.dialogs.messages.size(), 1u);
  EXPECT_EQ(
      editor.dialogs.messages[0].text,
      QStringLiteral("Languaje set to english. You must restart the apllication in order to changes to take "
                     "effect"));
  EXPECT_EQ(editor.dialogs.messages[0].title, QStringLiteral("Cambio de idioma"));
  EXPECT_EQ(editor.dialogs.messages[0].icon, MessageIcon::None);
  EXPECT_EQ(ReadBytes(editor.ProgramDirectory() + "Config.txt"), "EN\r\nkeep me\r\n");
  EXPECT_EQ(form.Label2->Caption(), QString::fromUtf8("Puños"));
  EXPECT_EQ(form.imIdioma->Hint(), QStringLiteral("Change to english"));

  editor.Click(form.imIdioma);
  EXPECT_EQ(
      editor.dialogs.messages[1].text,
      QString::fromUtf8("Idioma cambiado a castellano. Debe reiniciar la aplicación para ver los cambios"));
  EXPECT_EQ(ReadBytes(editor.ProgramDirectory() + "Config.txt"), "ES\r\nkeep me\r\n");
}

TEST(EditorLanguage, AnUnwritableSettingsFileFailsAfterTheMessage) {
  EditorHarness editor;
  const std::string settings = editor.ProgramDirectory() + "Config.txt";
  std::filesystem::remove(settings);
  std::filesystem::create_directory(settings);
  editor.Click(editor.Form().imIdioma);
  EXPECT_EQ(editor.dialogs.messages.size(), 1u);
  EXPECT_EQ(editor.errors.messages(),
            std::vector<std::string>{"Cannot create file \"" + settings + "\". Is a directory"});
}

}  // namespace
}  // namespace ostrak
