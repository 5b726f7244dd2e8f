// The navigation button's properties: values after construction, what each
// assignment repaints, and how the hot-track font follows the font.

#include <gtest/gtest.h>

#include <ostream>

#include <functional>

#include "platform/IconTitleFont.h"
#include "widgets/navigation/ImageList.h"
#include "widgets/navigation/NavAcceptance.h"

namespace ostrak {
namespace {

using test::nav::LoggingButton;
using Opt = TTrackFontOption;

TEST(NavButtonDefaults, MatchTheFieldTable) {
  QWidget form;
  LoggingButton& button = *new LoggingButton(&form);
  EXPECT_TRUE(button.State().Empty());
  EXPECT_TRUE(button.Flat());
  EXPECT_EQ(button.DropDownMenu(), nullptr);
  EXPECT_FALSE(button.Down());
  EXPECT_FALSE(button.AllowAllUp());
  EXPECT_EQ(button.GroupIndex(), 0);
  EXPECT_TRUE(button.HotTrack());
  EXPECT_EQ(button.HotTrackFontOptions(),
            (TTrackFontOptions{Opt::hoFollowFont, Opt::hoPreserveColor, Opt::hoPreserveStyle}));
  EXPECT_EQ(button.HotTrackFontOptions().Bits(), 1u | 4u | 64u);
  EXPECT_EQ(button.ImageIndex(), 0);
  EXPECT_EQ(button.Images(), nullptr);
  EXPECT_EQ(button.StyleManager(), nullptr);
  EXPECT_TRUE(button.ParentStyleManager());
  EXPECT_EQ(button.Caption(), QString());
  EXPECT_EQ(button.Width(), 125);
  EXPECT_EQ(button.Height(), 28);
  EXPECT_TRUE(button.Enabled());
  EXPECT_TRUE(button.Visible());
  EXPECT_EQ(button.Align(), TAlign::alNone);
  EXPECT_FALSE(button.ParentFont());
  EXPECT_EQ(button.focusPolicy(), Qt::NoFocus);

  TFont expected = IconTitleFont();
  expected.SetStyle(expected.Style() | TFontStyle::fsBold);
  EXPECT_TRUE(SameAttributes(button.Font(), expected));
  EXPECT_TRUE(SameAttributes(button.HotTrackFont(), expected));
}

// --- What each assignment repaints ---------------------------------------------

struct TriggerCase {
  const char* name;
  std::function<void(LoggingButton&)> change;
  const char* log;  // R RefreshWithBackground, P repaint, I invalidate
};
void PrintTo(const TriggerCase& c, std::ostream* os) { *os << c.name; }

class NavButtonRepaints : public ::testing::TestWithParam<TriggerCase> {};

TEST_P(NavButtonRepaints, EachAssignmentAsksForItsOwnRepaint) {
  LoggingButton button;
  button.TakeLog();
  GetParam().change(button);
  EXPECT_EQ(button.TakeLog(), GetParam().log);
}

TFont Other() { return TFont(QStringLiteral("Arial"), -13, TFontStyle::fsItalic, clRed); }

TImageList* Images() {
  static TImageList images(16, 16);
  return &images;
}

INSTANTIATE_TEST_SUITE_P(
    Table, NavButtonRepaints,
    ::testing::Values(
        TriggerCase{"Caption", [](auto& b) { b.SetCaption(QStringLiteral("x")); }, "RPI"},
        TriggerCase{"SameCaption", [](auto& b) { b.SetCaption(QString()); }, ""},
        TriggerCase{"Font", [](auto& b) { b.SetFont(Other()); }, "I"},
        TriggerCase{"FontAttribute", [](auto& b) { b.Font().SetHeight(-20); }, "I"},
        TriggerCase{"SameFont", [](auto& b) { b.SetFont(TFont(b.Font())); }, ""},
        TriggerCase{"HotTrackFont", [](auto& b) { b.SetHotTrackFont(Other()); }, ""},
        TriggerCase{"HotTrackFontOptions", [](auto& b) { b.SetHotTrackFontOptions(TTrackFontOptions{}); },
                    ""},
        TriggerCase{"HotTrack", [](auto& b) { b.SetHotTrack(false); }, ""},
        TriggerCase{"ColorsFromAnEqualSet", [](auto& b) { b.SetColors(TNavPanelColors()); }, "I"},
        TriggerCase{"ColorsFromItself", [](auto& b) { b.SetColors(b.Colors()); }, ""},
        TriggerCase{"OneColour", [](auto& b) { b.Colors().SetFrameColor(clRed); }, "I"},
        TriggerCase{"OneColourUnchanged", [](auto& b) { b.Colors().SetButtonSeparatorColor(clGray); }, ""},
        TriggerCase{"Images", [](auto& b) { b.SetImages(Images()); }, "I"},
        TriggerCase{"NoImages", [](auto& b) { b.SetImages(nullptr); }, ""},
        TriggerCase{"ImageIndex", [](auto& b) { b.SetImageIndex(-1); }, "I"},
        TriggerCase{"SameImageIndex", [](auto& b) { b.SetImageIndex(0); }, ""},
        TriggerCase{"GroupIndex", [](auto& b) { b.SetGroupIndex(2); }, ""},
        TriggerCase{"AllowAllUp", [](auto& b) { b.SetAllowAllUp(true); }, ""},
        TriggerCase{"Disabled", [](auto& b) { b.SetEnabled(false); }, "RP"}),
    [](const auto& info) { return std::string(info.param.name); });

// --- The hot-track font following the font -------------------------------------

TEST(NavButtonHotTrackFont, DefaultOptionsFollowNameAndHeightButNotColourOrStyle) {
  LoggingButton button;
  button.SetHotTrackFont(TFont(QStringLiteral("Tahoma"), -11, TFontStyle::fsBold, clRed));
  button.SetFont(TFont(QStringLiteral("Arial"), -15, TFontStyle::fsItalic, clBlue));
  const TFont& hot = button.HotTrackFont();
  EXPECT_EQ(hot.Name(), QStringLiteral("Arial"));
  EXPECT_EQ(hot.Height(), -15);
  EXPECT_EQ(hot.Color(), clRed);
  EXPECT_EQ(hot.Style(), TFontStyles(TFontStyle::fsBold));
  button.Font().SetName(QStringLiteral("Verdana"));
  EXPECT_EQ(hot.Name(), QStringLiteral("Verdana"));
  button.Font().SetColor(clGreen);
  EXPECT_EQ(hot.Color(), clRed);
}

TEST(NavButtonHotTrackFont, FollowsNameHeightAndCharsetThroughTheButton) {
  TNavPanelButton button;
  ASSERT_EQ(button.HotTrackFontOptions(), kDefaultTrackFontOptions);
  const TFont before = button.HotTrackFont();
  button.Font().SetName(QStringLiteral("Arial"));
  button.Font().SetHeight(-15);
  button.Font().SetColor(clRed);
  button.Font().SetStyle(TFontStyle::fsItalic);
  button.Font().SetCharset(ANSI_CHARSET);
  EXPECT_EQ(button.HotTrackFont().Name(), QStringLiteral("Arial"));
  EXPECT_EQ(button.HotTrackFont().Height(), -15);
  EXPECT_EQ(button.HotTrackFont().Charset(), ANSI_CHARSET);
  EXPECT_EQ(button.HotTrackFont().Color(), before.Color());
  EXPECT_EQ(button.HotTrackFont().Style(), before.Style());

  button.SetHotTrackFontOptions({Opt::hoFollowFont, Opt::hoPreserveName});
  EXPECT_EQ(button.HotTrackFont().Color(), TColor(clRed));
  EXPECT_EQ(button.HotTrackFont().Style(), TFontStyles(TFontStyle::fsItalic));

  button.SetHotTrackFontOptions({});
  button.Font().SetName(QStringLiteral("Courier"));
  EXPECT_EQ(button.HotTrackFont().Name(), QStringLiteral("Arial"));
}

struct FollowCase {
  const char* name;
  TTrackFontOptions options;
  // Which attributes the hot-track font takes from the font.
  bool charset, color, height, fontName, pitch, style;
};
void PrintTo(const FollowCase& c, std::ostream* os) { *os << c.name; }

class NavButtonFollowFont : public ::testing::TestWithParam<FollowCase> {};

TEST_P(NavButtonFollowFont, EachPreserveOptionKeepsItsAttribute) {
  const FollowCase& c = GetParam();
  const TFont font(QStringLiteral("Arial"), -15, TFontStyle::fsItalic, clBlue);
  TFont track(QStringLiteral("Tahoma"), -11, TFontStyle::fsBold, clRed);
  track.SetCharset(ANSI_CHARSET);
  TFont source = font;
  source.SetPitch(TFontPitch::fpFixed);
  const TFont original = track;
  FollowFont(track, source, c.options);
  EXPECT_EQ(track.Charset(), c.charset ? source.Charset() : original.Charset());
  EXPECT_EQ(track.Color(), c.color ? source.Color() : original.Color());
  EXPECT_EQ(track.Height(), c.height ? source.Height() : original.Height());
  EXPECT_EQ(track.Name(), c.fontName ? source.Name() : original.Name());
  EXPECT_EQ(track.Pitch(), c.pitch ? source.Pitch() : original.Pitch());
  EXPECT_EQ(track.Style(), c.style ? source.Style() : original.Style());
}

INSTANTIATE_TEST_SUITE_P(
    Options, NavButtonFollowFont,
    ::testing::Values(
        FollowCase{"NotFollowing", TTrackFontOptions{Opt::hoPreserveColor}, false, false, false, false, false,
                   false},
        FollowCase{"FollowEverything", TTrackFontOptions{Opt::hoFollowFont}, true, true, true, true, true,
                   true},
        FollowCase{"Defaults", kDefaultTrackFontOptions, true, false, true, true, true, false},
        FollowCase{"PreserveAll",
                   TTrackFontOptions{Opt::hoFollowFont, Opt::hoPreserveCharSet, Opt::hoPreserveColor,
                                     Opt::hoPreserveHeight, Opt::hoPreserveName, Opt::hoPreservePitch,
                                     Opt::hoPreserveStyle},
                   false, false, false, false, false, false},
        FollowCase{"PreserveHeightAndName",
                   TTrackFontOptions{Opt::hoFollowFont, Opt::hoPreserveHeight, Opt::hoPreserveName}, true,
                   true, false, false, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(NavButtonHotTrackFont, ChangingTheOptionsFollowsAtOnce) {
  LoggingButton button;
  button.SetFont(TFont(QStringLiteral("Arial"), -15, TFontStyle::fsItalic, clBlue));
  button.SetHotTrackFont(TFont(QStringLiteral("Tahoma"), -11, TFontStyle::fsBold, clRed));
  button.SetHotTrackFontOptions(TTrackFontOptions{Opt::hoFollowFont});
  EXPECT_TRUE(SameAttributes(button.HotTrackFont(), button.Font()));
}

}  // namespace
}  // namespace ostrak
