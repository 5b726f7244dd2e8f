#include "widgets/spin/SpinButtonFaces.h"

#include <gtest/gtest.h>

#include "platform/SystemColors.h"
#include "support/PixelTools.h"
#include "widgets/spin/SpinButton.h"

namespace ostrak {
namespace {

const TColor kFace = RGB(240, 240, 240);
const TColor kHighlight = RGB(255, 255, 255);
const TColor kLight = RGB(227, 227, 227);
const TColor kShadow = RGB(160, 160, 160);
const TColor kDark = RGB(105, 105, 105);
const TColor kArrow = RGB(0, 0, 0);

TEST(SpinButtonFaces, ClassicHalvesHaveFullEdgesSplitAtHalfHeight) {
  Surface face(15, 17);
  DrawClassicSpinFace(face, TSpinButtonState::sbNotDown, true, SpinFaceArrows::Standard);
  // Upper half rows 0..7, lower half rows 8..16: raised edges on each.
  EXPECT_EQ(face.Pixel(0, 0), kLight);
  EXPECT_EQ(face.Pixel(1, 1), kHighlight);
  EXPECT_EQ(face.Pixel(14, 7), kDark);
  EXPECT_EQ(face.Pixel(13, 6), kShadow);
  EXPECT_EQ(face.Pixel(0, 8), kLight);
  EXPECT_EQ(face.Pixel(14, 16), kDark);
  const TRect arrows = test::BoundsOf(face, kArrow);
  EXPECT_GE(arrows.top, 2);
  EXPECT_LE(arrows.bottom, 15);
  EXPECT_EQ(test::CountOf(face, kArrow), 2 * (1 + 3 + 5));
}

TEST(SpinButtonFaces, APressedHalfIsSunkenWithItsArrowMovedByOnePixel) {
  Surface released(15, 17);
  Surface pressed(15, 17);
  DrawClassicSpinFace(released, TSpinButtonState::sbNotDown, true, SpinFaceArrows::Standard);
  DrawClassicSpinFace(pressed, TSpinButtonState::sbTopDown, true, SpinFaceArrows::Standard);
  EXPECT_EQ(pressed.Pixel(0, 0), kShadow);
  EXPECT_EQ(pressed.Pixel(1, 1), kDark);
  EXPECT_EQ(pressed.Pixel(14, 7), kHighlight);
  // The lower half is untouched.
  for (int y = 8; y < 17; ++y) {
    EXPECT_EQ(test::RowText(released, y, 0, 15, {{kArrow, '#'}}),
              test::RowText(pressed, y, 0, 15, {{kArrow, '#'}}));
  }
  Surface upperReleased(15, 8);
  Surface upperPressed(15, 8);
  upperReleased.BitBlt(0, 0, 15, 8, released, 0, 0);
  upperPressed.BitBlt(0, 0, 15, 8, pressed, 0, 0);
  TRect moved = test::BoundsOf(upperReleased, kArrow);
  OffsetRect(moved, 1, 1);
  EXPECT_EQ(test::BoundsOf(upperPressed, kArrow), moved);
}

TEST(SpinButtonFaces, DiagonalFaceSplitsAlongTheDiagonalWithColoursOfThePressedHalf) {
  Surface released(20, 20);
  DrawDiagonalSpinFace(released, TSpinButtonState::sbNotDown, true, SpinFaceArrows::Standard);
  EXPECT_EQ(released.Pixel(0, 0), kLight);    // up half: top and left edges
  EXPECT_EQ(released.Pixel(19, 19), kDark);   // down half: right and bottom edges
  EXPECT_EQ(released.Pixel(10, 9), kDark);    // the middle line of the diagonal
  EXPECT_EQ(released.Pixel(10, 8), kShadow);  // above it, the up half's inner edge
  EXPECT_EQ(released.Pixel(10, 10), kLight);  // below it, the down half's outer edge
  Surface pressed(20, 20);
  DrawDiagonalSpinFace(pressed, TSpinButtonState::sbBottomDown, true, SpinFaceArrows::Standard);
  EXPECT_EQ(pressed.Pixel(10, 10), kShadow);
  EXPECT_EQ(pressed.Pixel(19, 19), kHighlight);
  const TRect arrows = test::BoundsOf(released, kArrow);
  EXPECT_FALSE(IsRectEmpty(arrows));
}

TEST(SpinButtonFaces, DisabledFacesHaveGreyArrowsAndGlyphFacesNone) {
  Surface disabled(15, 17);
  DrawDiagonalSpinFace(disabled, TSpinButtonState::sbNotDown, false, SpinFaceArrows::Standard);
  EXPECT_EQ(test::CountOf(disabled, kArrow), 0);
  EXPECT_GT(test::CountOf(disabled, kShadow), 0);
  Surface bare(15, 17);
  DrawClassicSpinFace(bare, TSpinButtonState::sbNotDown, true, SpinFaceArrows::None);
  EXPECT_EQ(test::CountOf(bare, kArrow), 0);
  EXPECT_EQ(bare.Pixel(7, 4), kFace);
}

TEST(SpinButtonFaces, CustomGlyphsAreDrawnTransparentOverTheirHalves) {
  TSpinButton button;
  button.SetButtonStyle(TSpinButtonStyle::sbsClassic);
  button.resize(15, 16);
  QImage glyph(3, 3, QImage::Format_RGB32);
  glyph.fill(QColor(255, 0, 255));  // the bottom-left colour is transparent
  glyph.setPixelColor(1, 1, QColor(0, 0, 255));
  button.SetUpGlyph(glyph);
  QImage image = button.RenderToImage();
  Surface canvas(&image);
  EXPECT_EQ(test::CountOf(canvas, RGB(255, 0, 255)), 0);
  EXPECT_EQ(test::CountOf(canvas, kArrow), 0);
  EXPECT_EQ(test::BoundsOf(canvas, RGB(0, 0, 255)), Rect(7, 3, 8, 4));
}

}  // namespace
}  // namespace ostrak
