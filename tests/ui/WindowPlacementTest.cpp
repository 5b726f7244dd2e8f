// Where a window opens: as near the wanted place as the screen's available
// area lets it lie wholly inside; one too large keeps its top-left corner.

#include <gtest/gtest.h>

#include "ui/WindowPlacement.h"

namespace ostrak {
namespace {

TEST(WindowPlacement, KeepsTheFrameInsideTheAvailableArea) {
  const QRect screen(0, 32, 1024, 736);  // a panel at the top
  const QSize evaluation(294, 148);
  EXPECT_EQ(KeepInside(screen, evaluation, {-5, 10}), QPoint(0, 32));
  EXPECT_EQ(KeepInside(screen, evaluation, {900, 700}), QPoint(730, 620));
  // The editor at twice the scale on a 1280 x 1024 screen.
  EXPECT_EQ(KeepInside({0, 0, 640, 512}, {463, 587}, {88, -38}), QPoint(88, 0));
  EXPECT_EQ(KeepInside({100, 50, 400, 300}, {463, 587}, {20, 20}), QPoint(100, 50));
}

}  // namespace
}  // namespace ostrak
