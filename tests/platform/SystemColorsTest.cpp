#include "platform/SystemColors.h"

#include <gtest/gtest.h>

namespace ostrak {
namespace {

TEST(SystemColors, ResolvesSystemColoursThroughTheFixedScheme) {
  EXPECT_EQ(ColorToRGB(clBtnFace), RGB(240, 240, 240));
  EXPECT_EQ(ColorToRGB(clBtnShadow), RGB(160, 160, 160));
  EXPECT_EQ(ColorToRGB(clBtnHighlight), RGB(255, 255, 255));
  EXPECT_EQ(ColorToRGB(clWindow), RGB(255, 255, 255));
  EXPECT_EQ(ColorToRGB(clWindowText), RGB(0, 0, 0));
  EXPECT_EQ(GetSysColor(COLOR_3DDKSHADOW), RGB(105, 105, 105));
}

TEST(SystemColors, LeavesPlainColoursAndNoneAlone) {
  EXPECT_EQ(ColorToRGB(clTeal), clTeal);
  EXPECT_EQ(ColorToRGB(0x00F7E2CD), 0x00F7E2CDu);
  EXPECT_EQ(ColorToRGB(clNone), clNone);
}

TEST(SystemColors, UnknownIndexIsBlack) {
  EXPECT_EQ(GetSysColor(200), 0u);
  EXPECT_EQ(ColorToRGB(0xFF0000C8), 0u);
}

}  // namespace
}  // namespace ostrak
