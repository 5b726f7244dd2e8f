#include <gtest/gtest.h>

#include <cmath>

#include "ButtonHost.h"
#include "platform/SystemColors.h"
#include "support/PixelTools.h"
#include "widgets/NavigationPane.h"

namespace ostrak {
namespace {

using test::ButtonHost;
using test::Rendered;

constexpr TColor kBlack = 0x000000;
constexpr TColor kGray = RGB(128, 128, 128);

TColor Band(TColor from, TColor to, int i, int steps) {
  auto channel = [&](int a, int b) {
    return static_cast<std::uint8_t>(a + std::lround(double(i) * (b - a) / (steps - 1)));
  };
  return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
             channel(GetBValue(from), GetBValue(to)));
}

TEST(NavPanelButtonPaint, RestFaceIsTwentyEightBandsAboveTheSeparator) {
  TNavPanelButton button;
  button.SetBounds(0, 0, 114, 28);
  button.SetCaption(QStringLiteral("Guardar Luchador"));
  Rendered shown(button);
  const TColor from = RGB(205, 226, 247);
  const TColor to = RGB(128, 160, 243);
  for (int y = 0; y < 27; ++y) {
    for (int x : {0, 3, 110, 113})
      EXPECT_EQ(shown.surface.Pixel(x, y), Band(from, to, y, 28)) << x << "," << y;
  }
  EXPECT_EQ(shown.surface.Pixel(0, 0), from);
  EXPECT_EQ(test::RowText(shown.surface, 27, 0, 114, {{kGray, '-'}}), std::string(114, '-'));
  EXPECT_EQ(test::CountOf(shown.surface, clNone), 0);
}

struct FaceCase {
  const char* name;
  void (*drive)(ButtonHost&, TNavPanelButton&);
  TColor top;
  TColor bottom;
  bool hotTrackFont;
};

constexpr TColor kFontColor = RGB(0, 0, 200);
constexpr TColor kHotFontColor = RGB(200, 0, 0);
const QPoint kInside(50, 10);
const QPoint kOutside(50, 60);

TEST(NavPanelButtonPaint, StateChoosesTheFaceAndTheCaptionFont) {
  const TNavPanelColors defaults;
  const TColor selectedFrom = defaults.ButtonSelectedColorFrom();
  const TColor selectedTo = defaults.ButtonSelectedColorTo();
  const FaceCase cases[] = {
      {"rest", [](ButtonHost&, TNavPanelButton&) {}, defaults.ButtonColorFrom(), defaults.ButtonColorTo(),
       false},
      {"hot", [](ButtonHost& host, TNavPanelButton& b) { host.MoveTo(b, kInside); },
       defaults.ButtonHotColorFrom(), defaults.ButtonHotColorTo(), true},
      {"hot and pressed: selected face upside down with Font",
       [](ButtonHost& host, TNavPanelButton& b) {
         host.MoveTo(b, kInside);
         host.Press(b, kInside);
       },
       selectedTo, selectedFrom, false},
      {"pressed with the pointer outside",
       [](ButtonHost& host, TNavPanelButton& b) {
         host.MoveTo(b, kInside);
         host.Press(b, kInside);
         host.MoveTo(b, kOutside);
       },
       selectedTo, selectedFrom, false},
      {"down",
       [](ButtonHost&, TNavPanelButton& b) {
         b.SetGroupIndex(1);
         b.SetDown(true);
       },
       selectedFrom, selectedTo, false},
      {"down and hot shows the hot face",
       [](ButtonHost& host, TNavPanelButton& b) {
         b.SetGroupIndex(1);
         b.SetDown(true);
         host.MoveTo(b, kInside);
       },
       defaults.ButtonHotColorFrom(), defaults.ButtonHotColorTo(), true},
      {"hot with HotTrack off shows the rest face",
       [](ButtonHost& host, TNavPanelButton& b) {
         b.SetHotTrack(false);
         host.MoveTo(b, kInside);
       },
       defaults.ButtonColorFrom(), defaults.ButtonColorTo(), false},
      {"disabled looks like enabled",
       [](ButtonHost& host, TNavPanelButton& b) {
         b.SetEnabled(false);
         host.MoveTo(b, kInside);
       },
       defaults.ButtonColorFrom(), defaults.ButtonColorTo(), false},
  };
  for (const FaceCase& c : cases) {
    ButtonHost host;
    TNavPanelButton button(&host.window);
    button.SetBounds(10, 10, 114, 28);
    button.Colors().SetButtonSeparatorColor(clNone);
    button.SetCaption(QStringLiteral("Guardar Luchador"));
    button.Font().SetColor(kFontColor);
    button.HotTrackFont().SetColor(kHotFontColor);
    button.show();
    c.drive(host, button);
    Rendered shown(button);
    EXPECT_EQ(shown.surface.Pixel(0, 0), c.top) << c.name;
    EXPECT_EQ(shown.surface.Pixel(0, 27), c.bottom) << c.name;
    EXPECT_EQ(test::CountOf(shown.surface, kHotFontColor) > 0, c.hotTrackFont) << c.name;
    EXPECT_EQ(test::CountOf(shown.surface, kFontColor) > 0, !c.hotTrackFont) << c.name;
    host.Release(button, kOutside);
  }
}

// Where the caption lands: the same text drawn by hand into the rectangle
// that starts `left` pixels in and keeps 4 pixels from the other edges.
TRect CaptionBoundsAt(const TNavPanelButton& button, int left) {
  Surface reference(button.Width(), button.Height(), RGB(1, 2, 3));
  reference.SelectFont(button.Font().ToQFont());
  reference.SetTextColor(button.Font().Color());
  reference.SetBkMode(TRANSPARENT);
  TRect r = Rect(left, 4, button.Width() - 4, button.Height() - 4);
  reference.DrawText(button.Caption(), r, DT_SINGLELINE | DT_VCENTER);
  return test::BoundsOf(reference, ColorToRGB(button.Font().Color()));
}

TEST(NavPanelButtonPaint, CaptionStartsFourPixelsInWithoutAPicture) {
  TNavPanelButton button;
  button.SetBounds(0, 0, 114, 28);
  button.SetCaption(QStringLiteral("Guardar Luchador"));
  ASSERT_EQ(button.ImageIndex(), 0);
  const Rendered shown(button);
  const TRect text = test::BoundsOf(shown.surface, kBlack);
  EXPECT_EQ(text, CaptionBoundsAt(button, 4));
  EXPECT_GE(text.left, 4);
  EXPECT_LT(text.left, 7);
  EXPECT_LE(text.right, 110);
}

TEST(NavPanelButtonPaint, APictureSitsAtFourSixAndPushesTheCaptionToTwentyFour) {
  const TColor picture = RGB(0, 255, 0);
  TImageList images(16, 16);
  QImage solid(16, 16, QImage::Format_ARGB32);
  solid.fill(QColor(0, 255, 0));
  images.Add(solid);
  TNavPanelButton button;
  button.SetBounds(0, 0, 114, 28);
  button.SetCaption(QStringLiteral("Guardar"));
  button.SetImages(&images);
  const Rendered shown(button);
  EXPECT_EQ(test::BoundsOf(shown.surface, picture), Rect(4, 6, 20, 22));
  EXPECT_EQ(test::BoundsOf(shown.surface, kBlack), CaptionBoundsAt(button, 24));

  button.SetImageIndex(-1);
  const Rendered none(button);
  EXPECT_EQ(test::CountOf(none.surface, picture), 0);
  EXPECT_EQ(test::BoundsOf(none.surface, kBlack), CaptionBoundsAt(button, 4));
}

TEST(NavPanelButtonPaint, ADestroyedImageListIsNeverDrawnFrom) {
  TNavPanelButton button;
  {
    TImageList images(16, 16);
    images.Add(QImage(16, 16, QImage::Format_ARGB32));
    button.SetImages(&images);
  }
  EXPECT_EQ(button.Images(), nullptr);
  button.SetCaption(QStringLiteral("Guardar"));
  EXPECT_EQ(test::BoundsOf(Rendered(button).surface, kBlack), CaptionBoundsAt(button, 4));
}

TEST(NavPanelButtonPaint, SeparatorRow) {
  struct Case {
    const char* name;
    TAlign align;
    TColor separator;
    std::string top;
    std::string bottom;
  };
  const std::string line(40, '-');
  const std::string face(40, '.');
  const Case cases[] = {
      {"bottom row by default", TAlign::alNone, clGray, face, line},
      {"top row when aligned to the bottom", TAlign::alBottom, clGray, line, face},
      {"none hides it", TAlign::alNone, clNone, face, face},
      {"any colour", TAlign::alTop, clRed, face, std::string(40, 'r')},
  };
  for (const Case& c : cases) {
    TNavPanelButton button;  // no caption: face and separator only
    button.SetBounds(0, 0, 40, 28);
    button.SetAlign(c.align);
    button.Colors().SetButtonSeparatorColor(c.separator);
    const Rendered shown(button);
    const auto legend = {std::pair{kGray, '-'}, std::pair{TColor(clRed), 'r'},
                         std::pair{RGB(205, 226, 247), '.'}, std::pair{RGB(128, 160, 243), '.'}};
    EXPECT_EQ(test::RowText(shown.surface, 0, 0, 40, legend), c.top) << c.name;
    EXPECT_EQ(test::RowText(shown.surface, 27, 0, 40, legend), c.bottom) << c.name;
  }
}

TEST(NavPanelButtonPaint, OnePixelHighShowsTheEndColourUnderTheSeparator) {
  TNavPanelButton button;
  button.SetBounds(0, 0, 30, 1);
  EXPECT_EQ(test::CountOf(Rendered(button).surface, kGray), 30);
  button.Colors().SetButtonSeparatorColor(clNone);
  EXPECT_EQ(test::CountOf(Rendered(button).surface, RGB(128, 160, 243)), 30);
}

TEST(NavPanelButtonPaint, TheParentShowsWhereTheFaceDrawsNothing) {
  QWidget parent;
  parent.setGeometry(0, 0, 80, 40);
  parent.setAutoFillBackground(true);
  QPalette palette = parent.palette();
  palette.setColor(QPalette::Window, QColor(255, 0, 0));
  parent.setPalette(palette);
  TNavPanelButton button(&parent);
  button.SetBounds(10, 5, 50, 28);
  button.Colors().SetButtonColorFrom(clNone);
  button.Colors().SetButtonColorTo(clNone);
  button.Colors().SetButtonSeparatorColor(clNone);
  QImage grabbed = parent.grab(button.geometry()).toImage();
  Surface onParent(&grabbed);
  EXPECT_EQ(test::CountOf(onParent, clRed), 50 * 28);
}

}  // namespace
}  // namespace ostrak
