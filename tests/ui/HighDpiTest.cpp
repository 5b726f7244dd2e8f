// At two device pixels per pixel, every self-drawn control fills its
// enlarged rectangle with its own picture, each pixel doubled: nothing half
// drawn, nothing shifted.

#include <gtest/gtest.h>

#include <QImage>

#include "ui/EditorHarness.h"

namespace ostrak {
namespace {

using test::EditorHarness;

QImage Render(QWidget& window, int scale) {
  QImage image(window.size() * scale, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(scale);
  image.fill(Qt::magenta);
  window.render(&image);
  return image;
}

// The first pixel of `area` where the scaled picture is not the plain one
// doubled, or "" when there is none.
std::string FirstMismatch(const QImage& plain, const QImage& twice, const QRect& area) {
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      const QRgb expected = plain.pixel(x, y);
      for (const QPoint at : {QPoint(2 * x, 2 * y), QPoint(2 * x + 1, 2 * y + 1)}) {
        if (twice.pixel(at) != expected) return std::to_string(x) + "," + std::to_string(y);
      }
    }
  }
  return "";
}

TEST(HighDpi, SelfDrawnControlsAreScaledWhole) {
  EditorHarness editor;
  TForm1& form = editor.Form();
  editor.Type(form.spPunch, "17");
  editor.Click(form.NavPanelButton5);
  struct Window {
    QWidget* window;
    std::vector<QWidget*> controls;
  };
  const Window windows[] = {
      {&form,
       {form.NavPanelButton1, form.NavPanelButton2, form.NavPanelButton3, form.NavPanelButton4,
        form.NavPanelButton5, form.imIdioma}},
      {&editor.Evaluation(), {}},
  };
  for (const Window& w : windows) {
    const QImage plain = Render(*w.window, 1);
    const QImage twice = Render(*w.window, 2);
    std::vector<QWidget*> controls = w.controls;
    if (controls.empty()) {
      for (TGradientProgress* bar : editor.Evaluation().Bars()) controls.push_back(bar);
    }
    for (QWidget* control : controls) {
      const QRect area = control->geometry().intersected(w.window->rect());
      EXPECT_EQ(FirstMismatch(plain, twice, area), "") << control->objectName().toStdString();
    }
  }
}

}  // namespace
}  // namespace ostrak
