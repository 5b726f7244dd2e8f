// What the navigation button paints: the face each state selects, the caption
// and picture positions, the separator, and the editor's configuration.

#include <gtest/gtest.h>

#include <cstdlib>
#include <ostream>

#include <QPainter>

#include "support/PixelTools.h"
#include "widgets/navigation/BandColor.h"
#include "widgets/navigation/ImageList.h"
#include "widgets/navigation/NavAcceptance.h"

namespace ostrak {
namespace {

using test::nav::LoggingButton;
using test::nav::Rendered;
using test::nav::Window;

constexpr TColor kFontColor = RGB(0, 0, 255);
constexpr TColor kHotFontColor = RGB(255, 0, 0);
constexpr TColor kPictureColor = RGB(0, 200, 0);

// --- The face table ------------------------------------------------------------

struct FaceCase {
  const char* name;
  bool hotTrack;
  bool hovered;
  bool pressed;
  bool down;
};
void PrintTo(const FaceCase& c, std::ostream* os) { *os << c.name; }

class NavButtonFaces : public ::testing::TestWithParam<FaceCase> {};

TEST_P(NavButtonFaces, StateSelectsTheFaceAndTheCaptionFont) {
  const FaceCase& c = GetParam();
  Window window;
  LoggingButton* button = window.AddButton();
  button->SetCaption(QStringLiteral("Cargar"));
  button->SetFont(test::nav::CaptionFont(kFontColor));
  button->SetHotTrackFont(test::nav::CaptionFont(kHotFontColor));
  button->Colors().SetButtonSeparatorColor(clNone);
  button->SetGroupIndex(1);
  button->SetDown(c.down);
  if (c.hovered || c.pressed) window.Move(*button, {100, 10});
  if (c.pressed) window.Press(*button, {100, 10});
  if (c.pressed && !c.hovered) window.Move(*button, {100, 60});
  if (!c.hovered && !c.pressed) window.MoveAway();
  button->SetHotTrack(c.hotTrack);

  const TNavPanelColors& k = button->Colors();
  const bool hot = c.hotTrack && c.hovered;
  TColor top = k.ButtonColorFrom();
  TColor bottom = k.ButtonColorTo();
  TColor text = kFontColor;
  if (hot && c.pressed) {
    top = k.ButtonSelectedColorTo(), bottom = k.ButtonSelectedColorFrom();
  } else if (hot) {
    top = k.ButtonHotColorFrom(), bottom = k.ButtonHotColorTo(), text = kHotFontColor;
  } else if (c.down) {
    top = k.ButtonSelectedColorFrom(), bottom = k.ButtonSelectedColorTo();
  } else if (c.pressed) {
    top = k.ButtonSelectedColorTo(), bottom = k.ButtonSelectedColorFrom();
  }
  const Rendered r(*button);
  EXPECT_EQ(r.At(124, 0), top);
  EXPECT_EQ(r.At(124, 27), bottom);
  EXPECT_GT(test::CountOf(r.surface, text), 0);
  EXPECT_EQ(test::CountOf(r.surface, text == kFontColor ? kHotFontColor : kFontColor), 0);
}

std::vector<FaceCase> AllFaceCases() {
  static const char* names[] = {"Rest",
                                "Down",
                                "Pressed",
                                "PressedDown",
                                "Hovered",
                                "HoveredDown",
                                "HoveredPressed",
                                "HoveredPressedDown",
                                "NoTrackRest",
                                "NoTrackDown",
                                "NoTrackPressed",
                                "NoTrackPressedDown",
                                "NoTrackHovered",
                                "NoTrackHoveredDown",
                                "NoTrackHoveredPressed",
                                "NoTrackHoveredPressedDown"};
  std::vector<FaceCase> cases;
  for (int i = 0; i < 16; ++i) {
    cases.push_back(FaceCase{names[i], (i & 8) == 0, (i & 4) != 0, (i & 2) != 0, (i & 1) != 0});
  }
  return cases;
}

INSTANTIATE_TEST_SUITE_P(AllStates, NavButtonFaces, ::testing::ValuesIn(AllFaceCases()),
                         [](const auto& info) { return std::string(info.param.name); });

// States outside the table that must still show the rest face and Font.
TEST(NavButtonFace, RestWhenDisabledOrWhenHotTrackIsOffBeforeTheHover) {
  const struct {
    const char* name;
    void (*set)(LoggingButton&);
  } cases[] = {
      {"disabled looks like enabled", [](LoggingButton& b) { b.SetEnabled(false); }},
      {"HotTrack off before the pointer comes", [](LoggingButton& b) { b.SetHotTrack(false); }},
  };
  for (const auto& c : cases) {
    Window window;
    LoggingButton* button = window.AddButton(20, 20, 114, 28);
    button->Colors().SetButtonSeparatorColor(clNone);
    button->SetCaption(QStringLiteral("Guardar Luchador"));
    button->Font().SetColor(kFontColor);
    button->HotTrackFont().SetColor(kHotFontColor);
    c.set(*button);
    window.Move(*button, {50, 10});
    const Rendered r(*button);
    EXPECT_EQ(r.At(0, 0), button->Colors().ButtonColorFrom()) << c.name;
    EXPECT_EQ(r.At(0, 27), button->Colors().ButtonColorTo()) << c.name;
    EXPECT_EQ(test::CountOf(r.surface, kHotFontColor), 0) << c.name;
    EXPECT_GT(test::CountOf(r.surface, kFontColor), 0) << c.name;
  }
}

// --- Caption, picture and separator --------------------------------------------

// Where the caption's pixels lie when drawn alone into `area` on the button's size.
TRect CaptionBoundsAlone(const LoggingButton& button, const TRect& area) {
  Surface reference(button.Width(), button.Height(), clWhite);
  reference.SelectFont(button.Font().ToQFont());
  reference.SetTextColor(button.Font().Color());
  reference.SetBkMode(TRANSPARENT);
  TRect r = area;
  reference.DrawText(button.Caption(), r, DT_SINGLELINE | DT_VCENTER);
  return test::BoundsOf(reference, button.Font().Color());
}

QImage Picture(TColor color) {
  QImage picture(16, 16, QImage::Format_ARGB32);
  picture.fill(QColor(GetRValue(color), GetGValue(color), GetBValue(color)));
  return picture;
}

TEST(NavButtonCaption, StartsFourPixelsInAndIsCentredVertically) {
  LoggingButton button;
  button.SetCaption(QStringLiteral("Limpiar"));
  button.SetFont(test::nav::CaptionFont(kFontColor));
  const Rendered r(button);
  const TRect text = test::BoundsOf(r.surface, kFontColor);
  EXPECT_EQ(text, CaptionBoundsAlone(button, Rect(4, 4, 121, 24)));
  EXPECT_GE(text.left, 4);
  EXPECT_LE(text.left, 6);
  EXPECT_LE(std::abs((text.top - 0) - (28 - text.bottom)), 3) << "roughly centred";

  button.SetWidth(114);
  button.SetCaption(QStringLiteral("Guardar Luchador"));
  ASSERT_EQ(button.ImageIndex(), 0);
  const TRect wide = test::BoundsOf(Rendered(button).surface, kFontColor);
  EXPECT_EQ(wide, CaptionBoundsAlone(button, Rect(4, 4, 110, 24)));
  EXPECT_GE(wide.left, 4);
  EXPECT_LT(wide.left, 7);
  EXPECT_LE(wide.right, 110);
}

TEST(NavButtonCaption, APictureSitsAtFourBySixAndPushesTheCaptionToTwentyFour) {
  TImageList images(16, 16);
  images.Add(Picture(kPictureColor));
  LoggingButton button;
  button.SetCaption(QStringLiteral("Limpiar"));
  button.SetFont(test::nav::CaptionFont(kFontColor));
  button.SetImages(&images);
  const Rendered r(button);
  EXPECT_EQ(test::BoundsOf(r.surface, kPictureColor), Rect(4, 6, 20, 22));
  EXPECT_EQ(test::BoundsOf(r.surface, kFontColor), CaptionBoundsAlone(button, Rect(24, 4, 121, 24)));
}

TEST(NavButtonCaption, PictureChoice) {
  TImageList images(16, 16);
  images.Add(Picture(kPictureColor));
  LoggingButton button;
  button.SetCaption(QStringLiteral("Limpiar"));
  button.SetFont(test::nav::CaptionFont(kFontColor));
  button.SetImageIndex(-1);
  button.SetImages(&images);
  EXPECT_EQ(test::CountOf(Rendered(button).surface, kPictureColor), 0) << "negative index";
  EXPECT_EQ(test::BoundsOf(Rendered(button).surface, kFontColor),
            CaptionBoundsAlone(button, Rect(4, 4, 121, 24)));
  button.SetImageIndex(5);
  EXPECT_EQ(test::CountOf(Rendered(button).surface, kPictureColor), 0) << "beyond the list";
  EXPECT_EQ(test::BoundsOf(Rendered(button).surface, kFontColor),
            CaptionBoundsAlone(button, Rect(24, 4, 121, 24)));
  button.SetImageIndex(0);
  button.SetEnabled(false);
  EXPECT_EQ(test::CountOf(Rendered(button).surface, kPictureColor), 256) << "always the enabled look";
}

TEST(NavButtonCaption, ADestroyedImageListIsNeverDrawnFrom) {
  LoggingButton button;
  {
    TImageList images(16, 16);
    images.Add(Picture(kPictureColor));
    button.SetImages(&images);
  }
  EXPECT_EQ(button.Images(), nullptr);
  EXPECT_EQ(test::CountOf(Rendered(button).surface, kPictureColor), 0);
  button.SetCaption(QStringLiteral("Guardar"));
  button.SetFont(test::nav::CaptionFont(kFontColor));
  EXPECT_EQ(test::BoundsOf(Rendered(button).surface, kFontColor),
            CaptionBoundsAlone(button, Rect(4, 4, 121, 24)));
}

TEST(NavButtonCaption, AnEmptyCaptionDrawsFaceAndSeparatorOnly) {
  LoggingButton button;
  button.SetFont(test::nav::CaptionFont(kFontColor));
  const Rendered r(button);
  EXPECT_EQ(test::CountOf(r.surface, kFontColor), 0);
  EXPECT_EQ(test::CountOf(r.surface, clNone), 0) << "every pixel painted";
}

std::string RowOf(const Surface& s, int y) { return test::RowText(s, y, 0, s.Width(), {{clGray, 'g'}}); }

TEST(NavButtonSeparator, BottomRowNormallyTopRowWhenAlignedToTheBottom) {
  LoggingButton button;
  const std::string grey(125, 'g');
  {
    const Rendered r(button);
    EXPECT_EQ(RowOf(r.surface, 27), grey);
    EXPECT_EQ(r.At(0, 0), button.Colors().ButtonColorFrom());
  }
  button.SetAlign(TAlign::alBottom);
  {
    const Rendered r(button);
    EXPECT_EQ(RowOf(r.surface, 0), grey);
    EXPECT_EQ(r.At(0, 27), button.Colors().ButtonColorTo());
  }
  button.Colors().SetButtonSeparatorColor(clNone);
  EXPECT_EQ(test::CountOf(Rendered(button).surface, clGray), 0);
  button.SetAlign(TAlign::alNone);
  EXPECT_EQ(Rendered(button).At(60, 27), button.Colors().ButtonColorTo());
}

TEST(NavButtonSeparator, RowForEachAlignAndColour) {
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
    const auto legend = {std::pair{TColor(clGray), '-'}, std::pair{TColor(clRed), 'r'},
                         std::pair{RGB(205, 226, 247), '.'}, std::pair{RGB(128, 160, 243), '.'}};
    EXPECT_EQ(test::RowText(shown.surface, 0, 0, 40, legend), c.top) << c.name;
    EXPECT_EQ(test::RowText(shown.surface, 27, 0, 40, legend), c.bottom) << c.name;
  }
}

TEST(NavButtonSeparator, TheParentShowsWhereTheFaceDrawsNothing) {
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

TEST(NavButtonSize, TwentyEightHighIsTwentyEightBandsAboveTheSeparator) {
  TNavPanelButton button;
  button.SetBounds(0, 0, 114, 28);
  button.SetCaption(QStringLiteral("Guardar Luchador"));
  const Rendered shown(button);
  const TColor from = RGB(205, 226, 247);
  const TColor to = RGB(128, 160, 243);
  for (int y = 0; y < 27; ++y) {
    for (int x : {0, 3, 110, 113})
      EXPECT_EQ(shown.surface.Pixel(x, y), test::BandColor(from, to, y, 28)) << x << "," << y;
  }
  EXPECT_EQ(shown.surface.Pixel(0, 0), from);
  EXPECT_EQ(test::RowText(shown.surface, 27, 0, 114, {{clGray, '-'}}), std::string(114, '-'));
  EXPECT_EQ(test::CountOf(shown.surface, clNone), 0);
}

TEST(NavButtonSize, HundredPixelsHighHasThreeRowBandsAndFourEndRows) {
  LoggingButton button;
  button.SetHeight(100);
  const Rendered r(button);
  EXPECT_EQ(r.At(5, 0), button.Colors().ButtonColorFrom());
  EXPECT_EQ(r.At(5, 2), button.Colors().ButtonColorFrom());
  EXPECT_NE(r.At(5, 3), button.Colors().ButtonColorFrom());
  EXPECT_EQ(r.At(5, 93), button.Colors().ButtonColorTo());
  for (int y = 96; y < 99; ++y) EXPECT_EQ(r.At(5, y), button.Colors().ButtonColorTo()) << y;
  EXPECT_EQ(r.At(5, 99), clGray);
}

TEST(NavButtonSize, OnePixelHighShowsTheEndColourUnderTheSeparator) {
  LoggingButton button;
  button.SetHeight(1);
  EXPECT_EQ(test::CountOf(Rendered(button).surface, clGray), 125);
  button.Colors().SetButtonSeparatorColor(clNone);
  EXPECT_EQ(test::CountOf(Rendered(button).surface, button.Colors().ButtonColorTo()), 125);
}

TEST(NavButtonSize, ZeroWideOrHighDrawsNothingOnTheParent) {
  for (const QSize size : {QSize(0, 28), QSize(125, 0)}) {
    Window window;
    window.widget.setAutoFillBackground(true);
    const QImage before = window.widget.grab().toImage();
    LoggingButton* button = window.AddButton(20, 20, size.width(), size.height());
    button->SetCaption(QStringLiteral("Salir"));
    EXPECT_TRUE(button->RenderToImage().isNull() || button->RenderToImage().size().isEmpty());
    EXPECT_EQ(window.widget.grab().toImage(), before) << size.width() << "x" << size.height();
  }
}

// --- The editor's five buttons -------------------------------------------------

TEST(NavButtonEditor, SavesButtonLooksTheSameInEveryStateButForItsFace) {
  Window window;
  LoggingButton* button = window.AddButton(222 - 200, 20, 114, 28);
  button->SetCaption(QStringLiteral("Guardar Luchador"));
  button->SetFont(TahomaBoldFont());
  button->SetHotTrackFont(TahomaBoldFont());
  button->SetParentFont(false);
  button->SetImageIndex(0);
  const TColor black = RGB(0, 0, 0);

  const Rendered rest(*button);
  EXPECT_EQ(rest.At(113, 0), RGB(205, 226, 247));
  EXPECT_EQ(rest.At(113, 26), RGB(131, 162, 243));  // band 26 of 28
  EXPECT_EQ(rest.At(113, 27), clGray);
  window.Move(*button, {100, 5});
  const Rendered hot(*button);
  EXPECT_EQ(hot.At(113, 0), RGB(255, 251, 219));
  EXPECT_EQ(hot.At(113, 27), clGray);
  EXPECT_EQ(test::BoundsOf(hot.surface, black), test::BoundsOf(rest.surface, black));
  EXPECT_EQ(test::CountOf(hot.surface, black), test::CountOf(rest.surface, black));
  EXPECT_GE(test::BoundsOf(rest.surface, black).left, 4);
  window.Press(*button, {100, 5});
  const Rendered pressed(*button);
  EXPECT_EQ(pressed.At(113, 0), RGB(221, 159, 56));
  EXPECT_EQ(test::BoundsOf(pressed.surface, black), test::BoundsOf(rest.surface, black));
  window.Release(*button, {100, 5});
}

}  // namespace
}  // namespace ostrak
