#pragma once

// The gallery's pages. A page is a function that renders some widget states;
// each lives in its own source file and registers itself with
// OSTRAK_GALLERY_PAGE, so adding a widget never touches main().

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

class QWidget;

namespace ostrak::gallery {

class Output {
public:
  explicit Output(QString directory) : directory_(std::move(directory)) {}

  // Writes `image` as NAME.png; a failed write is counted and reported.
  void Save(const QImage& image, const QString& name);
  // Writes exactly the widget's own rectangle as it appears on its parent
  // (the parent painted first, then the widget over it).
  void SaveOnParent(QWidget& widget, const QString& name);

  int Written() const { return written_; }
  int Failed() const { return failed_; }

private:
  QString directory_;
  int written_ = 0;
  int failed_ = 0;
};

using Page = std::function<void(Output&)>;

bool RegisterPage(const char* name, Page page);

struct NamedPage {
  const char* name;
  Page render;
};
const std::vector<NamedPage>& Pages();

}  // namespace ostrak::gallery

#define OSTRAK_GALLERY_PAGE(identifier)                         \
  static void identifier(::ostrak::gallery::Output& out);       \
  [[maybe_unused]] static const bool identifier##Registered =   \
      ::ostrak::gallery::RegisterPage(#identifier, identifier); \
  static void identifier(::ostrak::gallery::Output& out)
