#include "platform/ConfigDirectory.h"
#include "platform/ProgramDirectory.h"

#include <gtest/gtest.h>

namespace ostrak {
namespace {

struct Environment {
  const char* name;
  const char* xdgConfigHome;  // null: unset
  const char* home;
  const char* expected;
};

const Environment kEnvironments[] = {
    {"AbsoluteXdgWins", "/srv/cfg", "/home/ann", "/srv/cfg/"},
    {"XdgWithItsSlash", "/srv/cfg/", "/home/ann", "/srv/cfg/"},
    {"RelativeXdgIsIgnored", "cfg", "/home/ann", "/home/ann/.config/"},
    {"EmptyXdgIsIgnored", "", "/home/ann", "/home/ann/.config/"},
    {"UnsetXdgFallsBackToHome", nullptr, "/home/ann", "/home/ann/.config/"},
    {"HomeWithItsSlash", nullptr, "/home/ann/", "/home/ann/.config/"},
    {"RootHome", nullptr, "/", "/.config/"},
};

class UserConfigDirectoryRules : public ::testing::TestWithParam<Environment> {};

TEST_P(UserConfigDirectoryRules, FollowTheXdgOrder) {
  const Environment& row = GetParam();
  EXPECT_EQ(UserConfigDirectory(row.xdgConfigHome, row.home), row.expected);
}

INSTANTIATE_TEST_SUITE_P(Environments, UserConfigDirectoryRules, ::testing::ValuesIn(kEnvironments),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(UserConfigDirectoryRules, WithoutAnAbsoluteHomeTheAccountsFolderIsUsed) {
  const std::string found = UserConfigDirectory(nullptr, nullptr);
  EXPECT_EQ(found, UserConfigDirectory(nullptr, ""));
  EXPECT_EQ(found, UserConfigDirectory(nullptr, "home/ann"));
  EXPECT_EQ(found, UserConfigDirectory("cfg", "."));
  EXPECT_EQ(found.substr(0, 1), "/");
  EXPECT_EQ(found.substr(found.size() - 9), "/.config/");
}

// Whoever may write there: root may write to an installed copy's folder too.
TEST(ProgramDirectory, AnInstalledCopyIsKnownByTheFolderItsInstallationGivesIt) {
  EXPECT_TRUE(IsInstalledProgramDirectory("/usr/lib/ostrak-editor/"));
  EXPECT_TRUE(IsInstalledProgramDirectory("/opt/x/lib/ostrak-editor/"));
  EXPECT_FALSE(IsInstalledProgramDirectory("/home/ann/ostrak/build/bin/"));
  EXPECT_FALSE(IsInstalledProgramDirectory("/usr/lib/my-ostrak-editor/"));
}

}  // namespace
}  // namespace ostrak
