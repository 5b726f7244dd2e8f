// The banded gradient fill, checked pixel by pixel against colours worked out
// here from the band rule: band i of n has start + round(i * delta / (n - 1))
// per channel, halves away from zero.

#include <gtest/gtest.h>

#include <ostream>

#include <string>

#include "platform/Surface.h"
#include "platform/SystemColors.h"
#include "support/PixelTools.h"
#include "widgets/navigation/BandColor.h"
#include "widgets/navigation/FillGradient.h"

namespace ostrak {
namespace {

constexpr TColor kUntouched = 0x00123456;
constexpr TColor kFrom = 0x00F7E2CD;  // 205, 226, 247
constexpr TColor kTo = 0x00F3A080;    // 128, 160, 243

using test::BandColor;

// The colour every pixel of row y (or column x) shares; clNone when they differ.
TColor RowColor(const Surface& s, int y) {
  const TColor first = s.Pixel(0, y);
  for (int x = 1; x < s.Width(); ++x) {
    if (s.Pixel(x, y) != first) return clNone;
  }
  return first;
}
TColor ColumnColor(const Surface& s, int x) {
  const TColor first = s.Pixel(x, 0);
  for (int y = 1; y < s.Height(); ++y) {
    if (s.Pixel(x, y) != first) return clNone;
  }
  return first;
}

// Expected colour of each row (or column) for `extent` pixels and `count` colours.
std::vector<TColor> ExpectedLine(TColor start, TColor end, int extent, int count) {
  const int steps = std::max(2, std::min(count, extent));
  const int band = extent / steps;
  std::vector<TColor> line(static_cast<std::size_t>(extent), end);
  if (band > 0) {
    for (int p = 0; p < steps * band; ++p)
      line[static_cast<std::size_t>(p)] = BandColor(start, end, p / band, steps);
  }
  return line;
}

struct DirectedCase {
  const char* name;
  TFillDirection direction;
  int width;
  int height;
  int colorCount;
};
void PrintTo(const DirectedCase& c, std::ostream* os) { *os << c.name; }

class FillGradientDirections : public ::testing::TestWithParam<DirectedCase> {};

TEST_P(FillGradientDirections, EveryLineHasItsBandColour) {
  const DirectedCase& c = GetParam();
  Surface s(c.width, c.height, kUntouched);
  FillGradient(s, Rect(0, 0, c.width, c.height), kFrom, kTo, c.direction,
               static_cast<std::uint8_t>(c.colorCount));
  const bool vertical =
      c.direction == TFillDirection::fdTopToBottom || c.direction == TFillDirection::fdBottomToTop;
  const bool reversed =
      c.direction == TFillDirection::fdBottomToTop || c.direction == TFillDirection::fdRightToLeft;
  const std::vector<TColor> expected = ExpectedLine(reversed ? kTo : kFrom, reversed ? kFrom : kTo,
                                                    vertical ? c.height : c.width, c.colorCount);
  for (std::size_t p = 0; p < expected.size(); ++p) {
    const int at = static_cast<int>(p);
    EXPECT_EQ(vertical ? RowColor(s, at) : ColumnColor(s, at), expected[p]) << "line " << p;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Bands, FillGradientDirections,
    ::testing::Values(DirectedCase{"Rows28", TFillDirection::fdTopToBottom, 125, 28, 32},
                      DirectedCase{"Rows100", TFillDirection::fdTopToBottom, 20, 100, 32},
                      DirectedCase{"Rows5FewerThanColours", TFillDirection::fdTopToBottom, 7, 5, 32},
                      DirectedCase{"Rows10TwoColours", TFillDirection::fdTopToBottom, 3, 10, 2},
                      DirectedCase{"BottomToTop100", TFillDirection::fdBottomToTop, 9, 100, 32},
                      DirectedCase{"LeftToRight50", TFillDirection::fdLeftToRight, 50, 6, 32},
                      DirectedCase{"RightToLeft70", TFillDirection::fdRightToLeft, 70, 4, 32},
                      DirectedCase{"LeftToRight10FourColours", TFillDirection::fdLeftToRight, 10, 2, 4},
                      DirectedCase{"LeftToRight1", TFillDirection::fdLeftToRight, 1, 4, 32}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FillGradient, TwentyEightRowsRunExactlyFromStartToEnd) {
  Surface s(125, 28, kUntouched);
  FillGradient(s, Rect(0, 0, 125, 28), kFrom, kTo, TFillDirection::fdTopToBottom, 32);
  EXPECT_EQ(RowColor(s, 0), RGB(205, 226, 247));
  EXPECT_EQ(RowColor(s, 27), RGB(128, 160, 243));
  // Row 1: red 205 + round(-77 / 27) = 202, green 226 + round(-66 / 27) = 224,
  // blue 247 + round(-4 / 27) = 247.
  EXPECT_EQ(RowColor(s, 1), RGB(202, 224, 247));
}

TEST(FillGradient, HundredRowsAreThirtyTwoBandsOfThreeThenFourEndRows) {
  Surface s(10, 100, kUntouched);
  FillGradient(s, Rect(0, 0, 10, 100), kFrom, kTo, TFillDirection::fdTopToBottom, 32);
  for (int band = 0; band < 32; ++band) {
    for (int row = 3 * band; row < 3 * band + 3; ++row)
      EXPECT_EQ(RowColor(s, row), BandColor(kFrom, kTo, band, 32));
  }
  EXPECT_EQ(RowColor(s, 93), RGB(128, 160, 243));  // the last band is the end colour too
  for (int row = 96; row < 100; ++row) EXPECT_EQ(RowColor(s, row), RGB(128, 160, 243));
}

TEST(FillGradient, OnePixelHighShowsOnlyTheEndColour) {
  Surface s(30, 1, kUntouched);
  FillGradient(s, Rect(0, 0, 30, 1), kFrom, kTo, TFillDirection::fdTopToBottom, 32);
  EXPECT_EQ(test::CountOf(s, RGB(128, 160, 243)), 30);
}

TEST(FillGradient, OneRowInsideTheSurfaceLeavesTheRowsAroundIt) {
  Surface s(4, 3, kUntouched);
  FillGradient(s, Rect(0, 1, 4, 2), kFrom, kTo, TFillDirection::fdTopToBottom, 32);
  EXPECT_EQ(RowColor(s, 0), kUntouched);
  EXPECT_EQ(RowColor(s, 1), kTo);
  EXPECT_EQ(RowColor(s, 2), kUntouched);
  EXPECT_EQ(test::CountOf(s, kTo), 4);
}

struct PlainCase {
  const char* name;
  TRect rect;
  TColor start;
  TColor end;
  int colorCount;
  TColor expected;  // of every pixel of rect; kUntouched when nothing is drawn
};
void PrintTo(const PlainCase& c, std::ostream* os) { *os << c.name; }

class FillGradientPlain : public ::testing::TestWithParam<PlainCase> {};

TEST_P(FillGradientPlain, FillsTheRectangleWithOneColourOrNothing) {
  const PlainCase& c = GetParam();
  Surface s(40, 30, kUntouched);
  FillGradient(s, c.rect, c.start, c.end, TFillDirection::fdTopToBottom,
               static_cast<std::uint8_t>(c.colorCount));
  const TRect inside = IsRectEmpty(c.rect) ? TRect{} : c.rect;
  const int area = (inside.right - inside.left) * (inside.bottom - inside.top);
  if (c.expected == kUntouched) {
    EXPECT_EQ(test::CountOf(s, kUntouched), 40 * 30);
  } else {
    EXPECT_EQ(test::CountOf(s, c.expected), area);
    EXPECT_TRUE(test::OutsideIs(s, inside, kUntouched));
  }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FillGradientPlain,
    ::testing::Values(PlainCase{"ZeroHigh", Rect(0, 5, 40, 5), kFrom, kTo, 32, kUntouched},
                      PlainCase{"ZeroWide", Rect(7, 0, 7, 30), kFrom, kTo, 32, kUntouched},
                      PlainCase{"Inverted", Rect(20, 20, 10, 10), kFrom, kTo, 32, kUntouched},
                      PlainCase{"BothNone", Rect(0, 0, 40, 30), clNone, clNone, 32, kUntouched},
                      PlainCase{"EqualColours", Rect(3, 4, 23, 29), kFrom, kFrom, 32, kFrom},
                      PlainCase{"EqualAfterResolving", Rect(0, 0, 40, 30), clBtnFace, RGB(240, 240, 240), 32,
                                RGB(240, 240, 240)},
                      PlainCase{"BothTheSameSystemColour", Rect(1, 1, 5, 29), clWindow, clWindow, 32,
                                GetSysColor(COLOR_WINDOW)},
                      PlainCase{"NoColours", Rect(5, 5, 35, 25), kFrom, kTo, 0, kFrom},
                      PlainCase{"OneColour", Rect(5, 5, 35, 25), kFrom, kTo, 1, kFrom},
                      PlainCase{"StartNone", Rect(1, 2, 11, 12), clNone, kTo, 32, kTo},
                      PlainCase{"EndNone", Rect(1, 2, 11, 12), kFrom, clNone, 32, kFrom}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(FillGradient, BandsStartAtTheRectanglesOwnEdge) {
  Surface s(40, 40, kUntouched);
  FillGradient(s, Rect(10, 5, 30, 15), kFrom, kTo, TFillDirection::fdTopToBottom, 32);
  EXPECT_TRUE(test::OutsideIs(s, Rect(10, 5, 30, 15), kUntouched));
  for (int i = 0; i < 10; ++i) {
    EXPECT_EQ(s.Pixel(10, 5 + i), BandColor(kFrom, kTo, i, 10)) << i;
    EXPECT_EQ(s.Pixel(29, 5 + i), BandColor(kFrom, kTo, i, 10)) << i;
  }
}

TEST(FillGradient, SystemColoursAreResolvedBeforeBanding) {
  Surface s(4, 2, kUntouched);
  FillGradient(s, Rect(0, 0, 4, 2), clWindowText, clWindow, TFillDirection::fdTopToBottom, 32);
  EXPECT_EQ(RowColor(s, 0), RGB(0, 0, 0));
  EXPECT_EQ(RowColor(s, 1), RGB(255, 255, 255));
}

}  // namespace
}  // namespace ostrak
