#include "ui/Image.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include "platform/DeviceScale.h"
#include "platform/ErrorGuard.h"
#include "platform/PlainToolTip.h"
#include "platform/PressInterruption.h"
#include "platform/Surface.h"
#include "ui/AccessibleImage.h"

namespace ostrak {

TImage::TImage(QWidget* parent) : QWidget(parent) {
  InstallAccessibleImages();
  picture_.OnChange = [this](TPicture&) { Invalidate(); };
}

TImage::~TImage() { picture_.OnChange = nullptr; }

void TImage::SetStretch(bool stretch) {
  if (stretch == stretch_) return;
  stretch_ = stretch;
  Invalidate();
}

void TImage::Invalidate() {
  stale_ = true;
  update();
}

void TImage::Compose(int scale) {
  stale_ = false;
  composedScale_ = scale;
  std::string failure;
  try {
    if (scale > 1 || !ShareCoveringPicture()) DrawPicture(scale);
  } catch (const std::exception& error) {
    failure = error.what();
  } catch (...) {
    failure = "Unknown failure";
  }
  if (failure.empty()) return;
  composed_ = QImage();
  QTimer::singleShot(0, this, [failure] { Guard([&failure] { ShowError(failure); }); });
}

// Stretched or not, every pixel of such a picture lands on itself.
bool TImage::ShareCoveringPicture() {
  TGraphic* graphic = picture_.Graphic();
  if (!graphic || graphic->Width() != width() || graphic->Height() != height()) return false;
  const QImage& pixels = graphic->Pixels();
  if (pixels.format() != QImage::Format_RGB32) return false;
  composed_ = pixels;
  return true;
}

void TImage::DrawPicture(int scale) {
  composed_ = QImage(std::max(0, width()) * scale, std::max(0, height()) * scale,
                     QImage::Format_ARGB32_Premultiplied);
  composed_.setDevicePixelRatio(scale);
  composed_.fill(Qt::transparent);
  Surface canvas(&composed_);
  const TRect all = Rect(0, 0, width(), height());
  if (stretch_) {
    picture_.StretchDraw(canvas, all);
  } else {
    picture_.Draw(canvas, TPoint{0, 0}, all);
  }
}

void TImage::paintEvent(QPaintEvent* event) {
  QPainter painter(this);
  const int scale = DrawingScale(painter);
  if (stale_ || scale != composedScale_) Compose(scale);
  if (scale == 1) {
    painter.drawImage(event->rect(), composed_, event->rect());
  } else {
    DrawScaledImage(painter, QPoint(0, 0), composed_);
  }
}

void TImage::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  stale_ = true;
}

void TImage::mousePressEvent(QMouseEvent* event) {
  if (event->button() == Qt::LeftButton) pressed_ = true;
}

void TImage::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton || !pressed_) return;
  pressed_ = false;
  if (!rect().contains(event->position().toPoint())) return;
  Guard([this] {
    if (OnClick) OnClick(this);
  });
}

// A press ends with the control's use: once it is hidden, disabled or
// blocked by a modal window, a later release must not click. Judged before
// Qt handles the event, which may end with the control destroyed.
bool TImage::event(QEvent* event) {
  if (InterruptsPress(*this, *event)) pressed_ = false;
  if (ShowPlainToolTip(*this, *event)) return true;
  return QWidget::event(event);
}

}  // namespace ostrak
