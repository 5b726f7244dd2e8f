#include "widgets/FillGradient.h"

#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "platform/SystemColors.h"
#include "support/PixelTools.h"

namespace ostrak {
namespace {

constexpr TColor kBackground = 0x00123456;
constexpr TColor kFrom = RGB(205, 226, 247);
constexpr TColor kTo = RGB(128, 160, 243);

// start + a * delta / (steps - 1), halves away from zero: what each band should hold.
TColor Expected(TColor from, TColor to, int i, int steps) {
  auto channel = [&](int a, int b) {
    return static_cast<std::uint8_t>(a + std::lround(double(i) * (b - a) / (steps - 1)));
  };
  return RGB(channel(GetRValue(from), GetRValue(to)), channel(GetGValue(from), GetGValue(to)),
             channel(GetBValue(from), GetBValue(to)));
}

// Row colours of column x, from top to bottom.
std::vector<TColor> Column(const Surface& surface, int x) {
  std::vector<TColor> rows;
  for (int y = 0; y < surface.Height(); ++y) rows.push_back(surface.Pixel(x, y));
  return rows;
}

TEST(FillGradient, TwentyEightRowsAreTwentyEightOneRowBands) {
  Surface surface(5, 28, kBackground);
  FillGradient(surface, Rect(0, 0, 5, 28), kFrom, kTo, TFillDirection::fdTopToBottom, 32);
  std::vector<TColor> expected;
  for (int i = 0; i < 28; ++i) expected.push_back(Expected(kFrom, kTo, i, 28));
  EXPECT_EQ(Column(surface, 0), expected);
  EXPECT_EQ(Column(surface, 4), expected);
  EXPECT_EQ(surface.Pixel(2, 0), kFrom);
  EXPECT_EQ(surface.Pixel(2, 27), kTo);
  // Row 1: 205 - 77/27 = 202.15, 226 - 66/27 = 223.56, 247 - 4/27 = 246.85.
  EXPECT_EQ(surface.Pixel(2, 1), RGB(202, 224, 247));
}

TEST(FillGradient, HundredRowsAreThirtyTwoBandsOfThreeAndFourEndRows) {
  Surface surface(3, 100, kBackground);
  FillGradient(surface, Rect(0, 0, 3, 100), kFrom, kTo, TFillDirection::fdTopToBottom, 32);
  std::vector<TColor> expected;
  for (int i = 0; i < 32; ++i) expected.insert(expected.end(), 3, Expected(kFrom, kTo, i, 32));
  expected.insert(expected.end(), 4, kTo);
  EXPECT_EQ(Column(surface, 1), expected);
}

TEST(FillGradient, OneRowShowsOnlyTheEndColour) {
  Surface surface(4, 3, kBackground);
  FillGradient(surface, Rect(0, 1, 4, 2), kFrom, kTo, TFillDirection::fdTopToBottom, 32);
  EXPECT_EQ(Column(surface, 0), (std::vector<TColor>{kBackground, kTo, kBackground}));
  EXPECT_EQ(test::CountOf(surface, kTo), 4);
}

struct NothingCase {
  const char* name;
  TRect rect;
  TColor from;
  TColor to;
};

TEST(FillGradient, DrawsNothingForEmptyRectanglesOrNoColours) {
  const NothingCase cases[] = {
      {"zero high", Rect(0, 2, 6, 2), kFrom, kTo},
      {"zero wide", Rect(3, 0, 3, 6), kFrom, kTo},
      {"inverted", Rect(5, 5, 1, 1), kFrom, kTo},
      {"both colours none", Rect(0, 0, 6, 6), clNone, clNone},
  };
  for (const NothingCase& c : cases) {
    Surface surface(6, 6, kBackground);
    FillGradient(surface, c.rect, c.from, c.to, TFillDirection::fdTopToBottom, 32);
    EXPECT_EQ(test::CountOf(surface, kBackground), 36) << c.name;
  }
}

struct PlainCase {
  const char* name;
  TColor from;
  TColor to;
  std::uint8_t colorCount;
  TColor fill;
};

TEST(FillGradient, PlainFills) {
  const PlainCase cases[] = {
      {"equal colours", kFrom, kFrom, 32, kFrom},
      {"one colour asked", kFrom, kTo, 1, kFrom},
      {"no colours asked", kFrom, kTo, 0, kFrom},
      {"system colours resolve", clWindow, clWindow, 32, GetSysColor(COLOR_WINDOW)},
      {"start none takes the end", clNone, kTo, 32, kTo},
      {"end none takes the start", kFrom, clNone, 32, kFrom},
  };
  for (const PlainCase& c : cases) {
    Surface surface(6, 40, kBackground);
    FillGradient(surface, Rect(1, 1, 5, 39), c.from, c.to, TFillDirection::fdTopToBottom, c.colorCount);
    EXPECT_EQ(test::CountOf(surface, c.fill), 4 * 38) << c.name;
    EXPECT_TRUE(test::OutsideIs(surface, Rect(1, 1, 5, 39), kBackground)) << c.name;
  }
}

TEST(FillGradient, ReversedAndHorizontalDirections) {
  Surface up(2, 10, kBackground);
  FillGradient(up, Rect(0, 0, 2, 10), kFrom, kTo, TFillDirection::fdBottomToTop, 32);
  EXPECT_EQ(up.Pixel(0, 0), kTo);
  EXPECT_EQ(up.Pixel(0, 9), kFrom);

  Surface across(10, 2, kBackground);
  FillGradient(across, Rect(0, 0, 10, 2), kFrom, kTo, TFillDirection::fdLeftToRight, 4);
  // 4 bands of 2 columns, then 2 columns of the end colour.
  EXPECT_EQ(test::RowText(across, 1, 0, 10,
                          {{Expected(kFrom, kTo, 0, 4), 'a'},
                           {Expected(kFrom, kTo, 1, 4), 'b'},
                           {Expected(kFrom, kTo, 2, 4), 'c'},
                           {kTo, 'd'}}),
            "aabbccdddd");

  Surface back(10, 1, kBackground);
  FillGradient(back, Rect(0, 0, 10, 1), kFrom, kTo, TFillDirection::fdRightToLeft, 32);
  EXPECT_EQ(back.Pixel(0, 0), kTo);
  EXPECT_EQ(back.Pixel(9, 0), kFrom);
}

}  // namespace
}  // namespace ostrak
