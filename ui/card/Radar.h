#pragma once

// The radar ("spider") chart of two to four fighters: one axis per rating or
// attribute, clockwise from the top, and one closed outline per fighter in a
// colour, dash and marker of its own, so the outlines stay apart for readers
// who do not tell the colours apart. A legend with the names sits below.
// The same drawing serves the comparison window and the saved pictures.

#include <QColor>
#include <QPointF>
#include <QRectF>
#include <QString>
#include <optional>
#include <vector>

#include "ui/card/Drawing.h"

class QPainter;

namespace ostrak {

struct RadarSeries {
  QString name;
  std::vector<int> values;  // one per axis
};

struct RadarChart {
  std::vector<QString> axes;
  int maximum = 100;
  QString unit;  // after each value: "%" for ratings, nothing for attributes
  std::vector<RadarSeries> series;
};

inline constexpr std::size_t kRadarMaxSeries = 4;

// The outline's look for series `index` (0 to 3).
struct RadarStyle {
  QColor colour;
  Qt::PenStyle dash;
};
RadarStyle RadarStyleOf(std::size_t index);

// "NAME: Ground 64%, Striking 62%, …": how assistive technology names an
// outline.
QString OutlineName(const RadarChart& chart, std::size_t series);
// "NAME: Ground 64%": what the pointer over one of an outline's corners shows.
QString CornerText(const RadarChart& chart, std::size_t series, std::size_t axis);

// Where the chart lies in a drawing area.
struct RadarGeometry {
  QPointF centre;
  double radius = 0;
  std::size_t axes = 0;
  int maximum = 100;

  // The point of `value` on axis `axis`: on the centre for 0, on the outer
  // ring for the maximum; values outside are held to that range.
  QPointF Point(std::size_t axis, double value) const;
  // The outline of a series, one point per axis.
  std::vector<QPointF> Outline(const std::vector<int>& values) const;
};

struct RadarLayout {
  RadarGeometry geometry;
  QRectF legend;  // below the chart
};

// The chart's layout in `area`, room left round it for the axes' captions.
RadarLayout LayOutRadar(const RadarChart& chart, const QRectF& area);
// A size that shows the chart, its captions and the legend comfortably.
QSize PreferredRadarSize(const RadarChart& chart);

struct RadarCorner {
  std::size_t series;
  std::size_t axis;
};
// The corner of an outline within `reach` pixels of `at`, the nearest one;
// of corners at the same place, the last drawn (the one on top).
std::optional<RadarCorner> CornerAt(const RadarChart& chart, const RadarGeometry& geometry, const QPointF& at,
                                    double reach = 6);

// Draws the chart and its legend in `area`; `highlight` rings one corner.
void PaintRadar(QPainter& painter, const RadarChart& chart, const QRectF& area,
                std::optional<RadarCorner> highlight = std::nullopt);

// The chart as a picture of its preferred size, for saving.
class RadarDrawing : public Drawing {
public:
  RadarDrawing(RadarChart chart, QString title) : chart_(std::move(chart)), title_(std::move(title)) {}

  QSize Size() const override { return PreferredRadarSize(chart_); }
  QString Title() const override { return title_; }
  QImage Raster(int scale) override;
  void Paint(QPainter& painter) override;

private:
  RadarChart chart_;
  QString title_;
};

}  // namespace ostrak
