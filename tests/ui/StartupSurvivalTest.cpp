// Start-up with one data file missing, empty, cut short or corrupt: the
// window opens, the failure is shown, and every command still runs.

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <filesystem>

#include "ui/EditorHarness.h"

namespace ostrak {
namespace {

using test::EditorHarness;
using test::ReadBytes;
using test::TempDirectory;
using test::WriteBytes;

enum class Damage { Missing, Empty, CutShort, Corrupt };

struct Case {
  const char* file;
  Damage damage;
  // How the start-up failure begins; empty when the file is not needed or
  // still loads (a JPEG cut inside its data decodes with grey rows).
  const char* failure;
};

std::string Name(const Case& c) {
  static const char* const kDamage[] = {"Missing", "Empty", "CutShort", "Corrupt"};
  std::string name = std::string(kDamage[static_cast<int>(c.damage)]) + "_" + c.file;
  for (char& ch : name) ch = std::isalnum(static_cast<unsigned char>(ch)) ? ch : '_';
  return name;
}

void Damage_(const TempDirectory& program, const Case& c) {
  const std::string path = program / c.file;
  const std::string bytes = ReadBytes(path);
  switch (c.damage) {
    case Damage::Missing:
      std::filesystem::remove(path);
      break;
    case Damage::Empty:
      WriteBytes(path, "");
      break;
    case Damage::CutShort:
      WriteBytes(path, bytes.substr(0, bytes.size() / 2));
      break;
    case Damage::Corrupt:
      WriteBytes(path, std::string("\x01\xFE\x00junk\r\n", 9) + bytes.substr(bytes.size() / 3));
      break;
  }
}

const Case kCases[] = {
    {"Config.txt", Damage::Missing, "Cannot open file"},
    {"Config.txt", Damage::Empty, "List index out of bounds (0)"},
    {"Config.txt", Damage::CutShort, ""},  // "ES" without its line break
    {"Config.txt", Damage::Corrupt, "Cannot open file"},
    {"ES-Translation.txt", Damage::Missing, "Cannot open file"},
    {"ES-Translation.txt", Damage::Empty, "List index out of bounds (47)"},
    {"ES-Translation.txt", Damage::CutShort, "List index out of bounds (65)"},
    {"ES-Translation.txt", Damage::Corrupt, "List index out of bounds"},
    {"EN-Translation.txt", Damage::Missing, ""},
    {"EN-Translation.txt", Damage::Corrupt, ""},
    {"Fondo6.jpg", Damage::Missing, "Cannot open file"},
    {"Fondo6.jpg", Damage::Empty, "JPEG error #"},
    {"Fondo6.jpg", Damage::CutShort, ""},
    {"Fondo6.jpg", Damage::Corrupt, "JPEG error #"},
    {"EnglishLang.jpg", Damage::Missing, "Cannot open file"},
    {"EnglishLang.jpg", Damage::Empty, "JPEG error #"},
    {"EnglishLang.jpg", Damage::Corrupt, "JPEG error #"},
    {"SPanishLang.jpg", Damage::Missing, ""},
};

class StartupSurvives : public ::testing::TestWithParam<Case> {};

TEST_P(StartupSurvives, TheWindowOpensWithTheFailureShownAndEveryCommandRuns) {
  const Case& row = GetParam();
  EditorHarness editor([&](const TempDirectory& program) { Damage_(program, row); });
  TForm1& form = editor.Form();
  form.grab();  // the pictures decode at their first paint
  QCoreApplication::processEvents();
  EXPECT_TRUE(form.isVisible());
  const std::vector<std::string> startup = editor.errors.messages();
  if (*row.failure) {
    ASSERT_EQ(startup.size(), 1u);
    EXPECT_EQ(startup[0].rfind(row.failure, 0), 0u) << startup[0];
  } else {
    EXPECT_TRUE(startup.empty()) << startup.front();
  }

  editor.Type(form.spPace, "12");
  editor.Click(form.NavPanelButton1);
  editor.dialogs.Answer(std::nullopt);
  editor.Click(form.NavPanelButton2);
  editor.Click(form.NavPanelButton4);
  editor.Click(form.NavPanelButton5);
  editor.Click(form.imIdioma);
  EXPECT_TRUE(editor.Evaluation().isVisible());
  EXPECT_FALSE(editor.dialogs.messages.empty()) << "the save command answered";
  for (const std::string& message : editor.errors.messages()) EXPECT_NE(message, "Unknown failure");
  editor.Click(form.NavPanelButton3);
  EXPECT_FALSE(form.isVisible());
}

INSTANTIATE_TEST_SUITE_P(EachFile, StartupSurvives, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return Name(info.param); });

}  // namespace
}  // namespace ostrak
