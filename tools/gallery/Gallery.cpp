#include "tools/gallery/Gallery.h"

#include <QDir>
#include <QPainter>
#include <QWidget>
#include <algorithm>
#include <cmath>
#include <cstdio>

#include "platform/DeviceScale.h"
#include "platform/Surface.h"

namespace ostrak::gallery {

namespace {

std::vector<NamedPage>& Registry() {
  static std::vector<NamedPage> pages;
  return pages;
}

}  // namespace

bool RegisterPage(const char* name, Page page) {
  Registry().push_back(NamedPage{name, std::move(page)});
  return true;
}

const std::vector<NamedPage>& Pages() {
  std::vector<NamedPage>& pages = Registry();
  std::sort(pages.begin(), pages.end(),
            [](const NamedPage& a, const NamedPage& b) { return std::string_view(a.name) < b.name; });
  return pages;
}

int Output::Scale() const { return DrawingScale(ratio_); }

void Output::Save(const QImage& image, const QString& name) {
  QString file = name;
  if (ratio_ != 1) file += QStringLiteral("@%1x").arg(ratio_);
  const QString path = QDir(directory_).filePath(file + QStringLiteral(".png"));
  if (image.save(path, "PNG")) {
    ++written_;
  } else {
    ++failed_;
    std::fprintf(stderr, "ostrak-gallery: cannot write %s\n", qPrintable(path));
  }
}

void Output::Fail(const QString& why) {
  ++failed_;
  std::fprintf(stderr, "ostrak-gallery: %s\n", qPrintable(why));
}

void Output::Save(const Surface& surface, const QString& name) {
  if (surface.Scale() == ratio_) {
    Save(surface.Image(), name);
    return;
  }
  QImage shown(static_cast<int>(std::lround(surface.Width() * ratio_)),
               static_cast<int>(std::lround(surface.Height() * ratio_)), QImage::Format_RGB32);
  shown.setDevicePixelRatio(ratio_);
  shown.fill(Qt::black);
  QPainter painter(&shown);
  DrawScaledImage(painter, QPoint(0, 0), surface.Image());
  painter.end();
  Save(shown, name);
}

// At ratio 1 this is the widget's own grab; at others the same rendering
// into a picture of that ratio, as a screen of it would show the widget.
QImage Output::Grab(QWidget& widget, const QRect& area) const {
  if (ratio_ == 1) return widget.grab(area).toImage();
  QImage picture((QSizeF(area.size()) * ratio_).toSize(), QImage::Format_ARGB32_Premultiplied);
  picture.setDevicePixelRatio(ratio_);
  picture.fill(Qt::transparent);
  widget.render(&picture, QPoint(), QRegion(area),
                QWidget::DrawWindowBackground | QWidget::DrawChildren | QWidget::IgnoreMask);
  return picture;
}

void Output::SaveWidget(QWidget& widget, const QString& name) { Save(Grab(widget, widget.rect()), name); }

void Output::SaveOnParent(QWidget& widget, const QString& name) {
  QWidget* parent = widget.parentWidget();
  Save(parent ? Grab(*parent, widget.geometry()) : Grab(widget, widget.rect()), name);
}

}  // namespace ostrak::gallery
