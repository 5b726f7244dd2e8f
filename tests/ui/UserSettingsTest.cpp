// Where the editor keeps its settings: beside a portable copy; for an
// installed one in the user's configuration folder, seeded from the shipped
// file on first start, so that the flag works for every user.

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>

#include "ui/EditorHarness.h"

namespace ostrak {
namespace {

using test::Copy;
using test::EditorHarness;
using test::ReadBytes;
using test::TempDirectory;
using test::WriteBytes;

constexpr const char* kUserFile = "ostrak-editor/Config.txt";

// A file's bytes, or "(none)".
std::string Contents(const std::string& path) {
  return std::filesystem::exists(path) ? ReadBytes(path) : std::string("(none)");
}

struct Place {
  const char* name;
  Copy copy;
  std::string shipped;  // Config.txt beside the program
  std::string user;     // the user's file before the start
  const char* punches;  // Label2 after the start
  // Both files after the start and after one click on the flag.
  std::string userAfterStart;
  std::string shippedAfterClick;
  std::string userAfterClick;
  std::vector<std::string> errors;
};

void PrintTo(const Place& p, std::ostream* os) { *os << p.name; }

// "keep\n" shows that the seed is copied byte for byte and that later lines
// survive the toggle.
const Place kPlaces[] = {
    {"PortableKeepsThemBesideTheProgram",
     Copy::Portable,
     "EN\r\nkeep\n",
     "(none)",
     "Punches",
     "(none)",
     "ES\r\nkeep\r\n",
     "(none)",
     {}},
    {"InstalledSeedsTheUsersCopyOnFirstStart",
     Copy::Installed,
     "EN\r\nkeep\n",
     "(none)",
     "Punches",
     "EN\r\nkeep\n",
     "EN\r\nkeep\n",
     "ES\r\nkeep\r\n",
     {}},
    {"InstalledReadsTheUsersChoiceLater",
     Copy::Installed,
     "ES\r\n",
     "EN\r\n",
     "Punches",
     "EN\r\n",
     "ES\r\n",
     "ES\r\n",
     {}},
    // Only a missing file is seeded: what the user's file holds is the user's.
    {"InstalledKeepsAnEmptyUsersCopy",
     Copy::Installed,
     "EN\r\n",
     "",
     "Pu\xC3\xB1os",
     "",
     "EN\r\n",
     "",
     {"List index out of bounds (0)", "List index out of bounds (0)"}},
};

class SettingsPlaceOnScreen : public ::testing::TestWithParam<Place> {};

TEST_P(SettingsPlaceOnScreen, StartAndFlagUseTheRightFile) {
  const Place& row = GetParam();
  TempDirectory config;
  const std::string user = config / kUserFile;
  if (row.user != "(none)") {
    std::filesystem::create_directory(config / "ostrak-editor");
    WriteBytes(user, row.user);
  }
  EditorHarness editor(row.copy, config.path(), [&](const TempDirectory& program) {
    WriteBytes(program / "Config.txt", row.shipped);
  });
  EXPECT_EQ(editor.Form().Label2->Caption(), QString::fromUtf8(row.punches));
  EXPECT_EQ(Contents(user), row.userAfterStart);

  editor.Click(editor.Form().imIdioma);
  EXPECT_EQ(Contents(editor.ProgramDirectory() + "Config.txt"), row.shippedAfterClick);
  EXPECT_EQ(Contents(user), row.userAfterClick);
  if (row.userAfterClick == "(none)") {
    EXPECT_EQ(config.Entries(), std::vector<std::string>{});
  }
  EXPECT_EQ(editor.errors.messages(), row.errors);
}

INSTANTIATE_TEST_SUITE_P(Copies, SettingsPlaceOnScreen, ::testing::ValuesIn(kPlaces),
                         [](const auto& info) { return std::string(info.param.name); });

struct FailedSeed {
  const char* name;
  std::function<void(const TempDirectory& program, const TempDirectory& config)> prepare;
  // The start-up failure; %p is the program's folder, %c the user's configuration folder.
  std::string error;
};

void PrintTo(const FailedSeed& f, std::ostream* os) { *os << f.name; }

const FailedSeed kFailedSeeds[] = {
    {"NoShippedSettings",
     [](const TempDirectory& program, const TempDirectory&) {
       std::filesystem::remove(program / "Config.txt");
     },
     "Cannot open file \"%pConfig.txt\". No such file or directory"},
    {"UserFolderIsAFile",
     [](const TempDirectory&, const TempDirectory& config) { WriteBytes(config / "ostrak-editor", "x"); },
     "Cannot create file \"%costrak-editor/Config.txt\". Not a directory"},
};

class FailedSeedOnScreen : public ::testing::TestWithParam<FailedSeed> {};

TEST_P(FailedSeedOnScreen, TheWindowOpensAndNamesTheFileItCouldNotUse) {
  const FailedSeed& row = GetParam();
  TempDirectory config;
  EditorHarness editor(Copy::Installed, config.path(),
                       [&](const TempDirectory& program) { row.prepare(program, config); });
  std::string error = row.error;
  if (const auto at = error.find("%p"); at != std::string::npos)
    error.replace(at, 2, editor.ProgramDirectory());
  if (const auto at = error.find("%c"); at != std::string::npos) error.replace(at, 2, config.path());
  EXPECT_TRUE(editor.Form().isVisible());
  EXPECT_EQ(editor.errors.messages(), std::vector<std::string>{error});
  EXPECT_EQ(editor.Form().Label2->Caption(), QString::fromUtf8("Pu\xC3\xB1os"));
  EXPECT_FALSE(std::filesystem::is_regular_file(config / kUserFile));
}

INSTANTIATE_TEST_SUITE_P(Seeds, FailedSeedOnScreen, ::testing::ValuesIn(kFailedSeeds),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace ostrak
