#include "ui/card/RadarView.h"

#include <QAccessibleWidget>
#include <QMouseEvent>
#include <QPainter>
#include <QToolTip>

#include "platform/AccessibleFactory.h"
#include "platform/ErrorGuard.h"

namespace ostrak {

namespace {

// One outline for assistive technology: a picture named with the fighter's
// values, over the outline's bounds. It draws nothing and takes no input.
class RadarOutline : public QWidget {
  Q_OBJECT

public:
  explicit RadarOutline(QWidget* parent) : QWidget(parent) {
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setAttribute(Qt::WA_NoSystemBackground);
    setFocusPolicy(Qt::NoFocus);
  }
};

class AccessibleOutline : public QAccessibleWidget {
public:
  explicit AccessibleOutline(RadarOutline* outline) : QAccessibleWidget(outline, QAccessible::Graphic) {}
};

class AccessibleRadar : public QAccessibleWidget {
public:
  explicit AccessibleRadar(RadarView* view) : QAccessibleWidget(view, QAccessible::Chart) {}
};

}  // namespace

RadarView::RadarView(QWidget* parent) : QWidget(parent) {
  InstallAccessibleFactory<RadarOutline, AccessibleOutline>();
  InstallAccessibleFactory<RadarView, AccessibleRadar>();
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void RadarView::SetChart(RadarChart chart) {
  chart_ = std::move(chart);
  hovered_.reset();
  for (QWidget* outline : outlines_) delete outline;
  outlines_.clear();
  for (std::size_t series = 0; series < chart_.series.size(); ++series) {
    auto* outline = new RadarOutline(this);
    outline->setObjectName(QStringLiteral("outline%1").arg(series));
    outline->setAccessibleName(OutlineName(chart_, series));
    outline->show();
    outlines_.push_back(outline);
  }
  PlaceOutlines();
  updateGeometry();
  update();
}

RadarGeometry RadarView::Geometry() const { return LayOutRadar(chart_, QRectF(rect())).geometry; }

std::vector<QWidget*> RadarView::Outlines() const { return outlines_; }

QString RadarView::HoverText() const {
  return hovered_ ? CornerText(chart_, hovered_->series, hovered_->axis) : QString();
}

void RadarView::PlaceOutlines() {
  const RadarGeometry geometry = Geometry();
  for (std::size_t series = 0; series < outlines_.size(); ++series) {
    const std::vector<QPointF> points = geometry.Outline(chart_.series[series].values);
    const QRectF bounds = QPolygonF(QList<QPointF>(points.begin(), points.end())).boundingRect();
    outlines_[series]->setGeometry(bounds.toAlignedRect().adjusted(-4, -4, 4, 4));
  }
}

void RadarView::paintEvent(QPaintEvent*) {
  Guard([this] {
    QPainter painter(this);
    PaintRadar(painter, chart_, QRectF(rect()), hovered_);
  });
}

void RadarView::mouseMoveEvent(QMouseEvent* event) {
  Guard([&] {
    const std::optional<RadarCorner> corner = CornerAt(chart_, Geometry(), event->position());
    const bool moved = corner.has_value() != hovered_.has_value() ||
                       (corner && (corner->series != hovered_->series || corner->axis != hovered_->axis));
    hovered_ = corner;
    if (!moved) return;
    update();
    if (hovered_) {
      QToolTip::showText(event->globalPosition().toPoint(), HoverText(), this);
    } else {
      QToolTip::hideText();
    }
  });
}

void RadarView::leaveEvent(QEvent*) {
  hovered_.reset();
  QToolTip::hideText();
  update();
}

void RadarView::resizeEvent(QResizeEvent*) { PlaceOutlines(); }

}  // namespace ostrak

#include "RadarView.moc"
