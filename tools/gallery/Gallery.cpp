#include "tools/gallery/Gallery.h"

#include <QDir>
#include <QWidget>
#include <algorithm>
#include <cstdio>

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

void Output::Save(const QImage& image, const QString& name) {
  const QString path = QDir(directory_).filePath(name + QStringLiteral(".png"));
  if (image.save(path, "PNG")) {
    ++written_;
  } else {
    ++failed_;
    std::fprintf(stderr, "ostrak-gallery: cannot write %s\n", qPrintable(path));
  }
}

void Output::SaveOnParent(QWidget& widget, const QString& name) {
  QWidget* parent = widget.parentWidget();
  Save(parent ? parent->grab(widget.geometry()).toImage() : widget.grab().toImage(), name);
}

}  // namespace ostrak::gallery
