// Banded gradients against values worked out by hand: the cut-off where
// I * 100 / N is whole, rounding of band colours and edges, tiny and uneven
// rectangles, convergent halves, bias bands of several lines, every hatch and
// buffered composition at the surface's edges.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/MulDiv.h"
#include "support/PixelTools.h"
#include "widgets/gradient/DrawUtils.h"

namespace ostrak {
namespace {

using test::BoundsOf;
using test::CountOf;
using test::RowText;

constexpr TColor kPaper = RGB(1, 2, 3);

TGradient MakeGradient(TGradientDir orientation, TColor from, TColor to, int steps = 255, int percent = 100) {
  TGradient gradient;
  gradient.SetActive(true);
  gradient.SetOrientation(orientation);
  gradient.SetFromColor(from);
  gradient.SetToColor(to);
  gradient.SetSteps(steps);
  gradient.SetPercentFilling(percent);
  return gradient;
}

// The rows of the surface as text, one character per pixel.
std::vector<std::string> Picture(const Surface& surface,
                                 std::initializer_list<std::pair<TColor, char>> legend) {
  std::vector<std::string> rows;
  for (int y = 0; y < surface.Height(); ++y) rows.push_back(RowText(surface, y, 0, surface.Width(), legend));
  return rows;
}

// The rating bar's gradient area: 273 columns from x = 1, 16 rows from y = 2.
struct FillRow {
  const char* name;
  int percent;
  int lastBand;
  int columns;  // painted columns from x = 1
};

class EvaluationFill : public ::testing::TestWithParam<FillRow> {};

TEST_P(EvaluationFill, StopsAfterTheBandThatCrossesTheLimit) {
  const FillRow row = GetParam();
  Surface surface(276, 20, kPaper);
  PaintGradientBands(surface, Rect(1, 2, 274, 18),
                     MakeGradient(TGradientDir::fgdVertical, clRed, clYellow, 255, row.percent), PS_SOLID, 1);
  int painted = 0;
  for (int x = 1; x < 274; ++x) painted += surface.Pixel(x, 10) != kPaper ? 1 : 0;
  EXPECT_EQ(painted, row.columns);
  EXPECT_EQ(surface.Pixel(1, 2), clRed);
  EXPECT_EQ(surface.Pixel(row.columns, 10),
            RGB(255, static_cast<std::uint8_t>(MulDiv(row.lastBand, 255, 254)), 0));
  EXPECT_EQ(MulDiv(row.lastBand + 1, 273, 255), row.columns);
  EXPECT_EQ(surface.Pixel(row.columns, 17), surface.Pixel(row.columns, 2)) << "bands cover every row";
  EXPECT_EQ(surface.Pixel(row.columns + 1, 10), kPaper);
  EXPECT_EQ(surface.Pixel(1, 1), kPaper);
  EXPECT_EQ(surface.Pixel(1, 18), kPaper);
}

// I * 100 / 255 is whole for I = 51, 102, 153, 204; only 153 rounds above in
// extended precision, so band 153 ends the 60 % gradient while 51, 102 and
// 204 are passed over.
INSTANTIATE_TEST_SUITE_P(Percent, EvaluationFill,
                         ::testing::Values(FillRow{"Zero", 0, 1, 2}, FillRow{"Five", 5, 13, 15},
                                           FillRow{"Twenty", 20, 52, 57}, FillRow{"Forty", 40, 103, 111},
                                           FillRow{"Fifty", 50, 128, 138}, FillRow{"Sixty", 60, 153, 165},
                                           FillRow{"Eighty", 80, 205, 221},
                                           FillRow{"EightyFive", 85, 217, 233},
                                           FillRow{"Hundred", 100, 254, 273}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GradientBandColours, HorizontalBandsRoundDeltasHalfAwayFromZero) {
  // Three rows, three bands: deltas 100, 0, -25 split over N - 1 = 2.
  Surface surface(2, 4, kPaper);
  PaintGradientBands(surface, Rect(0, 0, 2, 3),
                     MakeGradient(TGradientDir::fgdHorizontal, RGB(10, 20, 25), RGB(110, 20, 0)), PS_SOLID,
                     1);
  EXPECT_EQ(surface.Pixel(1, 0), RGB(10, 20, 25));
  EXPECT_EQ(surface.Pixel(1, 1), RGB(60, 20, 12));
  EXPECT_EQ(surface.Pixel(1, 2), RGB(110, 20, 0));
  EXPECT_EQ(surface.Pixel(1, 3), kPaper);
}

TEST(GradientBandColours, ASingleBandTakesTheFromColour) {
  Surface surface(3, 2, kPaper);
  PaintGradientBands(surface, Rect(0, 0, 3, 1),
                     MakeGradient(TGradientDir::fgdHorizontal, RGB(10, 20, 30), RGB(200, 100, 0)), PS_SOLID,
                     1);
  EXPECT_EQ(RowText(surface, 0, 0, 3, {{RGB(10, 20, 30), 'F'}}), "FFF");
  EXPECT_EQ(RowText(surface, 1, 0, 3, {{kPaper, '.'}}), "...");
}

TEST(GradientBandColours, BandEdgesFollowMulDivWhenStepsAreFewerThanPixels) {
  // W = 7, N = 3: columns 0..1, 2..4, 5..6 (MulDiv(1, 7, 3) = 2, MulDiv(2, 7, 3) = 5).
  Surface surface(7, 1, kPaper);
  PaintGradientBands(surface, Rect(0, 0, 7, 1),
                     MakeGradient(TGradientDir::fgdVertical, RGB(0, 0, 0), RGB(200, 0, 0), 3), PS_SOLID, 1);
  EXPECT_EQ(RowText(surface, 0, 0, 7, {{RGB(0, 0, 0), 'a'}, {RGB(100, 0, 0), 'b'}, {RGB(200, 0, 0), 'c'}}),
            "aabbbcc");
}

// The evaluation bar's gradient area: 273 columns, 255 bands, red to yellow.
TEST(GradientBandColours, VerticalBandsRunFromRedToYellowAcross273Columns) {
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

struct NothingRow {
  const char* name;
  TGradientDir orientation;
  TRect rect;
  int steps;
  bool active;
};

class PaintsNothing : public ::testing::TestWithParam<NothingRow> {};

TEST_P(PaintsNothing, LeavesTheSurfaceAlone) {
  const NothingRow row = GetParam();
  for (const bool buffered : {false, true}) {
    Surface surface(12, 12, kPaper);
    TGradient gradient = MakeGradient(row.orientation, clRed, clYellow, row.steps);
    gradient.SetActive(row.active);
    gradient.SetBufferedDraw(buffered);
    PaintGradientBands(surface, row.rect, gradient, PS_SOLID, 1);
    EXPECT_EQ(CountOf(surface, kPaper), 144) << (buffered ? "buffered" : "direct");
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PaintsNothing,
    ::testing::Values(
        NothingRow{"Inactive", TGradientDir::fgdVertical, Rect(0, 0, 10, 10), 255, false},
        NothingRow{"OneStep", TGradientDir::fgdVertical, Rect(0, 0, 10, 10), 1, true},
        NothingRow{"VerticalZeroWide", TGradientDir::fgdVertical, Rect(5, 0, 5, 10), 255, true},
        NothingRow{"HorizontalInverted", TGradientDir::fgdHorizontal, Rect(5, 8, 2, 2), 255, true},
        NothingRow{"LeftBiasZeroHigh", TGradientDir::fgdLeftBias, Rect(0, 4, 10, 4), 255, true},
        NothingRow{"RectangleOneWide", TGradientDir::fgdRectangle, Rect(0, 0, 1, 10), 255, true},
        NothingRow{"RectangleOneHigh", TGradientDir::fgdRectangle, Rect(0, 0, 10, 1), 255, true},
        NothingRow{"RectangleEmpty", TGradientDir::fgdRectangle, Rect(5, 5, 5, 5), 255, true},
        NothingRow{"LeftBiasEmpty", TGradientDir::fgdLeftBias, Rect(3, 3, 3, 3), 255, true},
        NothingRow{"RightBiasInverted", TGradientDir::fgdRightBias, Rect(6, 6, 2, 2), 255, true}),
    [](const auto& info) { return std::string(info.param.name); });

constexpr TColor kA = RGB(0, 0, 0);
constexpr TColor kC = RGB(200, 0, 0);

TEST(GradientShapes, TinyRectangleIsOneBandOfTheFromColour) {
  // 2 x 5: W2 = 1, so N = 1.
  Surface surface(3, 5, kPaper);
  PaintGradientBands(surface, Rect(0, 0, 2, 5), MakeGradient(TGradientDir::fgdRectangle, kA, kC), PS_SOLID,
                     1);
  EXPECT_EQ(Picture(surface, {{kA, 'a'}, {kPaper, '.'}}),
            (std::vector<std::string>{"aa.", "aa.", "aa.", "aa.", "aa."}));
}

TEST(GradientShapes, RectangleBandsShrinkEachAxisByItsOwnHalf) {
  // 4 x 9: W2 = 2, H2 = 4, N = 2; band 1 is (1, 2, 3, 7).
  Surface surface(4, 9, kPaper);
  PaintGradientBands(surface, Rect(0, 0, 4, 9), MakeGradient(TGradientDir::fgdRectangle, kA, kC), PS_SOLID,
                     1);
  EXPECT_EQ(
      Picture(surface, {{kA, 'a'}, {kC, 'c'}}),
      (std::vector<std::string>{"aaaa", "aaaa", "acca", "acca", "acca", "acca", "acca", "aaaa", "aaaa"}));
}

TEST(GradientShapes, HorizontalConvergentEvenHeight) {
  Surface surface(1, 4, kPaper);
  PaintGradientBands(surface, Rect(0, 0, 1, 4), MakeGradient(TGradientDir::fgdHorzConvergent, kA, kC),
                     PS_SOLID, 1);
  EXPECT_EQ(Picture(surface, {{kA, 'a'}, {kC, 'c'}}), (std::vector<std::string>{"a", "c", "c", "a"}));
}

TEST(GradientShapes, ConvergentHalvesEachStopAtThePercentage) {
  // Each half of width 5 has 5 bands; 0 % paints bands 0 and 1 of each.
  Surface surface(9, 1, kPaper);
  PaintGradientBands(surface, Rect(0, 0, 9, 1),
                     MakeGradient(TGradientDir::fgdVertConvergent, RGB(0, 0, 0), RGB(200, 0, 0), 255, 0),
                     PS_SOLID, 1);
  EXPECT_EQ(RowText(surface, 0, 0, 9,
                    {{RGB(0, 0, 0), 'a'},
                     {RGB(50, 0, 0), 'b'},
                     {RGB(200, 0, 0), 'e'},
                     {RGB(150, 0, 0), 'd'},
                     {kPaper, '.'}}),
            "ab..ed...");
}

TEST(GradientShapes, ConvergentDrawingLeavesTheGradientAsItWas) {
  TGradient gradient = MakeGradient(TGradientDir::fgdHorzConvergent, kA, kC);
  int notifications = 0;
  gradient.ChangeCallback = [&](TColorPair&) { ++notifications; };
  Surface surface(4, 4, kPaper);
  PaintGradientBands(surface, Rect(0, 0, 4, 4), gradient, PS_SOLID, 1);
  EXPECT_EQ(notifications, 0);
  EXPECT_EQ(gradient.Orientation(), TGradientDir::fgdHorzConvergent);
  EXPECT_EQ(gradient.FromRGB(), kA);
  EXPECT_EQ(gradient.ToRGB(), kC);
}

TEST(GradientShapes, HorizontalRectangleAndConvergentLayouts) {
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
TEST(GradientShapes, BiasLinesOfOneBandEachFollowTheDiagonals) {
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

// Bias gradients on (0, 0, 3, 2): W + H = 5 lines from P to Q, end excluded.
// Steps 2 gives N = 2: band 0 draws MulDiv(1, 5, 2) = 3 lines, band 1 two.
struct BiasRow {
  const char* name;
  TGradientDir orientation;
  int steps;
  std::vector<std::string> picture;
};

class BiasLines : public ::testing::TestWithParam<BiasRow> {};

TEST_P(BiasLines, DrawTheDiagonalRunsOfEachBand) {
  const BiasRow row = GetParam();
  Surface surface(4, 3, kPaper);
  const Pen own{PS_DOT, 1, clLime};
  surface.SelectPen(own);
  PaintGradientBands(surface, Rect(0, 0, 3, 2), MakeGradient(row.orientation, kA, kC, row.steps), PS_SOLID,
                     1);
  EXPECT_EQ(Picture(surface, {{kA, 'a'}, {kC, 'c'}, {kPaper, '.'}}), row.picture);
  EXPECT_EQ(surface.CurrentPen(), own);
}

INSTANTIATE_TEST_SUITE_P(
    Orientations, BiasLines,
    ::testing::Values(BiasRow{"LeftTwoBands", TGradientDir::fgdLeftBias, 2, {"....", "aaa.", "aac."}},
                      BiasRow{"RightTwoBands", TGradientDir::fgdRightBias, 2, {"aaa.", "caa.", "...."}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(HatchedBands, EachBandIsAHatchedFillInItsColour) {
  const struct {
    TBrushStyle style;
    int hatch;
  } rows[] = {{TBrushStyle::bsHorizontal, HS_HORIZONTAL}, {TBrushStyle::bsVertical, HS_VERTICAL},
              {TBrushStyle::bsFDiagonal, HS_FDIAGONAL},   {TBrushStyle::bsBDiagonal, HS_BDIAGONAL},
              {TBrushStyle::bsCross, HS_CROSS},           {TBrushStyle::bsDiagCross, HS_DIAGCROSS}};
  for (const auto& row : rows) {
    for (const int mode : {TRANSPARENT, OPAQUE}) {
      TGradient gradient = MakeGradient(TGradientDir::fgdHorizontal, kA, kC, 2);
      gradient.SetBrushStyle(row.style);
      Surface actual(20, 20, kPaper);
      Surface expected(20, 20, kPaper);
      for (Surface* s : {&actual, &expected}) {
        s->SetBkMode(mode);
        s->SetBkColor(clLime);
      }
      PaintGradientBands(actual, Rect(1, 2, 19, 18), gradient, PS_SOLID, 1);
      expected.FillRect(Rect(1, 2, 19, 10), Brush::Hatched(row.hatch, kA));
      expected.FillRect(Rect(1, 10, 19, 18), Brush::Hatched(row.hatch, kC));
      EXPECT_EQ(actual.Image(), expected.Image()) << "hatch " << row.hatch << " mode " << mode;
      EXPECT_EQ(actual.CurrentBrush(), expected.CurrentBrush());
    }
  }
}

TEST(HatchedBands, HatchedBandsKeepTheirGapsInTransparentMode) {
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

TEST(BufferedBands, GiveTheSamePixelsAsDirectDrawingAtTheSurfaceEdges) {
  const TGradientDir orientations[] = {TGradientDir::fgdHorizontal,    TGradientDir::fgdVertical,
                                       TGradientDir::fgdLeftBias,      TGradientDir::fgdRightBias,
                                       TGradientDir::fgdRectangle,     TGradientDir::fgdHorzConvergent,
                                       TGradientDir::fgdVertConvergent};
  // At the surface's corners and edges, and tiny.
  const TRect rects[] = {Rect(0, 0, 3, 2), Rect(30, 20, 48, 30), Rect(40, 0, 48, 5)};
  for (const TGradientDir orientation : orientations) {
    for (const TRect& rect : rects) {
      for (const int percent : {0, 37, 100}) {
        for (const TBrushStyle style : {TBrushStyle::bsSolid, TBrushStyle::bsCross}) {
          TGradient gradient = MakeGradient(orientation, RGB(10, 200, 30), RGB(250, 20, 140), 255, percent);
          gradient.SetBrushStyle(style);
          Surface direct(48, 30, kPaper);
          Surface buffered(48, 30, kPaper);
          // A patterned background shows whatever the bands leave alone.
          for (Surface* s : {&direct, &buffered}) {
            s->FillRect(Rect(0, 0, 48, 30), Brush::Hatched(HS_DIAGCROSS, clBlue));
            s->SetBkMode(TRANSPARENT);
          }
          PaintGradientBands(direct, rect, gradient, PS_SOLID, 1);
          gradient.SetBufferedDraw(true);
          PaintGradientBands(buffered, rect, gradient, PS_SOLID, 1);
          EXPECT_EQ(buffered.Image(), direct.Image())
              << "orientation " << static_cast<int>(orientation) << " rect " << rect.left << "," << rect.top
              << " percent " << percent << " style " << static_cast<int>(style);
        }
      }
    }
  }
}

TEST(BufferedBands, GiveTheSamePixelsAsDirectDrawingForPensHatchesAndCuts) {
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
      TGradient g = MakeGradient(orientation, clTeal, clYellow, 30, variant.percent);
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
