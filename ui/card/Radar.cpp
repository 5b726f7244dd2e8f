#include "ui/card/Radar.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

#include "platform/Fonts.h"

namespace ostrak {

namespace {

constexpr double kCaptionGap = 8;
constexpr double kLegendRow = 18;
constexpr double kMarker = 3.5;
constexpr QColor kGrid(216, 216, 216);
constexpr QColor kOuterRing(160, 160, 160);
constexpr QColor kCaption(48, 48, 48);
constexpr QColor kRingValue(128, 128, 128);

// Blue, vermilion, bluish green and reddish purple from the palette made to
// stay apart under every common kind of colour blindness; each with a dash
// and a marker of its own besides.
constexpr std::array<RadarStyle, kRadarMaxSeries> kStyles = {{
    {QColor(0, 114, 178), Qt::SolidLine},
    {QColor(213, 94, 0), Qt::DashLine},
    {QColor(0, 158, 115), Qt::DashDotLine},
    {QColor(204, 121, 167), Qt::DotLine},
}};

enum class Marker { Circle, Square, Triangle, Diamond };

QFont ChartFont() {
  QFont font = TahomaFont().ToQFont();
  font.setStyleStrategy(QFont::PreferDefault);
  font.setHintingPreference(QFont::PreferNoHinting);
  return font;
}

std::size_t LegendRows(const RadarChart& chart) { return (chart.series.size() + 1) / 2; }

double LegendHeight(const RadarChart& chart) {
  return chart.series.empty() ? 0 : static_cast<double>(LegendRows(chart)) * kLegendRow + 8;
}

// The widest and the tallest of the axes' captions.
QSizeF CaptionRoom(const RadarChart& chart) {
  const QFontMetricsF metrics(ChartFont());
  double width = 0;
  for (const QString& axis : chart.axes) width = std::max(width, metrics.horizontalAdvance(axis));
  return QSizeF(width, metrics.height());
}

int Rings(int maximum) { return maximum % 20 == 0 && maximum > 20 ? 5 : 4; }

QString ValueText(const RadarChart& chart, int value) { return QString::number(value) + chart.unit; }

void DrawMarker(QPainter& painter, const QPointF& at, std::size_t series, const QColor& colour) {
  painter.setPen(QPen(Qt::white, 1));
  painter.setBrush(colour);
  const double r = kMarker;
  switch (static_cast<Marker>(series % kRadarMaxSeries)) {
    case Marker::Circle:
      painter.drawEllipse(at, r, r);
      break;
    case Marker::Square:
      painter.drawRect(QRectF(at.x() - r, at.y() - r, 2 * r, 2 * r));
      break;
    case Marker::Triangle: {
      const QPointF points[] = {at + QPointF(0, -r - 1), at + QPointF(r + 1, r), at + QPointF(-r - 1, r)};
      painter.drawPolygon(points, 3);
      break;
    }
    case Marker::Diamond: {
      const QPointF points[] = {at + QPointF(0, -r - 1), at + QPointF(r + 1, 0), at + QPointF(0, r + 1),
                                at + QPointF(-r - 1, 0)};
      painter.drawPolygon(points, 4);
      break;
    }
  }
}

QPolygonF Polygon(const std::vector<QPointF>& points) {
  return QPolygonF(QList<QPointF>(points.begin(), points.end()));
}

// A caption placed beside the end of its axis: to the right of an axis that
// points right, above one that points up, and so on.
void DrawAxisCaption(QPainter& painter, const RadarGeometry& geometry, std::size_t axis,
                     const QString& text) {
  const QFontMetricsF metrics(painter.font());
  const QPointF end = geometry.Point(axis, geometry.maximum);
  const QPointF direction = (end - geometry.centre) / std::max(geometry.radius, 1.0);
  const QPointF at = end + direction * kCaptionGap;
  const double width = metrics.horizontalAdvance(text);
  const double height = metrics.height();
  double left = at.x() - width / 2;
  if (direction.x() > 0.3) left = at.x();
  if (direction.x() < -0.3) left = at.x() - width;
  double top = at.y() - height / 2;
  if (direction.y() > 0.3) top = at.y();
  if (direction.y() < -0.3) top = at.y() - height;
  painter.drawText(QPointF(left, top + metrics.ascent()), text);
}

void DrawLegend(QPainter& painter, const RadarChart& chart, const QRectF& legend) {
  const QFontMetricsF metrics(painter.font());
  const double column = legend.width() / 2;
  for (std::size_t i = 0; i < chart.series.size(); ++i) {
    const RadarStyle style = RadarStyleOf(i);
    const double left = legend.left() + static_cast<double>(i % 2) * column + 8;
    const double middle = legend.top() + 4 + static_cast<double>(i / 2) * kLegendRow + kLegendRow / 2;
    painter.setPen(QPen(style.colour, 2, style.dash, Qt::FlatCap));
    painter.drawLine(QPointF(left, middle), QPointF(left + 28, middle));
    DrawMarker(painter, QPointF(left + 14, middle), i, style.colour);
    painter.setPen(kCaption);
    const QString name = metrics.elidedText(chart.series[i].name, Qt::ElideRight, column - 48);
    painter.drawText(QPointF(left + 36, middle - metrics.height() / 2 + metrics.ascent()), name);
  }
}

}  // namespace

RadarStyle RadarStyleOf(std::size_t index) { return kStyles[index % kStyles.size()]; }

QString OutlineName(const RadarChart& chart, std::size_t series) {
  const RadarSeries& fighter = chart.series.at(series);
  QStringList values;
  for (std::size_t axis = 0; axis < chart.axes.size() && axis < fighter.values.size(); ++axis)
    values << chart.axes[axis] + QLatin1Char(' ') + ValueText(chart, fighter.values[axis]);
  return fighter.name + QStringLiteral(": ") + values.join(QStringLiteral(", "));
}

QString CornerText(const RadarChart& chart, std::size_t series, std::size_t axis) {
  const RadarSeries& fighter = chart.series.at(series);
  return fighter.name + QStringLiteral(": ") + chart.axes.at(axis) + QLatin1Char(' ') +
         ValueText(chart, fighter.values.at(axis));
}

QPointF RadarGeometry::Point(std::size_t axis, double value) const {
  const double angle = -std::numbers::pi / 2 + 2 * std::numbers::pi * static_cast<double>(axis) /
                                                   static_cast<double>(std::max<std::size_t>(axes, 1));
  const double share = std::clamp(value, 0.0, static_cast<double>(maximum)) / std::max(maximum, 1);
  return centre + QPointF(std::cos(angle), std::sin(angle)) * radius * share;
}

std::vector<QPointF> RadarGeometry::Outline(const std::vector<int>& values) const {
  std::vector<QPointF> points;
  for (std::size_t axis = 0; axis < axes && axis < values.size(); ++axis)
    points.push_back(Point(axis, values[axis]));
  return points;
}

RadarLayout LayOutRadar(const RadarChart& chart, const QRectF& area) {
  const QSizeF room = CaptionRoom(chart);
  const double legend = LegendHeight(chart);
  const QRectF plot = area.adjusted(0, 0, 0, -legend);
  RadarLayout layout;
  layout.geometry.axes = chart.axes.size();
  layout.geometry.maximum = chart.maximum;
  layout.geometry.centre = plot.center();
  layout.geometry.radius = std::max(20.0, std::min(plot.width() / 2 - room.width() - kCaptionGap - 4,
                                                   plot.height() / 2 - room.height() - kCaptionGap - 4));
  layout.legend = QRectF(area.left(), area.bottom() - legend, area.width(), legend);
  return layout;
}

QSize PreferredRadarSize(const RadarChart& chart) {
  const QSizeF room = CaptionRoom(chart);
  const double radius = chart.axes.size() > 8 ? 135 : 115;
  const double width = 2 * (radius + room.width() + kCaptionGap + 4);
  const double height = 2 * (radius + room.height() + kCaptionGap + 4) + LegendHeight(chart);
  // Whole points at 96 pixels an inch, so that a page holds the chart exactly.
  const auto points = [](double pixels) { return static_cast<int>(std::ceil(pixels / 4)) * 4; };
  return QSize(points(std::max(width, 360.0)), points(height));
}

std::optional<RadarCorner> CornerAt(const RadarChart& chart, const RadarGeometry& geometry, const QPointF& at,
                                    double reach) {
  std::optional<RadarCorner> nearest;
  double best = reach;
  for (std::size_t series = 0; series < chart.series.size(); ++series) {
    const std::vector<QPointF> outline = geometry.Outline(chart.series[series].values);
    for (std::size_t axis = 0; axis < outline.size(); ++axis) {
      const double distance = std::hypot(outline[axis].x() - at.x(), outline[axis].y() - at.y());
      if (distance <= best) {
        best = distance;
        nearest = RadarCorner{series, axis};
      }
    }
  }
  return nearest;
}

void PaintRadar(QPainter& painter, const RadarChart& chart, const QRectF& area,
                std::optional<RadarCorner> highlight) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.fillRect(area, Qt::white);
  painter.setFont(ChartFont());
  const RadarLayout layout = LayOutRadar(chart, area);
  const RadarGeometry& geometry = layout.geometry;
  const std::size_t axes = geometry.axes;
  if (axes >= 3) {
    const int rings = Rings(chart.maximum);
    painter.setBrush(Qt::NoBrush);
    for (int ring = 1; ring <= rings; ++ring) {
      std::vector<QPointF> points;
      for (std::size_t axis = 0; axis < axes; ++axis)
        points.push_back(geometry.Point(axis, static_cast<double>(chart.maximum) * ring / rings));
      painter.setPen(QPen(ring == rings ? kOuterRing : kGrid, 1));
      painter.drawPolygon(Polygon(points));
    }
    painter.setPen(QPen(kGrid, 1));
    for (std::size_t axis = 0; axis < axes; ++axis)
      painter.drawLine(geometry.centre, geometry.Point(axis, chart.maximum));
    // The scale beside the first axis; the outer ring's value would run into
    // that axis's caption.
    painter.setPen(kRingValue);
    const QFontMetricsF metrics(painter.font());
    for (int ring = 1; ring < rings; ++ring) {
      const int value = chart.maximum * ring / rings;
      const QPointF at = geometry.Point(0, value);
      painter.drawText(at + QPointF(4, (metrics.ascent() - metrics.descent()) / 2), ValueText(chart, value));
    }
    painter.setPen(kCaption);
    for (std::size_t axis = 0; axis < axes; ++axis)
      DrawAxisCaption(painter, geometry, axis, chart.axes[axis]);

    for (std::size_t series = 0; series < chart.series.size(); ++series) {
      const RadarStyle style = RadarStyleOf(series);
      const std::vector<QPointF> outline = geometry.Outline(chart.series[series].values);
      QColor fill = style.colour;
      fill.setAlpha(36);
      painter.setPen(QPen(style.colour, 2, style.dash, Qt::RoundCap, Qt::RoundJoin));
      painter.setBrush(fill);
      painter.drawPolygon(Polygon(outline));
      for (const QPointF& corner : outline) DrawMarker(painter, corner, series, style.colour);
    }
    if (highlight && highlight->series < chart.series.size() && highlight->axis < axes) {
      const QPointF corner =
          geometry.Point(highlight->axis, chart.series[highlight->series].values.at(highlight->axis));
      painter.setPen(QPen(Qt::black, 1.5));
      painter.setBrush(Qt::NoBrush);
      painter.drawEllipse(corner, kMarker + 3, kMarker + 3);
    }
  }
  DrawLegend(painter, chart, layout.legend);
  painter.restore();
}

QImage RadarDrawing::Raster(int scale) {
  const QSize size = Size();
  QImage image(size * scale, QImage::Format_RGB32);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::white);
  QPainter painter(&image);
  PaintRadar(painter, chart_, QRectF(QPointF(0, 0), QSizeF(size)));
  return image;
}

void RadarDrawing::Paint(QPainter& painter) {
  PaintRadar(painter, chart_, QRectF(QPointF(0, 0), QSizeF(Size())));
}

}  // namespace ostrak
