#include <gtest/gtest.h>

#include "ButtonHost.h"
#include "core/Errors.h"
#include "widgets/NavPanelColors.h"
#include "widgets/NavPanelFonts.h"
#include "widgets/NavPanelThemes.h"
#include "widgets/NavigationPane.h"

namespace ostrak {
namespace {

using test::CountingButton;

TEST(NavPanelColors, DefaultsAreTheBlueThemeWithAGreySeparator) {
  const TNavPanelColors colors;
  TNavPanelColors::Values expected = BuiltInTheme(TNavPanelTheme::nptXPBlue)->colors;
  expected[static_cast<std::size_t>(TNavPanelColor::ButtonSeparatorColor)] = clGray;
  EXPECT_EQ(colors.All(), expected);
  EXPECT_EQ(colors.ButtonColorFrom(), RGB(205, 226, 247));
  EXPECT_EQ(colors.ButtonHotColorTo(), RGB(251, 200, 95));
  EXPECT_EQ(colors.ToolPanelColorFrom(), clWindow);
}

TEST(NavPanelColors, AssignmentCopiesAllAndFiresOnceButNeverForItself) {
  TNavPanelColors target;
  int changes = 0;
  target.OnChange = [&](TNavPanelColors&) { ++changes; };
  target.Assign(target);
  target.SetFrameColor(target.FrameColor());
  EXPECT_EQ(changes, 0);
  const TNavPanelColors equal;
  target.Assign(equal);
  EXPECT_EQ(changes, 1);
  TNavPanelColors source;
  source.SetDividerColorTo(clLime);
  source.SetButtonColorFrom(clTeal);
  target.Assign(source);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(target.All(), source.All());
}

struct AssignErrorCase {
  const char* name;
  std::function<void()> assign;
  const char* message;
};

TEST(Assignment, IncompatibleKindsFailWithBothClassNamesAndChangeNothing) {
  TNavPanelColors colors;
  colors.SetFrameColor(clRed);
  TNavPanelFonts fonts;
  TNavPaneStyleManager manager;
  TNavPanelButton button;
  const AssignErrorCase cases[] = {
      {"fonts into colours", [&] { colors.Assign(fonts); },
       "Cannot assign a TNavPanelFonts to a TNavPanelColors"},
      {"colours into fonts", [&] { fonts.Assign(colors); },
       "Cannot assign a TNavPanelColors to a TNavPanelFonts"},
      {"colours into a manager", [&] { manager.Assign(colors); },
       "Cannot assign a TNavPanelColors to a TNavPaneStyleManager"},
      {"fonts into a button", [&] { button.Assign(fonts); },
       "Cannot assign a TNavPanelFonts to a TNavPanelButton"},
      {"a button into colours", [&] { colors.Assign(button); },
       "Cannot assign a TNavPanelButton to a TNavPanelColors"},
  };
  for (const AssignErrorCase& c : cases) {
    try {
      c.assign();
      ADD_FAILURE() << c.name << ": no failure";
    } catch (const AssignError& error) {
      EXPECT_EQ(error.message(), c.message) << c.name;
    }
  }
  EXPECT_EQ(colors.FrameColor(), TColor(clRed));
  EXPECT_EQ(manager.Theme(), TNavPanelTheme::nptStandard);
}

TEST(NavPanelButtonColors, EachRealChangeRepaintsOnce) {
  CountingButton button;
  const int start = button.invalidated;
  button.Colors().Assign(button.Colors());
  EXPECT_EQ(button.invalidated, start);
  const TNavPanelColors equal;
  button.SetColors(equal);
  EXPECT_EQ(button.invalidated, start + 1);
  button.Colors().SetButtonColorTo(button.Colors().ButtonColorTo());
  EXPECT_EQ(button.invalidated, start + 1);
  button.Colors().SetButtonColorTo(clRed);
  EXPECT_EQ(button.invalidated, start + 2);
}

TEST(NavPanelFonts, EveryAttributeChangeOfEveryFontFires) {
  TNavPanelFonts fonts;
  int changes = 0;
  fonts.OnChange = [&](TNavPanelFonts&) { ++changes; };
  fonts.HeaderFont().SetHeight(-20);
  fonts.NavPanelFont().SetColor(clRed);
  fonts.DividerFont().SetName(QStringLiteral("Arial"));
  fonts.NavPanelHotTrackFont().SetStyle(TFontStyle::fsItalic);
  EXPECT_EQ(changes, 4);
  fonts.SetNavPanelHotTrackFontOptions(kDefaultTrackFontOptions);
  EXPECT_EQ(changes, 4);
  fonts.SetNavPanelHotTrackFontOptions({TTrackFontOption::hoFollowFont});
  EXPECT_EQ(changes, 5);
  fonts.SetHeaderFont(fonts.HeaderFont());
  EXPECT_EQ(changes, 5);
}

TEST(NavPanelFonts, AssignmentCopiesThreeFontsAndLeavesTheHotTrackFontAlone) {
  TNavPanelFonts target;
  TNavPanelFonts source;
  source.NavPanelFont().SetName(QStringLiteral("Verdana"));
  source.HeaderFont().SetColor(clRed);
  source.NavPanelHotTrackFont().SetColor(clLime);
  source.SetNavPanelHotTrackFontOptions({});
  const TFont hotBefore = target.NavPanelHotTrackFont();
  int changes = 0;
  target.OnChange = [&](TNavPanelFonts&) { ++changes; };
  target.Assign(target);
  EXPECT_EQ(changes, 0);
  target.Assign(source);
  EXPECT_EQ(changes, 2) << "one per font that differed";
  EXPECT_TRUE(SameAttributes(target.NavPanelFont(), source.NavPanelFont()));
  EXPECT_TRUE(SameAttributes(target.HeaderFont(), source.HeaderFont()));
  EXPECT_TRUE(SameAttributes(target.DividerFont(), source.DividerFont()));
  EXPECT_TRUE(SameAttributes(target.NavPanelHotTrackFont(), hotBefore));
  EXPECT_EQ(target.NavPanelHotTrackFontOptions(), kDefaultTrackFontOptions);
}

}  // namespace
}  // namespace ostrak
