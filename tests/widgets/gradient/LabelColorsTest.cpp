#include <gtest/gtest.h>

#include "core/Errors.h"
#include "widgets/gradient/GradientClasses.h"
#include "widgets/gradient/LabelColors.h"

namespace ostrak {
namespace {

TEST(TSimpleLabelColors, StartsWithTheClassColoursAndStoresSystemColoursUnresolved) {
  TSimpleLabelColors colors;
  EXPECT_EQ(colors.Delineate(), clWhite);
  EXPECT_EQ(colors.Shadow(), clBtnShadow);
  EXPECT_EQ(colors.Highlight(), clBtnHighlight);
  EXPECT_EQ(colors.Background(), clBtnFace);
  int calls = 0;
  colors.ChangeCallback = [&](TCustomTextColors&) { ++calls; };
  colors.SetShadow(clBtnShadow);
  EXPECT_EQ(calls, 0);
  colors.SetBackground(clWindow);
  colors.SetDelineate(clGray);
  colors.SetHighlight(clYellow);
  EXPECT_EQ(calls, 3);
  EXPECT_EQ(colors.Background(), clWindow);
}

TEST(TSimpleLabelColors, AssignCopiesAllAndNotifiesOnceEvenWhenEqual) {
  TSimpleLabelColors source, target;
  source.SetDelineate(clGray);
  source.SetShadow(clBlack);
  source.SetBackground(clBlack);
  int calls = 0;
  target.ChangeCallback = [&](TCustomTextColors&) { ++calls; };
  target.Assign(source);
  EXPECT_EQ(calls, 1);
  EXPECT_EQ(target.Delineate(), clGray);
  EXPECT_EQ(target.Shadow(), clBlack);
  EXPECT_EQ(target.Highlight(), clBtnHighlight);
  EXPECT_EQ(target.Background(), clBlack);
  target.Assign(source);
  EXPECT_EQ(calls, 2);
  target.Assign(target);
  EXPECT_EQ(calls, 2);
}

TEST(TSimpleLabelColors, ACopyDoesNotCarryTheOwnersCallback) {
  TSimpleLabelColors owned;
  int calls = 0;
  owned.ChangeCallback = [&](TCustomTextColors&) { ++calls; };
  owned.SetShadow(clBlack);
  TSimpleLabelColors copy(owned);
  EXPECT_EQ(copy.Shadow(), clBlack);
  copy.SetShadow(clWhite);
  EXPECT_EQ(calls, 1);
}

TEST(TSimpleLabelColors, AssignFromAGradientFails) {
  TSimpleLabelColors colors;
  const TGradient gradient;
  try {
    colors.Assign(gradient);
    FAIL() << "no error";
  } catch (const AssignError& error) {
    EXPECT_STREQ(error.what(), "Cannot assign a TGradient to a TSimpleLabelColors");
  }
}

}  // namespace
}  // namespace ostrak
