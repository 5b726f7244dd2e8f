// Colour sets, font sets, themes and the style manager with its buttons.

#include <gtest/gtest.h>

#include <ostream>

#include <array>
#include <memory>

#include "core/Errors.h"
#include "platform/IconTitleFont.h"
#include "widgets/navigation/NavAcceptance.h"

namespace ostrak {
namespace {

using test::nav::LoggingButton;
using Theme = TNavPanelTheme;
using Values = std::array<TColor, 18>;

// Read through the named getters, in stored order.
Values Named(const TNavPanelColors& c) {
  return {c.ButtonColorFrom(),
          c.ButtonColorTo(),
          c.ButtonHotColorFrom(),
          c.ButtonHotColorTo(),
          c.ButtonSelectedColorFrom(),
          c.ButtonSelectedColorTo(),
          c.ButtonSeparatorColor(),
          c.SplitterColorFrom(),
          c.SplitterColorTo(),
          c.DividerColorFrom(),
          c.DividerColorTo(),
          c.HeaderColorFrom(),
          c.HeaderColorTo(),
          c.FrameColor(),
          c.ToolPanelColorFrom(),
          c.ToolPanelColorTo(),
          c.ToolPanelHeaderColorFrom(),
          c.ToolPanelHeaderColorTo()};
}

constexpr Values kStandard{0x00FFFFFF, 0x00BDBEBD, 0x00C68284, 0x00C68284, 0x00DECFCE, 0x00DECFCE,
                           0x00808080, 0x00C6C3C6, 0x008C8E8C, 0x00EFF3EF, 0x00C6C3C6, 0x00848284,
                           0x00848284, 0x00848484, 0xFF000005, 0xFF000005, 0x00FFFFFF, 0x00BDBEBD};
constexpr Values kBlue{0x00F7E2CD, 0x00F3A080, 0x00DBFBFF, 0x005FC8FB, 0x00BBE2EA, 0x00389FDD,
                       0x002D9600, 0x00B78676, 0x00A03D09, 0x00FFDBBC, 0x00F2C0A4, 0x00D0835C,
                       0x00903B09, 0x006F2F0C, 0xFF000005, 0xFF000005, 0x00F7E2CD, 0x00F3A080};
constexpr Values kSilver{0x00F4E2E1, 0x00B09494, 0x00DBFBFF, 0x005FC8FB, 0x00BBE2EA, 0x00389FDD,
                         0x00947C7C, 0x00B8ABA9, 0x0081767E, 0x00F8F3F4, 0x00EADADB, 0x00BAA8BA,
                         0x00917275, 0x00527D92, 0xFF000005, 0xFF000005, 0x00F4E2E1, 0x00B09494};
constexpr Values kOlive{0x00D6F3E3, 0x0093BFB2, 0x00DBFBFF, 0x005FC8FB, 0x00BBE2EA, 0x00389FDD,
                        0x00588060, 0x00758D81, 0x003A584D, 0x00D2F4EE, 0x00B5DFD8, 0x0094BFB4,
                        0x00427665, 0x005A7972, 0xFF000005, 0xFF000005, 0x00D6F3E3, 0x0093BFB2};

TEST(NavPanelColors, StandAloneDefaultsAreTheBlueThemeWithAGreySeparator) {
  Values expected = kBlue;
  expected[6] = 0x00808080;
  EXPECT_EQ(Named(TNavPanelColors()), expected);
}

struct ThemeCase {
  const char* name;
  Theme theme;
  Values colors;
  TColor header, navPanel, hotTrack, divider;
};
void PrintTo(const ThemeCase& c, std::ostream* os) { *os << c.name; }

class NavPaneThemes : public ::testing::TestWithParam<ThemeCase> {};

TEST_P(NavPaneThemes, SetEveryColourAndTheFourFontColours) {
  const ThemeCase& c = GetParam();
  TNavPaneStyleManager manager;
  manager.SetTheme(Theme::nptCustom);
  manager.Colors().SetFrameColor(0x00010203);
  manager.Fonts().HeaderFont().SetColor(clLime);
  manager.SetTheme(c.theme);
  EXPECT_EQ(Named(manager.Colors()), c.colors);
  EXPECT_EQ(manager.Fonts().HeaderFont().Color(), c.header);
  EXPECT_EQ(manager.Fonts().NavPanelFont().Color(), c.navPanel);
  EXPECT_EQ(manager.Fonts().NavPanelHotTrackFont().Color(), c.hotTrack);
  EXPECT_EQ(manager.Fonts().DividerFont().Color(), c.divider);
  EXPECT_EQ(manager.Theme(), c.theme);
}

INSTANTIATE_TEST_SUITE_P(Columns, NavPaneThemes,
                         ::testing::Values(ThemeCase{"Standard", Theme::nptStandard, kStandard, clWindow,
                                                     clWindowText, clWindow, clWindowText},
                                           ThemeCase{"XPBlue", Theme::nptXPBlue, kBlue, clWindow,
                                                     clWindowText, clWindowText, clWindowText},
                                           ThemeCase{"XPSilver", Theme::nptXPSilver, kSilver, clWindow,
                                                     clWindowText, clWindowText, clWindowText},
                                           ThemeCase{"XPOlive", Theme::nptXPOlive, kOlive, clWindow,
                                                     clWindowText, clWindowText, clWindowText}),
                         [](const auto& info) { return std::string(info.param.name); });

// --- Colour and font sets --------------------------------------------------------

TEST(NavPanelColors, AssignmentFiresOnceUnlessTheSetIsItself) {
  TNavPanelColors target;
  int changes = 0;
  target.OnChange = [&](TNavPanelColors&) { ++changes; };
  target.Assign(target);
  EXPECT_EQ(changes, 0);
  TNavPanelColors equal;
  target.Assign(equal);
  EXPECT_EQ(changes, 1);
  TNavPanelColors other;
  other.SetHeaderColorTo(clRed);
  other.SetButtonColorFrom(clLime);
  target.Assign(other);
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(Named(target), Named(other));
  target.SetHeaderColorTo(clRed);
  EXPECT_EQ(changes, 2);
  target.SetHeaderColorTo(clNone);
  EXPECT_EQ(changes, 3);
}

TEST(NavPanelFonts, ValuesAfterConstruction) {
  TNavPanelFonts fonts;
  EXPECT_EQ(fonts.HeaderFont().Name(), QStringLiteral("Arial"));
  EXPECT_EQ(fonts.HeaderFont().Size(), 12);
  EXPECT_EQ(fonts.HeaderFont().Style(), TFontStyles(TFontStyle::fsBold));
  EXPECT_EQ(fonts.HeaderFont().Color(), clWhite);
  EXPECT_TRUE(SameAttributes(fonts.DividerFont(), IconTitleFont()));
  TFont bold = IconTitleFont();
  bold.SetStyle(bold.Style() | TFontStyle::fsBold);
  EXPECT_TRUE(SameAttributes(fonts.NavPanelFont(), bold));
  EXPECT_TRUE(SameAttributes(fonts.NavPanelHotTrackFont(), bold));
  EXPECT_EQ(fonts.NavPanelHotTrackFontOptions(), kDefaultTrackFontOptions);
}

TEST(NavPanelFonts, EveryFontChangeAndAnOptionsChangeFireOnChange) {
  TNavPanelFonts fonts;
  int changes = 0;
  fonts.OnChange = [&](TNavPanelFonts&) { ++changes; };
  fonts.HeaderFont().SetSize(14);
  fonts.DividerFont().SetName(QStringLiteral("Arial"));
  fonts.NavPanelHotTrackFont().SetColor(clRed);
  fonts.SetNavPanelFont(TFont(QStringLiteral("Verdana"), -12));
  EXPECT_EQ(changes, 4);
  fonts.SetNavPanelHotTrackFontOptions(kDefaultTrackFontOptions);
  EXPECT_EQ(changes, 4);
  fonts.SetNavPanelHotTrackFontOptions(TTrackFontOptions{});
  EXPECT_EQ(changes, 5);
  fonts.HeaderFont().SetHeight(-20);
  fonts.NavPanelHotTrackFont().SetStyle(TFontStyle::fsItalic);
  EXPECT_EQ(changes, 7);
  fonts.SetHeaderFont(fonts.HeaderFont());
  EXPECT_EQ(changes, 7) << "an equal font is no change";
}

TEST(NavPanelFonts, AssignmentCopiesThreeFontsButNotTheHotTrackOnes) {
  TNavPanelFonts target;
  TNavPanelFonts source;
  source.NavPanelFont().SetName(QStringLiteral("Verdana"));
  source.HeaderFont().SetColor(clRed);
  source.NavPanelHotTrackFont().SetName(QStringLiteral("Courier New"));
  source.SetNavPanelHotTrackFontOptions(TTrackFontOptions{});
  const TFont hotBefore = target.NavPanelHotTrackFont();
  std::vector<QString> seen;
  target.OnChange = [&](TNavPanelFonts& f) {
    seen.push_back(f.NavPanelFont().Name() + "/" + QString::number(f.HeaderFont().Color()));
  };
  target.Assign(target);
  EXPECT_TRUE(seen.empty());
  target.Assign(source);
  // NavPanelFont first, then (DividerFont equal, nothing) HeaderFont.
  EXPECT_EQ(seen, (std::vector<QString>{QStringLiteral("Verdana/") + QString::number(clWhite),
                                        QStringLiteral("Verdana/") + QString::number(clRed)}));
  EXPECT_TRUE(SameAttributes(target.NavPanelFont(), source.NavPanelFont()));
  EXPECT_TRUE(SameAttributes(target.HeaderFont(), source.HeaderFont()));
  EXPECT_TRUE(SameAttributes(target.DividerFont(), source.DividerFont()));
  EXPECT_TRUE(SameAttributes(target.NavPanelHotTrackFont(), hotBefore));
  EXPECT_EQ(target.NavPanelHotTrackFontOptions(), kDefaultTrackFontOptions);
}

struct AssignErrorCase {
  const char* name;
  std::function<void()> assign;
  const char* message;
};
void PrintTo(const AssignErrorCase& c, std::ostream* os) { *os << c.name; }

class NavAssignErrors : public ::testing::TestWithParam<AssignErrorCase> {};

TEST_P(NavAssignErrors, NameBothClasses) {
  try {
    GetParam().assign();
    FAIL() << "no failure";
  } catch (const AssignError& error) {
    EXPECT_STREQ(error.what(), GetParam().message);
  }
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, NavAssignErrors,
    ::testing::Values(AssignErrorCase{"FontsToColors",
                                      [] {
                                        TNavPanelColors c;
                                        c.Assign(TNavPanelFonts());
                                      },
                                      "Cannot assign a TNavPanelFonts to a TNavPanelColors"},
                      AssignErrorCase{"ColorsToFonts",
                                      [] {
                                        TNavPanelFonts f;
                                        f.Assign(TNavPanelColors());
                                      },
                                      "Cannot assign a TNavPanelColors to a TNavPanelFonts"},
                      AssignErrorCase{"ManagerToColors",
                                      [] {
                                        TNavPanelColors c;
                                        c.Assign(TNavPaneStyleManager());
                                      },
                                      "Cannot assign a TNavPaneStyleManager to a TNavPanelColors"},
                      AssignErrorCase{"ColorsToManager",
                                      [] {
                                        TNavPaneStyleManager m;
                                        m.Assign(TNavPanelColors());
                                      },
                                      "Cannot assign a TNavPanelColors to a TNavPaneStyleManager"},
                      AssignErrorCase{"ButtonToColors",
                                      [] {
                                        TNavPanelColors c;
                                        c.Assign(TNavPanelButton());
                                      },
                                      "Cannot assign a TNavPanelButton to a TNavPanelColors"},
                      AssignErrorCase{"FontsToButton",
                                      [] {
                                        TNavPanelButton b;
                                        b.Assign(TNavPanelFonts());
                                      },
                                      "Cannot assign a TNavPanelFonts to a TNavPanelButton"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NavPanelColors, AFailedAssignmentChangesNothing) {
  TNavPanelColors colors;
  colors.SetFrameColor(clRed);
  int changes = 0;
  colors.OnChange = [&](TNavPanelColors&) { ++changes; };
  EXPECT_THROW(colors.Assign(TNavPanelFonts()), AssignError);
  EXPECT_EQ(colors.FrameColor(), clRed);
  EXPECT_EQ(changes, 0);
  TNavPaneStyleManager manager;
  EXPECT_THROW(manager.Assign(TNavPanelColors()), AssignError);
  EXPECT_EQ(manager.Theme(), Theme::nptStandard);
}

}  // namespace
}  // namespace ostrak
