// Fills, lines, hatches and copies on tiny surfaces, pixel by pixel.

#include <gtest/gtest.h>

#include <functional>

#include "platform/Surface.h"
#include "platform/SystemColors.h"
#include "support/PixelTools.h"

namespace ostrak {
namespace {

using test::BoundsOf;
using test::CountOf;
using test::OutsideIs;
using test::RowText;

constexpr TColor kInk = clRed;
constexpr TColor kPaper = clBlack;

std::string Row(const Surface& s, int y) {
  return RowText(s, y, 0, s.Width(), {{kPaper, '.'}, {kInk, '#'}, {clWhite, 'w'}});
}

TEST(SurfaceFill, IncludesLeftAndTopAndExcludesRightAndBottom) {
  Surface s(6, 5, kPaper);
  s.FillRect(Rect(1, 1, 4, 3), Brush::Solid(kInk));
  EXPECT_EQ(BoundsOf(s, kInk), Rect(1, 1, 4, 3));
  EXPECT_EQ(CountOf(s, kInk), 6);
}

TEST(SurfaceFill, DrawsNothingForEmptyInvertedOrNullFills) {
  const struct {
    const char* name;
    TRect rect;
    Brush brush;
  } rows[] = {
      {"zero width", Rect(2, 1, 2, 4), Brush::Solid(kInk)},
      {"inverted", Rect(4, 4, 1, 1), Brush::Solid(kInk)},
      {"clNone", Rect(0, 0, 6, 5), Brush::Solid(clNone)},
      {"null brush", Rect(0, 0, 6, 5), Brush{BrushKind::Null, kInk, 0}},
      {"hatch out of range", Rect(0, 0, 6, 5), Brush::Hatched(-1, kInk)},
      {"outside the image", Rect(7, 0, 12, 5), Brush::Solid(kInk)},
  };
  for (const auto& row : rows) {
    Surface s(6, 5, kPaper);
    s.FillRect(row.rect, row.brush);
    EXPECT_EQ(CountOf(s, kPaper), 30) << row.name;
  }
}

TEST(SurfaceFill, ClipsToTheImageAndResolvesSystemColours) {
  Surface s(4, 4, kPaper);
  s.FillRect(Rect(-3, 2, 100, 100), Brush::Solid(clBtnShadow));
  EXPECT_EQ(BoundsOf(s, GetSysColor(COLOR_BTNSHADOW)), Rect(0, 2, 4, 4));
}

TEST(SurfaceHatch, EachStyleDrawsItsLinesAlignedToTheSurfaceOrigin) {
  const struct {
    int hatch;
    std::function<bool(int x, int y)> ink;
  } rows[] = {
      {HS_HORIZONTAL, [](int, int y) { return y % 8 == 7; }},
      {HS_VERTICAL, [](int x, int) { return x % 8 == 4; }},
      {HS_FDIAGONAL, [](int x, int y) { return x % 8 == y % 8; }},
      {HS_BDIAGONAL, [](int x, int y) { return (x + y) % 8 == 7; }},
      {HS_CROSS, [](int x, int y) { return x % 8 == 4 || y % 8 == 7; }},
      {HS_DIAGCROSS, [](int x, int y) { return x % 8 == y % 8 || (x + y) % 8 == 7; }},
  };
  for (const auto& row : rows) {
    Surface s(20, 20, kPaper);
    s.SetBkMode(OPAQUE);
    s.SetBkColor(clWhite);
    s.FillRect(Rect(3, 5, 19, 18), Brush::Hatched(row.hatch, kInk));
    for (int y = 0; y < 20; ++y) {
      for (int x = 0; x < 20; ++x) {
        const bool inside = x >= 3 && x < 19 && y >= 5 && y < 18;
        const TColor expected = !inside ? kPaper : row.ink(x, y) ? kInk : clWhite;
        ASSERT_EQ(s.Pixel(x, y), expected) << "hatch " << row.hatch << " at " << x << "," << y;
      }
    }
  }
}

TEST(SurfaceHatch, TransparentModeLeavesTheGapsAndTheOriginShiftsThePattern) {
  Surface s(8, 2, kPaper);
  s.SetBkMode(TRANSPARENT);
  s.SetBkColor(clWhite);
  s.FillRect(Rect(0, 0, 8, 2), Brush::Hatched(HS_VERTICAL, kInk));
  EXPECT_EQ(Row(s, 0), "....#...");
  s.SetBrushOrg(-2, 0);
  s.SetBkMode(OPAQUE);
  s.FillRect(Rect(0, 1, 8, 2), Brush::Hatched(HS_VERTICAL, kInk));
  EXPECT_EQ(Row(s, 1), "ww#wwwww");
}

TEST(SurfaceLine, IncludesTheStartExcludesTheEndAndMovesTheCurrentPoint) {
  Surface s(7, 7, kPaper);
  s.SelectPen(Pen{PS_SOLID, 1, kInk});
  EXPECT_EQ(s.MoveTo(1, 1), (TPoint{0, 0}));
  s.LineTo(5, 1);  // rightwards
  s.LineTo(5, 5);  // down
  s.LineTo(1, 5);  // leftwards
  s.LineTo(1, 1);  // up
  EXPECT_EQ(s.CurrentPoint(), (TPoint{1, 1}));
  // Each corner is the start of the next side.
  EXPECT_EQ(Row(s, 0), ".......");
  EXPECT_EQ(Row(s, 1), ".#####.");
  EXPECT_EQ(Row(s, 3), ".#...#.");
  EXPECT_EQ(Row(s, 5), ".#####.");
  EXPECT_EQ(Row(s, 6), ".......");
  EXPECT_EQ(CountOf(s, kInk), 16);
}

TEST(SurfaceLine, DrawsDiagonalsAndOtherSlopesStepByStep) {
  const struct {
    const char* name;
    TPoint from, to;
    std::vector<std::string> rows;
  } cases[] = {
      {"down-right diagonal", {0, 0}, {4, 4}, {"#....", ".#...", "..#..", "...#.", "....."}},
      {"up-right diagonal", {0, 4}, {4, 0}, {".....", "...#.", "..#..", ".#...", "#...."}},
      {"shallow", {0, 0}, {4, 2}, {"#....", ".##..", "...#.", ".....", "....."}},
      {"steep upwards", {1, 4}, {2, 0}, {".....", "..#..", "..#..", ".#...", ".#..."}},
      {"zero length", {2, 2}, {2, 2}, {".....", ".....", ".....", ".....", "....."}},
  };
  for (const auto& c : cases) {
    Surface s(5, 5, kPaper);
    s.SelectPen(Pen{PS_SOLID, 1, kInk});
    s.MoveTo(c.from.x, c.from.y);
    s.LineTo(c.to.x, c.to.y);
    for (int y = 0; y < 5; ++y)
      EXPECT_EQ(Row(s, y), c.rows[static_cast<std::size_t>(y)]) << c.name << " row " << y;
  }
}

TEST(SurfaceLine, NullPensAndClNoneDrawNothingButStillMove) {
  for (const Pen& pen : {Pen{PS_NULL, 1, kInk}, Pen{PS_SOLID, 1, clNone}}) {
    Surface s(5, 1, kPaper);
    s.SelectPen(pen);
    s.MoveTo(0, 0);
    s.LineTo(4, 0);
    EXPECT_EQ(Row(s, 0), ".....");
    EXPECT_EQ(s.CurrentPoint(), (TPoint{4, 0}));
  }
}

TEST(SurfaceLine, StyledPensFollowTheBackgroundModeAcrossLines) {
  Surface s(16, 2, kPaper);
  s.SelectPen(Pen{PS_DOT, 1, kInk});
  s.SetBkColor(clWhite);
  s.SetBkMode(TRANSPARENT);
  s.MoveTo(0, 0);
  s.LineTo(4, 0);
  s.LineTo(16, 0);  // the pattern carries on from the previous line
  EXPECT_EQ(Row(s, 0), "###...###...###.");
  s.SetBkMode(OPAQUE);
  s.MoveTo(0, 1);
  s.LineTo(8, 1);
  EXPECT_EQ(Row(s, 1), "###www##........");
}

TEST(SurfaceLine, WidePensDrawThickAndStyledWidePensDrawSolid) {
  Surface s(8, 5, kPaper);
  s.SelectPen(Pen{PS_DASH, 3, kInk});
  s.MoveTo(2, 2);
  s.LineTo(6, 2);
  EXPECT_EQ(Row(s, 0), "........");
  for (int y = 1; y <= 3; ++y) EXPECT_EQ(Row(s, y), ".######.") << y;
  EXPECT_EQ(Row(s, 4), "........");
}

TEST(SurfaceState, SelectReturnsThePreviousObjectAndGuardsPutItBack) {
  Surface s(1, 1);
  const Pen red{PS_SOLID, 2, clRed};
  EXPECT_EQ(s.SelectPen(red), Pen{});
  {
    SelectedPen pen(s, Pen{PS_DOT, 1, clBlue});
    SelectedBrush brush(s, Brush::Hatched(HS_CROSS, clLime));
    SavedBkMode mode(s, TRANSPARENT);
    EXPECT_EQ(s.CurrentPen().style, PS_DOT);
    EXPECT_EQ(s.CurrentBrush(), Brush::Hatched(HS_CROSS, clLime));
    EXPECT_EQ(s.GetBkMode(), TRANSPARENT);
  }
  EXPECT_EQ(s.CurrentPen(), red);
  EXPECT_EQ(s.CurrentBrush(), Brush{});
  EXPECT_EQ(s.GetBkMode(), OPAQUE);
}

TEST(SurfacePixels, UndrawnPixelsOfATransparentImageReadAsClNone) {
  QImage image(3, 1, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  Surface s(&image);
  s.FillRect(Rect(1, 0, 2, 1), Brush::Solid(clBlue));
  EXPECT_EQ(s.Pixel(0, 0), clNone);
  EXPECT_EQ(s.Pixel(1, 0), clBlue);
  EXPECT_EQ(qAlpha(image.pixel(1, 0)), 255);
  EXPECT_EQ(s.Pixel(3, 0), clNone);
}

TEST(SurfaceCopy, BitBltCopiesClippedToBothImages) {
  Surface source(4, 4, kPaper);
  source.FillRect(Rect(0, 0, 2, 2), Brush::Solid(kInk));
  Surface target(5, 5, clWhite);
  target.BitBlt(-1, 3, 4, 4, source, 0, 0);
  EXPECT_EQ(BoundsOf(target, kInk), Rect(0, 3, 1, 5));
  EXPECT_EQ(BoundsOf(target, kPaper), Rect(1, 3, 3, 5));
  target.BitBlt(0, 0, 5, 5, source, 0, 0, 0x00EE0086);  // not SRCCOPY: nothing
  EXPECT_EQ(CountOf(target, clWhite), 19);
}

TEST(SurfaceCopy, BitBltWithinOneSurfaceHandlesOverlap) {
  Surface s(6, 1, kPaper);
  s.FillRect(Rect(0, 0, 3, 1), Brush::Solid(kInk));
  s.BitBlt(2, 0, 4, 1, s, 0, 0);
  EXPECT_EQ(Row(s, 0), "#####.");
}

TEST(SurfaceCopy, TransparentBltSkipsExactlyOneColour) {
  Surface source(4, 1, kPaper);
  source.FillRect(Rect(1, 0, 2, 1), Brush::Solid(RGB(1, 0, 0)));
  source.FillRect(Rect(2, 0, 3, 1), Brush::Solid(kInk));
  source.FillRect(Rect(3, 0, 4, 1), Brush::Solid(clBtnFace));
  Surface target(4, 1, clWhite);
  target.TransparentBlt(0, 0, 4, 1, source, 0, 0, clBlack);
  EXPECT_EQ(target.Pixel(0, 0), clWhite);
  EXPECT_EQ(target.Pixel(1, 0), RGB(1, 0, 0));
  EXPECT_EQ(target.Pixel(2, 0), kInk);
  target.TransparentBlt(0, 0, 4, 1, source, 0, 0, clBtnFace);  // resolved before comparing
  EXPECT_EQ(target.Pixel(0, 0), kPaper);
  EXPECT_EQ(target.Pixel(3, 0), GetSysColor(COLOR_BTNFACE));
  EXPECT_TRUE(OutsideIs(target, Rect(0, 0, 4, 1), clNone));
}

}  // namespace
}  // namespace ostrak
