// Banded gradients against values worked out by hand: the cut-off where
// I * 100 / N is whole, rounding of band colours and edges, tiny and uneven
// rectangles, convergent halves, bias bands of several lines, every hatch and
// buffered composition at the surface's edges.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/PixelTools.h"
#include "widgets/DrawUtils.h"

namespace ostrak {
namespace {

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
  EXPECT_EQ(surface.Pixel(row.columns, 17), surface.Pixel(row.columns, 2)) << "bands cover every row";
  EXPECT_EQ(surface.Pixel(row.columns + 1, 10), kPaper);
  EXPECT_EQ(surface.Pixel(1, 1), kPaper);
  EXPECT_EQ(surface.Pixel(1, 18), kPaper);
}

// I * 100 / 255 is whole for I = 51, 102, 153, 204; only 153 rounds above in
// extended precision, so band 153 ends the 60 % gradient while 51, 102 and
// 204 are passed over.
INSTANTIATE_TEST_SUITE_P(Percent, EvaluationFill,
                         ::testing::Values(FillRow{"Twenty", 20, 57}, FillRow{"Forty", 40, 111},
                                           FillRow{"Sixty", 60, 165}, FillRow{"Eighty", 80, 221}),
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
  Surface surface(12, 12, kPaper);
  TGradient gradient = MakeGradient(row.orientation, clRed, clYellow, row.steps);
  gradient.SetActive(row.active);
  PaintGradientBands(surface, row.rect, gradient, PS_SOLID, 1);
  EXPECT_EQ(test::CountOf(surface, kPaper), 144);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PaintsNothing,
    ::testing::Values(
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

}  // namespace
}  // namespace ostrak
