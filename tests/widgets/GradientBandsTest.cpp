#include <gtest/gtest.h>

#include "core/MulDiv.h"
#include "platform/Surface.h"
#include "support/PixelTools.h"
#include "widgets/DrawUtils.h"

namespace ostrak {
namespace {

using test::BoundsOf;
using test::CountOf;

TGradient MakeGradient(TGradientDir orientation, TColor from, TColor to, int percent = 100, int steps = 255) {
  TGradient g;
  g.SetActive(true);
  g.SetOrientation(orientation);
  g.SetFromColor(from);
  g.SetToColor(to);
  g.SetSteps(steps);
  g.SetPercentFilling(percent);
  return g;
}

// Columns painted from the left in row `y` before the first black pixel.
int PaintedColumns(const Surface& s, int y) {
  int x = 0;
  while (x < s.Width() && s.Pixel(x, y) != clBlack) ++x;
  return x;
}

// The evaluation bar's gradient area: 273 columns, 255 bands, red to yellow.
TEST(PaintGradientBands, VerticalBandsRunFromRedToYellowAcross273Columns) {
  Surface s(273, 2, clBlack);
  PaintGradientBands(s, Rect(0, 0, 273, 2), MakeGradient(TGradientDir::fgdVertical, clRed, clYellow),
                     PS_SOLID, 1);
  for (int band = 0; band < 255; ++band) {
    const TColor expected = RGB(255, static_cast<std::uint8_t>(MulDiv(band, 255, 254)), 0);
    for (int x = MulDiv(band, 273, 255); x < MulDiv(band + 1, 273, 255); ++x) {
      ASSERT_EQ(s.Pixel(x, 0), expected) << "band " << band << " column " << x;
      ASSERT_EQ(s.Pixel(x, 1), expected);
    }
  }
  EXPECT_EQ(s.Pixel(0, 0), clRed);
  EXPECT_EQ(s.Pixel(272, 0), clYellow);
}

TEST(PaintGradientBands, StopsAfterTheBandThatCrossesThePercentage) {
  const struct {
    int percent;
    int lastBand;
    int columns;
  } rows[] = {
      {0, 1, 2},      {5, 13, 15},
      {50, 128, 138}, {60, 153, 165},  // 153 / 255 * 100 lies just above 60 in extended precision
      {85, 217, 233}, {100, 254, 273},
  };
  for (const auto& row : rows) {
    Surface s(275, 1, clBlack);
    PaintGradientBands(s, Rect(0, 0, 273, 1),
                       MakeGradient(TGradientDir::fgdVertical, clRed, clYellow, row.percent), PS_SOLID, 1);
    EXPECT_EQ(PaintedColumns(s, 0), row.columns) << row.percent;
    EXPECT_EQ(s.Pixel(row.columns - 1, 0),
              RGB(255, static_cast<std::uint8_t>(MulDiv(row.lastBand, 255, 254)), 0))
        << row.percent;
    EXPECT_EQ(MulDiv(row.lastBand + 1, 273, 255), row.columns) << row.percent;
  }
}

TEST(PaintGradientBands, DrawsNothingWhenInactiveSingleStepOrEmpty) {
  struct Row {
    const char* name;
    TRect rect;
    TGradient gradient;
  };
  TGradient inactive = MakeGradient(TGradientDir::fgdVertical, clRed, clBlue);
  inactive.SetActive(false);
  Row rows[] = {
      {"inactive", Rect(0, 0, 10, 10), inactive},
      {"one step", Rect(0, 0, 10, 10), MakeGradient(TGradientDir::fgdVertical, clRed, clBlue, 100, 1)},
      {"zero width", Rect(5, 0, 5, 10), MakeGradient(TGradientDir::fgdVertical, clRed, clBlue)},
      {"inverted", Rect(5, 8, 2, 2), MakeGradient(TGradientDir::fgdHorizontal, clRed, clBlue)},
      {"rectangle one pixel high", Rect(0, 0, 10, 1),
       MakeGradient(TGradientDir::fgdRectangle, clRed, clBlue)},
      {"bias without height", Rect(0, 4, 10, 4), MakeGradient(TGradientDir::fgdLeftBias, clRed, clBlue)},
  };
  for (Row& row : rows) {
    for (bool buffered : {false, true}) {
      row.gradient.SetBufferedDraw(buffered);
      Surface s(10, 10, clBlack);
      PaintGradientBands(s, row.rect, row.gradient, PS_SOLID, 1);
      EXPECT_EQ(CountOf(s, clBlack), 100) << row.name << (buffered ? " buffered" : "");
    }
  }
}

TEST(PaintGradientBands, HorizontalRectangleAndConvergentLayouts) {
  Surface h(3, 4, clBlack);
  PaintGradientBands(h, Rect(0, 0, 3, 4), MakeGradient(TGradientDir::fgdHorizontal, clBlack, RGB(3, 0, 0)),
                     PS_SOLID, 1);
  for (int y = 0; y < 4; ++y) EXPECT_EQ(h.Pixel(2, y), RGB(static_cast<std::uint8_t>(y), 0, 0)) << y;

  // Rectangle: from colour outside, to colour in the centre.
  Surface r(9, 7, clBlack);
  PaintGradientBands(r, Rect(0, 0, 9, 7), MakeGradient(TGradientDir::fgdRectangle, clRed, clBlue), PS_SOLID,
                     1);
  EXPECT_EQ(BoundsOf(r, clRed), Rect(0, 0, 9, 7));
  EXPECT_EQ(CountOf(r, clRed), 9 * 7 - 7 * 5);
  EXPECT_EQ(BoundsOf(r, clBlue),
            Rect(3, 2, 6, 5));  // band 2 of 3, inset by MulDiv(2, 4, 3) and MulDiv(2, 3, 3)

  // Convergent, odd height: the halves share the middle row, painted last by
  // the lower half running back from the to colour.
  Surface c(2, 5, clBlack);
  PaintGradientBands(c, Rect(0, 0, 2, 5), MakeGradient(TGradientDir::fgdHorzConvergent, clRed, clBlue),
                     PS_SOLID, 1);
  EXPECT_EQ(c.Pixel(0, 0), clRed);
  EXPECT_EQ(c.Pixel(0, 2), clBlue);
  EXPECT_EQ(c.Pixel(0, 4), clRed);
  // Each half rounds its middle band away from its own from colour.
  EXPECT_EQ(c.Pixel(0, 1), RGB(127, 0, 128));
  EXPECT_EQ(c.Pixel(0, 3), RGB(128, 0, 127));

  Surface v(6, 1, clBlack);
  PaintGradientBands(v, Rect(0, 0, 6, 1), MakeGradient(TGradientDir::fgdVertConvergent, clRed, clBlue),
                     PS_SOLID, 1);
  EXPECT_EQ(test::RowText(v, 0, 0, 6, {{clRed, 'r'}, {clBlue, 'b'}}), "r?bb?r");
}

// Line k (from 1) of a bias gradient is the diagonal through the points k
// pixels along the edges; with one line per band, it has band k - 1's colour.
TEST(PaintGradientBands, BiasLinesFollowTheDiagonals) {
  const int w = 4, h = 3;
  for (auto orientation : {TGradientDir::fgdLeftBias, TGradientDir::fgdRightBias}) {
    Surface s(w, h + 1, clWhite);
    PaintGradientBands(s, Rect(0, 0, w, h), MakeGradient(orientation, clBlack, RGB(6, 0, 0)), PS_SOLID, 1);
    for (int y = 0; y <= h; ++y) {
      for (int x = 0; x < w; ++x) {
        TColor expected;
        if (orientation == TGradientDir::fgdLeftBias) {
          // The lines start one pixel down the left edge, so the top row is
          // left alone and the row under the rectangle is reached.
          expected = y == 0 ? clWhite : RGB(static_cast<std::uint8_t>(x + y - 1), 0, 0);
        } else {
          expected = y == h ? clWhite : RGB(static_cast<std::uint8_t>(w - (x - y) - 1), 0, 0);
        }
        EXPECT_EQ(s.Pixel(x, y), expected) << static_cast<int>(orientation) << " at " << x << "," << y;
      }
    }
  }
}

TEST(PaintGradientBands, HatchedBandsKeepTheirGapsInTransparentMode) {
  Surface s(16, 16, clBlack);
  s.SetBkMode(TRANSPARENT);
  TGradient g = MakeGradient(TGradientDir::fgdHorizontal, clRed, clRed);
  g.SetBrushStyle(TBrushStyle::bsCross);
  PaintGradientBands(s, Rect(2, 2, 14, 14), g, PS_SOLID, 1);
  for (int y = 2; y < 14; ++y) {
    for (int x = 2; x < 14; ++x) {
      EXPECT_EQ(s.Pixel(x, y), (x % 8 == 4 || y % 8 == 7) ? clRed : clBlack) << x << "," << y;
    }
  }
  g.SetBrushStyle(TBrushStyle::bsClear);  // hatch -1: nothing
  Surface clear(16, 16, clBlack);
  PaintGradientBands(clear, Rect(0, 0, 16, 16), g, PS_SOLID, 1);
  EXPECT_EQ(CountOf(clear, clBlack), 256);
}

TEST(PaintGradientBands, BufferedDrawingEqualsDirectDrawing) {
  const TGradientDir orientations[] = {
      TGradientDir::fgdHorizontal,     TGradientDir::fgdVertical,  TGradientDir::fgdLeftBias,
      TGradientDir::fgdRightBias,      TGradientDir::fgdRectangle, TGradientDir::fgdHorzConvergent,
      TGradientDir::fgdVertConvergent,
  };
  const struct {
    const char* name;
    TBrushStyle brush;
    int penStyle, penWidth, percent;
  } variants[] = {
      {"solid", TBrushStyle::bsSolid, PS_SOLID, 1, 100},
      {"solid, cut at 40", TBrushStyle::bsSolid, PS_SOLID, 1, 40},
      {"diagonal hatch", TBrushStyle::bsDiagCross, PS_SOLID, 1, 70},
      {"dotted wide pen", TBrushStyle::bsSolid, PS_DOT, 3, 100},
      {"dotted pen", TBrushStyle::bsSolid, PS_DOT, 0, 55},
  };
  for (TGradientDir orientation : orientations) {
    for (const auto& variant : variants) {
      TGradient g = MakeGradient(orientation, clTeal, clYellow, variant.percent, 30);
      g.SetBrushStyle(variant.brush);
      Surface direct(48, 40, clBlack), buffered(48, 40, clBlack);
      for (Surface* s : {&direct, &buffered}) {
        for (int i = 0; i < 48; i += 3) s->FillRect(Rect(i, 0, i + 1, 40), Brush::Solid(clGray));
        s->SetBkMode(TRANSPARENT);
      }
      PaintGradientBands(direct, Rect(5, 3, 42, 37), g, variant.penStyle, variant.penWidth);
      g.SetBufferedDraw(true);
      PaintGradientBands(buffered, Rect(5, 3, 42, 37), g, variant.penStyle, variant.penWidth);
      EXPECT_EQ(direct.Image(), buffered.Image()) << static_cast<int>(orientation) << " " << variant.name;
    }
  }
}

}  // namespace
}  // namespace ostrak
