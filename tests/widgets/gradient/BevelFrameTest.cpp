// Bevel frames: hand-drawn pictures of the common cases, and every cut, weight
// and side combination against a model that draws the side table line by line.

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

#include "platform/SystemColors.h"
#include "support/PixelTools.h"
#include "widgets/gradient/DrawUtils.h"

namespace ostrak {
namespace {

constexpr TColor kPaper = RGB(1, 2, 3);
constexpr TColor kFill = RGB(250, 0, 0);
constexpr TColor kDark = RGB(105, 105, 105);
constexpr TColor kLight = RGB(255, 255, 255);
constexpr TColor kShade = RGB(160, 160, 160);

std::vector<std::string> Picture(const Surface& surface) {
  std::vector<std::string> rows;
  for (int y = 0; y < surface.Height(); ++y) {
    rows.push_back(test::RowText(surface, y, 0, surface.Width(),
                                 {{kPaper, '.'}, {kFill, 'R'}, {kDark, 'D'}, {kLight, 'L'}, {kShade, 'S'}}));
  }
  return rows;
}

struct DrawnRow {
  const char* name;
  TBevelSides sides;
  TBevelCut inner;
  TBevelCut outer;
  BevelWeight weight;
  TRect result;
  std::vector<std::string> picture;
};

class BevelPictures : public ::testing::TestWithParam<DrawnRow> {};

TEST_P(BevelPictures, OnAFiveByFourArea) {
  const DrawnRow row = GetParam();
  Surface surface(6, 5, kPaper);
  const TRect inside = PaintBevelFrame(surface, Rect(0, 0, 4, 3), row.sides, row.inner, row.outer, row.weight,
                                       kFill, FrameFill::Filled);
  EXPECT_EQ(inside, row.result);
  EXPECT_EQ(Picture(surface), row.picture);
}

using enum TBevelCut;
using enum TBevelSide;

INSTANTIATE_TEST_SUITE_P(Cases, BevelPictures,
                         ::testing::Values(DrawnRow{"Lowered",
                                                    kAllBevelSides,
                                                    bvLowered,
                                                    bvNone,
                                                    BevelWeight::Normal,
                                                    Rect(1, 1, 3, 2),
                                                    {"SSSSL.", "SRRRL.", "SRRRL.", "LLLLL.", "......"}},
                                           DrawnRow{"Raised",
                                                    kAllBevelSides,
                                                    bvRaised,
                                                    bvNone,
                                                    BevelWeight::Normal,
                                                    Rect(1, 1, 3, 2),
                                                    {"LLLLS.", "LRRRS.", "LRRRS.", "SSSSS.", "......"}},
                                           DrawnRow{"LoweredBold",
                                                    kAllBevelSides,
                                                    bvLowered,
                                                    bvNone,
                                                    BevelWeight::Bold,
                                                    Rect(2, 2, 3, 2),
                                                    {"DDDDL.", "DSSSL.", "DSRRL.", "LLLLL.", "......"}},
                                           DrawnRow{"RaisedBold",
                                                    kAllBevelSides,
                                                    bvRaised,
                                                    bvNone,
                                                    BevelWeight::Bold,
                                                    Rect(1, 1, 2, 1),
                                                    {"LLLLD.", "LRRSD.", "LSSSD.", "DDDDD.", "......"}},
                                           DrawnRow{"Space",
                                                    kAllBevelSides,
                                                    bvSpace,
                                                    bvNone,
                                                    BevelWeight::Bold,
                                                    Rect(1, 1, 3, 2),
                                                    {"SSSSS.", "SRRRS.", "SRRRS.", "SSSSS.", "......"}},
                                           DrawnRow{"LoweredBoldLeftOnly",
                                                    TBevelSides{Left},
                                                    bvLowered,
                                                    bvNone,
                                                    BevelWeight::Bold,
                                                    Rect(2, 0, 4, 3),
                                                    {"D.RRR.", "DSRRR.", "DSRRR.", ".SRRR.", "......"}},
                                           DrawnRow{"RaisedBoldBottomOnly",
                                                    TBevelSides{Bottom},
                                                    bvRaised,
                                                    bvNone,
                                                    BevelWeight::Bold,
                                                    Rect(0, 0, 4, 1),
                                                    {"RRRRR.", "RRRRR.", "SSSS..", "DDDD..", "......"}},
                                           DrawnRow{"OuterOnly",
                                                    kAllBevelSides,
                                                    bvNone,
                                                    bvRaised,
                                                    BevelWeight::Normal,
                                                    Rect(1, 1, 3, 2),
                                                    {"LLLLS.", "LRRRS.", "LRRRS.", "SSSSS.", "......"}},
                                           DrawnRow{"OuterRaisedInnerLowered",
                                                    kAllBevelSides,
                                                    bvLowered,
                                                    bvRaised,
                                                    BevelWeight::Normal,
                                                    Rect(2, 2, 2, 1),
                                                    {"LLLLS.", "LSSLS.", "LLLLS.", "SSSSS.", "......"}},
                                           DrawnRow{"NoBevel",
                                                    kAllBevelSides,
                                                    bvNone,
                                                    bvNone,
                                                    BevelWeight::Bold,
                                                    Rect(0, 0, 4, 3),
                                                    {"RRRRR.", "RRRRR.", "RRRRR.", "RRRRR.", "......"}}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BevelFrame, TwoSidesOnASixByFiveArea) {
  const DrawnRow rows[] = {
      {"left and bottom, lowered bold",
       TBevelSides{Left, Bottom},
       bvLowered,
       bvNone,
       BevelWeight::Bold,
       Rect(2, 0, 5, 3),
       {"D.RRRR.", "DSRRRR.", "DSRRRR.", "DSRRRR.", "LLLLLL.", "......."}},
      {"top and right, raised bold",
       TBevelSides{Top, Right},
       bvRaised,
       bvNone,
       BevelWeight::Bold,
       Rect(0, 1, 3, 4),
       {"LLLLLD.", "RRRRSD.", "RRRRSD.", "RRRRSD.", "RRRRSD.", "......."}},
  };
  for (const DrawnRow& row : rows) {
    Surface surface(7, 6, kPaper);
    const TRect inside = PaintBevelFrame(surface, Rect(0, 0, 5, 4), row.sides, row.inner, row.outer,
                                         row.weight, kFill, FrameFill::Filled);
    EXPECT_EQ(inside, row.result) << row.name;
    EXPECT_EQ(Picture(surface), row.picture) << row.name;
  }
}

TEST(BevelFrame, SpaceDrawsTheWholeOuterRingOfTheEvaluationBar) {
  Surface s(276, 20, clBlack);
  const TRect inner =
      PaintBevelFrame(s, Rect(0, 0, 275, 19), kAllBevelSides, TBevelCut::bvSpace, TBevelCut::bvNone,
                      BevelWeight::Normal, clBtnFace, FrameFill::Transparent);
  EXPECT_EQ(inner, Rect(1, 1, 274, 18));
  const TColor shade = GetSysColor(COLOR_BTNSHADOW);
  EXPECT_EQ(test::CountOf(s, shade), 2 * 276 + 2 * 18);
  EXPECT_TRUE(test::OutsideIs(s, Rect(1, 1, 275, 19), shade));
}

TEST(BevelFrame, UsesTheCurrentPenStyleAndPutsThePenBack) {
  Surface s(12, 3, kPaper);
  const Pen dotted{PS_DOT, 0, clRed};
  s.SelectPen(dotted);
  s.SetBkMode(TRANSPARENT);
  PaintBevelFrame(s, Rect(0, 0, 11, 2), TBevelSides{Top}, bvSpace, bvNone, BevelWeight::Normal, kFill,
                  FrameFill::Transparent);
  EXPECT_EQ(Picture(s)[0], "SSS...SSS...");
  EXPECT_EQ(s.CurrentPen(), dotted);
}

// The side table, drawn with one-pixel fills so the model shares nothing
// with the surface's lines.
class Model {
public:
  explicit Model(Surface& surface) : surface_(surface) {}

  // Horizontal or vertical, end point excluded, either direction.
  void Line(TColor color, int x0, int y0, int x1, int y1) {
    const int dx = x1 > x0 ? 1 : x1 < x0 ? -1 : 0;
    const int dy = y1 > y0 ? 1 : y1 < y0 ? -1 : 0;
    for (int x = x0, y = y0; x != x1 || y != y1; x += dx, y += dy) {
      surface_.FillRect(Rect(x, y, x + 1, y + 1), Brush::Solid(color));
    }
  }

  void Bevel(TRect cur, TBevelCut cut, bool bold, TBevelSides sides, TRect& out) {
    const int l = cur.left, t = cur.top, r = cur.right, b = cur.bottom;
    const auto lines = [&](TBevelSide side, std::initializer_list<std::array<int, 5>> drawn) {
      if (!sides.Contains(side)) return;
      for (const auto& d : drawn) {
        Line(static_cast<TColor>(d[0]), d[1], d[2], d[3], d[4]);
        switch (side) {
          case Left:
            ++out.left;
            break;
          case Top:
            ++out.top;
            break;
          case Right:
            --out.right;
            break;
          case Bottom:
            --out.bottom;
            break;
        }
      }
    };
    const int D = static_cast<int>(kDark), L = static_cast<int>(kLight), S = static_cast<int>(kShade);
    const int e = sides.Contains(Bottom) ? 0 : 1;
    const int c = sides.Contains(Left) ? 1 : 0;
    switch (cut) {
      case bvLowered:
        if (bold) {
          lines(Left, {{D, l, t, l, b}, {S, l + 1, t + 1, l + 1, b + e}});
          lines(Top, {{D, l, t, r, t}, {S, l + 1, t + 1, r, t + 1}});
        } else {
          lines(Left, {{S, l, t, l, b}});
          lines(Top, {{S, l, t, r, t}});
        }
        lines(Right, {{L, r, t, r, b}});
        lines(Bottom, {{L, l, b, r + 1, b}});
        break;
      case bvRaised:
        lines(Left, {{L, l, t, l, b + 1}});
        lines(Top, {{L, l, t, r, t}});
        if (bold) {
          lines(Right, {{D, r, t, r, b + 1}, {S, r - 1, t + 1, r - 1, b + 1}});
          lines(Bottom, {{D, l, b, r, b}, {S, l + c, b - 1, r, b - 1}});
        } else {
          lines(Right, {{S, r, t, r, b + 1}});
          lines(Bottom, {{S, l, b, r, b}});
        }
        break;
      case bvSpace:
        lines(Left, {{S, l, t, l, b}});
        lines(Top, {{S, l, t, r, t}});
        lines(Right, {{S, r, t, r, b}});
        lines(Bottom, {{S, l, b, r + 1, b}});
        break;
      case bvNone:
        break;
    }
  }

private:
  Surface& surface_;
};

TEST(BevelCombinations, MatchTheSideTable) {
  const TBevelCut cuts[] = {bvNone, bvLowered, bvRaised, bvSpace};
  const TRect rects[] = {Rect(2, 1, 9, 7), Rect(3, 3, 4, 4), Rect(3, 3, 3, 3), Rect(1, 2, 6, 4)};
  int checked = 0;
  for (const TRect& rect : rects) {
    for (const TBevelCut outer : cuts) {
      for (const TBevelCut inner : cuts) {
        for (const bool bold : {false, true}) {
          for (std::uint32_t bits = 0; bits < 16; ++bits) {
            for (const FrameFill fill : {FrameFill::Filled, FrameFill::Transparent}) {
              const TBevelSides sides = TBevelSides::FromBits(bits);
              Surface actual(12, 10, kPaper);
              const TRect got = PaintBevelFrame(actual, rect, sides, inner, outer,
                                                bold ? BevelWeight::Bold : BevelWeight::Normal, kFill, fill);
              Surface expected(12, 10, kPaper);
              Model model(expected);
              TRect out = rect;
              if (outer != bvNone) model.Bevel(rect, outer, bold, sides, out);
              if (inner != bvNone) model.Bevel(out, inner, bold, sides, out);
              if (fill == FrameFill::Filled) {
                expected.FillRect(Rect(out.left, out.top, out.right + 1, out.bottom + 1),
                                  Brush::Solid(kFill));
              }
              ASSERT_EQ(got, out) << "outer " << static_cast<int>(outer) << " inner "
                                  << static_cast<int>(inner) << " bold " << bold << " sides " << bits;
              ASSERT_EQ(Picture(actual), Picture(expected))
                  << "outer " << static_cast<int>(outer) << " inner " << static_cast<int>(inner) << " bold "
                  << bold << " sides " << bits << " rect " << rect.left << "," << rect.top;
              ++checked;
            }
          }
        }
      }
    }
  }
  EXPECT_EQ(checked, 4 * 4 * 4 * 2 * 16 * 2);
}

}  // namespace
}  // namespace ostrak
