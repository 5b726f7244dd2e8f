#include <gtest/gtest.h>

#include <vector>

#include "platform/Surface.h"
#include "platform/SystemColors.h"
#include "support/PixelTools.h"
#include "widgets/DrawUtils.h"

namespace ostrak {
namespace {

constexpr TColor kFill = clLime;

std::vector<std::string> Picture(const Surface& s) {
  std::vector<std::string> rows;
  for (int y = 0; y < s.Height(); ++y) {
    rows.push_back(test::RowText(s, y, 0, s.Width(),
                                 {{clBlack, '.'},
                                  {kFill, 'f'},
                                  {GetSysColor(COLOR_3DDKSHADOW), 'd'},
                                  {GetSysColor(COLOR_BTNHIGHLIGHT), 'l'},
                                  {GetSysColor(COLOR_BTNSHADOW), 's'}}));
  }
  return rows;
}

TEST(PaintBevelFrame, SpaceDrawsTheWholeOuterRingOfTheEvaluationBar) {
  Surface s(276, 20, clBlack);
  const TRect inner =
      PaintBevelFrame(s, Rect(0, 0, 275, 19), kAllBevelSides, TBevelCut::bvSpace, TBevelCut::bvNone,
                      BevelWeight::Normal, clBtnFace, FrameFill::Transparent);
  EXPECT_EQ(inner, Rect(1, 1, 274, 18));
  const TColor shade = GetSysColor(COLOR_BTNSHADOW);
  EXPECT_EQ(test::CountOf(s, shade), 2 * 276 + 2 * 18);
  EXPECT_TRUE(test::OutsideIs(s, Rect(1, 1, 275, 19), shade));
}

TEST(PaintBevelFrame, DrawsEachCutWithItsColours) {
  struct Row {
    const char* name;
    TBevelSides sides;
    TBevelCut inner, outer;
    BevelWeight weight;
    TRect result;
    std::vector<std::string> picture;
  };
  const Row rows[] = {
      {"lowered",
       kAllBevelSides,
       TBevelCut::bvLowered,
       TBevelCut::bvNone,
       BevelWeight::Normal,
       Rect(1, 1, 4, 3),
       {"sssssl.", "sffffl.", "sffffl.", "sffffl.", "llllll.", "......."}},
      {"raised",
       kAllBevelSides,
       TBevelCut::bvRaised,
       TBevelCut::bvNone,
       BevelWeight::Normal,
       Rect(1, 1, 4, 3),
       {"llllls.", "lffffs.", "lffffs.", "lffffs.", "ssssss.", "......."}},
      {"lowered, bold",
       kAllBevelSides,
       TBevelCut::bvLowered,
       TBevelCut::bvNone,
       BevelWeight::Bold,
       Rect(2, 2, 4, 3),
       {"dddddl.", "dssssl.", "dsfffl.", "dsfffl.", "llllll.", "......."}},
      {"raised, bold",
       kAllBevelSides,
       TBevelCut::bvRaised,
       TBevelCut::bvNone,
       BevelWeight::Bold,
       Rect(1, 1, 3, 2),
       {"llllld.", "lfffsd.", "lfffsd.", "lssssd.", "dddddd.", "......."}},
      {"raised outside lowered",
       kAllBevelSides,
       TBevelCut::bvLowered,
       TBevelCut::bvRaised,
       BevelWeight::Normal,
       Rect(2, 2, 3, 2),
       {"llllls.", "lsssls.", "lsffls.", "llllls.", "ssssss.", "......."}},
      {"left and bottom, lowered bold",
       TBevelSides{TBevelSide::Left, TBevelSide::Bottom},
       TBevelCut::bvLowered,
       TBevelCut::bvNone,
       BevelWeight::Bold,
       Rect(2, 0, 5, 3),
       {"d.ffff.", "dsffff.", "dsffff.", "dsffff.", "llllll.", "......."}},
      {"top and right, raised bold",
       TBevelSides{TBevelSide::Top, TBevelSide::Right},
       TBevelCut::bvRaised,
       TBevelCut::bvNone,
       BevelWeight::Bold,
       Rect(0, 1, 3, 4),
       {"llllld.", "ffffsd.", "ffffsd.", "ffffsd.", "ffffsd.", "......."}},
  };
  for (const Row& row : rows) {
    Surface s(7, 6, clBlack);
    const TRect result = PaintBevelFrame(s, Rect(0, 0, 5, 4), row.sides, row.inner, row.outer, row.weight,
                                         kFill, FrameFill::Filled);
    EXPECT_EQ(result, row.result) << row.name;
    EXPECT_EQ(Picture(s), row.picture) << row.name;
  }
}

TEST(PaintBevelFrame, UsesTheCurrentPenStyleAndPutsThePenBack) {
  Surface s(12, 3, clBlack);
  const Pen dotted{PS_DOT, 0, clRed};
  s.SelectPen(dotted);
  s.SetBkMode(TRANSPARENT);
  PaintBevelFrame(s, Rect(0, 0, 11, 2), TBevelSides{TBevelSide::Top}, TBevelCut::bvSpace, TBevelCut::bvNone,
                  BevelWeight::Normal, kFill, FrameFill::Transparent);
  EXPECT_EQ(Picture(s)[0], "sss...sss...");
  EXPECT_EQ(s.CurrentPen(), dotted);
}

}  // namespace
}  // namespace ostrak
