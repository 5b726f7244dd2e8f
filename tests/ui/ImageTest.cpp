// The picture control's click: a press and release on it, and nothing once
// the press was taken away from it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QTest>
#include <functional>

#include "ui/Image.h"

namespace ostrak {
namespace {

TEST(ImageClick, APressTakenAwayBeforeTheReleaseDoesNotClick) {
  const struct {
    const char* name;
    std::function<void(QWidget& window, TImage& image)> interrupt;
    int clicks;
  } rows[] = {
      {"nothing in between", [](QWidget&, TImage&) {}, 1},
      {"modal window",
       [](QWidget& window, TImage&) {
         QEvent blocked(QEvent::WindowBlocked);
         QApplication::sendEvent(&window, &blocked);
         QEvent unblocked(QEvent::WindowUnblocked);
         QApplication::sendEvent(&window, &unblocked);
       },
       0},
      {"hidden and shown", [](QWidget&, TImage& image) { image.hide(), image.show(); }, 0},
      {"window disabled and enabled",
       [](QWidget& window, TImage&) { window.setEnabled(false), window.setEnabled(true); }, 0},
  };
  for (const auto& row : rows) {
    QWidget window;
    auto* image = new TImage(&window);
    image->SetBounds(0, 0, 20, 20);
    int clicks = 0;
    image->OnClick = [&](QObject*) { ++clicks; };
    window.show();
    QTest::mousePress(image, Qt::LeftButton, {}, QPoint(5, 5));
    row.interrupt(window, *image);
    QTest::mouseRelease(image, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, row.clicks) << row.name;
  }
}

TEST(ImageClick, AHandlerMayDestroyTheControl) {
  QWidget window;
  QPointer<TImage> image = new TImage(&window);
  image->SetBounds(0, 0, 20, 20);
  image->OnClick = [&](QObject*) { delete image.data(); };
  window.show();
  QTest::mouseClick(image, Qt::LeftButton, {}, QPoint(5, 5));
  EXPECT_TRUE(image.isNull());
}

}  // namespace
}  // namespace ostrak
