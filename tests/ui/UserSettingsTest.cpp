// Where the editor keeps its settings: beside a portable copy; for an
// installed one in the user's configuration folder, seeded from the shipped
// file on first start, so that the flag works for every user.

#include <gtest/gtest.h>

#include <filesystem>

#include "ui/EditorHarness.h"

namespace ostrak {
namespace {

using test::Copy;
using test::EditorHarness;
using test::ReadBytes;
using test::TempDirectory;
using test::WriteBytes;

constexpr const char* kUserFile = "ostrak-editor/Config.txt";
constexpr const char* kNone = "(none)";

// A file's bytes, or kNone.
std::string Contents(const std::string& path) {
  return std::filesystem::exists(path) ? ReadBytes(path) : std::string(kNone);
}

struct Place {
  const char* name;
  Copy copy;
  const char* shipped;  // Config.txt beside the program
  const char* user;     // the user's file before the start
  const char* punches;  // Label2 after the start
  // Both files after the start and after one click on the flag.
  const char* userAfterStart;
  const char* shippedAfterClick;
  const char* userAfterClick;
  const char* failure;  // at start-up, met again by the click; empty for none
};

void PrintTo(const Place& p, std::ostream* os) { *os << p.name; }

// "keep\n" shows that the seed is copied byte for byte and that later lines
// survive the toggle. Only a missing file is seeded: an empty one is the user's.
const Place kPlaces[] = {
    {"PortableKeepsThemBesideTheProgram", Copy::Portable, "EN\r\nkeep\n", kNone, "Punches", kNone,
     "ES\r\nkeep\r\n", kNone, ""},
    {"InstalledSeedsTheUsersCopyOnFirstStart", Copy::Installed, "EN\r\nkeep\n", kNone, "Punches",
     "EN\r\nkeep\n", "EN\r\nkeep\n", "ES\r\nkeep\r\n", ""},
    {"InstalledReadsTheUsersChoiceLater", Copy::Installed, "ES\r\n", "EN\r\n", "Punches", "EN\r\n", "ES\r\n",
     "ES\r\n", ""},
    {"InstalledKeepsAnEmptyUsersCopy", Copy::Installed, "EN\r\n", "", "Pu\xC3\xB1os", "", "EN\r\n", "",
     "List index out of bounds (0)"},
};

class SettingsPlaceOnScreen : public ::testing::TestWithParam<Place> {};

TEST_P(SettingsPlaceOnScreen, StartAndFlagUseTheRightFile) {
  const Place& row = GetParam();
  TempDirectory config;
  const std::string user = config / kUserFile;
  if (row.user != std::string(kNone)) {
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
  if (row.userAfterClick == std::string(kNone)) {
    EXPECT_EQ(config.Entries(), std::vector<std::string>{});
  }
  const std::vector<std::string> failures =
      *row.failure ? std::vector<std::string>{row.failure, row.failure} : std::vector<std::string>{};
  EXPECT_EQ(editor.errors.messages(), failures);
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
};

class FailedSeedOnScreen : public ::testing::TestWithParam<FailedSeed> {};

TEST_P(FailedSeedOnScreen, TheWindowOpensAndNamesTheFileItCouldNotUse) {
  const FailedSeed& row = GetParam();
  TempDirectory config;
  EditorHarness editor(Copy::Installed, config.path(),
                       [&](const TempDirectory& program) { row.prepare(program, config); });
  std::string error = row.error;
  for (const auto& [mark, folder] :
       {std::pair{"%p", editor.ProgramDirectory()}, std::pair{"%c", config.path()}}) {
    if (const auto at = error.find(mark); at != std::string::npos) error.replace(at, 2, folder);
  }
  EXPECT_TRUE(editor.Form().isVisible());
  EXPECT_EQ(editor.errors.messages(), std::vector<std::string>{error});
  EXPECT_EQ(editor.Form().Label2->Caption(), QString::fromUtf8("Pu\xC3\xB1os"));
  EXPECT_FALSE(std::filesystem::is_regular_file(config / kUserFile));
}

INSTANTIATE_TEST_SUITE_P(Seeds, FailedSeedOnScreen, ::testing::ValuesIn(kFailedSeeds),
                         [](const auto& info) { return std::string(info.param.name); });

// An unwritable home: the shipped settings are read as they are, and only
// the flag, which must write, says what stands in the way, each time.
TEST(SettingsPlaceOnScreen, WithoutAUsersCopyTheShippedSettingsAreReadAndOnlyTheFlagFails) {
  TempDirectory config;
  WriteBytes(config / "ostrak-editor", "x");
  EditorHarness editor(Copy::Installed, config.path(),
                       [&](const TempDirectory& program) { WriteBytes(program / "Config.txt", "EN\r\n"); });
  EXPECT_EQ(editor.Form().Label2->Caption(), QStringLiteral("Punches"));
  EXPECT_TRUE(editor.errors.messages().empty());

  editor.Click(editor.Form().imIdioma);
  editor.Click(editor.Form().imIdioma);
  const std::string failure =
      "Cannot create file \"" + config.path() + "ostrak-editor/Config.txt\". Not a directory";
  EXPECT_EQ(editor.errors.messages(), (std::vector<std::string>{failure, failure}));
  EXPECT_EQ(editor.dialogs.messages.size(), 2u) << "each click still says what it did";
  EXPECT_EQ(ReadBytes(editor.ProgramDirectory() + "Config.txt"), "EN\r\n");
  EXPECT_EQ(ReadBytes(config / "ostrak-editor"), "x");
}

}  // namespace
}  // namespace ostrak
