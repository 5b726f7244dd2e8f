#pragma once

// The gallery's pages. A page is a function that renders some widget states;
// each lives in its own source file and registers itself with
// OSTRAK_GALLERY_PAGE, so adding a widget never touches main(). Every page is
// rendered once per device pixel ratio asked for; a picture at a ratio other
// than 1 is saved as NAME@<ratio>x.png.

#include <QImage>
#include <QString>
#include <functional>
#include <vector>

#include "platform/Dialogs.h"

class QWidget;

namespace ostrak {
class Surface;
}

namespace ostrak::gallery {

class Output {
public:
  explicit Output(QString directory) : directory_(std::move(directory)) {}

  // The device pixel ratio pictures are rendered at, and the whole scale a
  // page gives the surfaces it makes itself.
  void SetRatio(double ratio) { ratio_ = ratio; }
  double Ratio() const { return ratio_; }
  int Scale() const;

  // Writes `image` as it is; a failed write is counted and reported.
  void Save(const QImage& image, const QString& name);
  // Writes a surface's picture as a screen of the ratio shows it: scaled
  // down smoothly when the ratio is not a whole number.
  void Save(const Surface& surface, const QString& name);
  // Writes the widget as it appears on the screen.
  void SaveWidget(QWidget& widget, const QString& name);
  // Writes exactly the widget's own rectangle as it appears on its parent
  // (the parent painted first, then the widget over it).
  void SaveOnParent(QWidget& widget, const QString& name);

  // A page that cannot render its pictures says why; the run fails.
  void Fail(const QString& why);

  int Written() const { return written_; }
  int Failed() const { return failed_; }

private:
  // `area` of `widget` rendered at the ratio.
  QImage Grab(QWidget& widget, const QRect& area) const;

  QString directory_;
  double ratio_ = 1;
  int written_ = 0;
  int failed_ = 0;
};

using Page = std::function<void(Output&)>;

bool RegisterPage(const char* name, Page page);

// Nothing a page renders opens a dialog; should something try, it is
// cancelled.
class NoDialogs : public Dialogs {
public:
  void ShowMessage(const QString&, const QString&, MessageIcon) override {}
  void ShowNotice(const QString&, const QString&) override {}
  bool RunFileDialog(TFileDialog&) override { return false; }
};

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
