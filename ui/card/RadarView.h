#pragma once

// A radar chart on screen. The pointer over a corner of an outline shows
// that fighter's value there; assistive technology finds one object per
// outline, named with all of its values.

#include <QWidget>
#include <optional>
#include <vector>

#include "ui/card/Radar.h"

namespace ostrak {

class RadarView : public QWidget {
  Q_OBJECT

public:
  explicit RadarView(QWidget* parent = nullptr);

  void SetChart(RadarChart chart);
  const RadarChart& Chart() const { return chart_; }
  RadarGeometry Geometry() const;
  // The objects that stand for the outlines, in the series' order.
  std::vector<QWidget*> Outlines() const;
  // What the pointer shows where it is now; empty off every corner.
  QString HoverText() const;

  QSize sizeHint() const override { return PreferredRadarSize(chart_); }
  QSize minimumSizeHint() const override { return PreferredRadarSize(chart_) * 3 / 4; }

protected:
  void paintEvent(QPaintEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

private:
  void PlaceOutlines();

  RadarChart chart_;
  std::optional<RadarCorner> hovered_;
  std::vector<QWidget*> outlines_;
};

}  // namespace ostrak
