// What the navigation button paints: the face each state selects, the caption
// and picture positions, the separator, and the editor's configuration.

#include <gtest/gtest.h>

#include <ostream>

#include <QPainter>

#include "support/PixelTools.h"
#include "widgets/ImageList.h"
#include "widgets/NavAcceptance.h"

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
  EXPECT_EQ(Rendered(button).At(3, 0), clGray);
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
