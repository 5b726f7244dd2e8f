// The radar's geometry for known values, what it tells of its outlines, and
// how the pointer and assistive technology reach their values.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QMouseEvent>
#include <QToolTip>
#include <cmath>

#include "ui/card/RadarView.h"

namespace ostrak {
namespace {

RadarChart TwoFighters() {
  RadarChart chart;
  chart.axes = {"Ground", "Striking", "Defense", "Fitness", "Mental", "Overall"};
  chart.unit = QStringLiteral("%");
  chart.series = {{QStringLiteral("Ana Goñi"), {64, 62, 65, 70, 67, 65}},
                  {QStringLiteral("Kenji Arai"), {72, 75, 73, 74, 73, 74}}};
  return chart;
}

struct PointCase {
  const char* name;
  std::size_t axis;
  double value;
  double x;
  double y;
};

class RadarPoint : public ::testing::TestWithParam<PointCase> {};

// Six axes round (100, 100), the outer ring 50 away: clockwise from the top.
TEST_P(RadarPoint, LiesOnItsAxisAtItsShareOfTheRadius) {
  const PointCase& c = GetParam();
  const RadarGeometry geometry{QPointF(100, 100), 50, 6, 100};
  const QPointF point = geometry.Point(c.axis, c.value);
  EXPECT_NEAR(point.x(), c.x, 1e-9);
  EXPECT_NEAR(point.y(), c.y, 1e-9);
}

const double kHalfRoot3 = std::sqrt(3.0) / 2;

INSTANTIATE_TEST_SUITE_P(
    KnownValues, RadarPoint,
    ::testing::Values(PointCase{"FullOnTheFirstAxisIsStraightUp", 0, 100, 100, 50},
                      PointCase{"HalfOnTheSecondAxis", 1, 50, 100 + 25 * kHalfRoot3, 87.5},
                      PointCase{"FullOnTheFourthAxisIsStraightDown", 3, 100, 100, 150},
                      PointCase{"SixtyFourOnTheFifth", 4, 64, 100 - 32 * kHalfRoot3, 116},
                      PointCase{"ZeroIsTheCentre", 2, 0, 100, 100},
                      PointCase{"AboveTheMaximumIsHeldToTheRing", 0, 150, 100, 50},
                      PointCase{"BelowZeroIsHeldToTheCentre", 5, -10, 100, 100}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Radar, AttributesGoRoundEighteenAxesUpToTwenty) {
  const RadarGeometry geometry{QPointF(0, 0), 90, 18, 20};
  const QPointF quarter = geometry.Point(9, 10);  // half way round, half way out
  EXPECT_NEAR(quarter.x(), 0, 1e-9);
  EXPECT_NEAR(quarter.y(), 45, 1e-9);
  EXPECT_NEAR(geometry.Point(1, 20).x(), 90 * std::sin(2 * M_PI / 18), 1e-9);
}

TEST(Radar, NamesEachOutlineWithEveryValueAndACornerWithItsOwn) {
  const RadarChart ratings = TwoFighters();
  EXPECT_EQ(OutlineName(ratings, 0),
            QStringLiteral(
                "Ana Goñi: Ground 64%, Striking 62%, Defense 65%, Fitness 70%, Mental 67%, Overall 65%"));
  EXPECT_EQ(CornerText(ratings, 1, 3), QStringLiteral("Kenji Arai: Fitness 74%"));
  RadarChart attributes;
  attributes.axes = {"Punches", "Kicks", "Strength"};
  attributes.maximum = 20;
  attributes.series = {{QStringLiteral("Ana"), {16, 12, 1}}};
  EXPECT_EQ(OutlineName(attributes, 0), QStringLiteral("Ana: Punches 16, Kicks 12, Strength 1"));
}

TEST(Radar, TheCornerUnderThePointerIsTheNearestWithinReachTheTopOneOnATie) {
  RadarChart chart = TwoFighters();
  chart.series[1].values[2] = 65;  // the same corner as the first fighter's
  const RadarGeometry geometry{QPointF(200, 200), 100, 6, 100};
  const QPointF ground = geometry.Point(0, 64);
  const auto hit = CornerAt(chart, geometry, ground + QPointF(3, 2));
  ASSERT_TRUE(hit);
  EXPECT_EQ(hit->series, 0u);
  EXPECT_EQ(hit->axis, 0u);
  EXPECT_FALSE(CornerAt(chart, geometry, ground + QPointF(7, 0)));
  const auto shared = CornerAt(chart, geometry, geometry.Point(2, 65));
  ASSERT_TRUE(shared);
  EXPECT_EQ(shared->series, 1u);
}

TEST(RadarView, ShowsTheValueUnderThePointerAndNamesEachOutlineForAssistiveTechnology) {
  RadarView view;
  view.resize(view.sizeHint());
  view.SetChart(TwoFighters());
  view.show();
  const RadarGeometry geometry = view.Geometry();
  const QPointF corner = geometry.Point(1, 75);
  QMouseEvent move(QEvent::MouseMove, corner, view.mapToGlobal(corner), Qt::NoButton, Qt::NoButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&view, &move);
  EXPECT_EQ(view.HoverText(), QStringLiteral("Kenji Arai: Striking 75%"));
  EXPECT_EQ(QToolTip::text(), view.HoverText());
  const QPointF away = geometry.centre + QPointF(3, 3);
  QMouseEvent off(QEvent::MouseMove, away, view.mapToGlobal(away), Qt::NoButton, Qt::NoButton,
                  Qt::NoModifier);
  QApplication::sendEvent(&view, &off);
  EXPECT_EQ(view.HoverText(), QString());

  QAccessibleInterface* radar = QAccessible::queryAccessibleInterface(&view);
  ASSERT_NE(radar, nullptr);
  EXPECT_EQ(radar->role(), QAccessible::Chart);
  QStringList names;
  for (int i = 0; i < radar->childCount(); ++i) {
    QAccessibleInterface* child = radar->child(i);
    EXPECT_EQ(child->role(), QAccessible::Graphic);
    names << child->text(QAccessible::Name);
  }
  EXPECT_EQ(names, QStringList({OutlineName(TwoFighters(), 0), OutlineName(TwoFighters(), 1)}));
  // Over its outline, for a reader that shows where an object is.
  const QRect bounds = radar->child(0)->rect();
  EXPECT_TRUE(bounds.contains(view.mapToGlobal(geometry.Point(0, 64).toPoint())));

  // A new comparison names its own outlines.
  RadarChart one = TwoFighters();
  one.series.pop_back();
  view.SetChart(one);
  EXPECT_EQ(radar->childCount(), 1);
}

}  // namespace
}  // namespace ostrak
