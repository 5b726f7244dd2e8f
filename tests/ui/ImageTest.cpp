// The picture control as it shows on its parent (stretched, at its own size,
// after the picture or the control's size changes) and its click: a press
// and release on it, and nothing once the press was taken away from it.

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPointer>
#include <QTest>
#include <functional>
#include <vector>

#include "support/TempDirectory.h"
#include "ui/Image.h"

namespace ostrak {
namespace {

constexpr QRgb R = 0xFFFF0000, G = 0xFF00FF00, B = 0xFF0000FF, Y = 0xFFFFFF00, W = 0xFFFFFFFF;

std::string Bitmap(QRgb topLeft, QRgb topRight, QRgb bottomLeft, QRgb bottomRight) {
  QImage image(2, 2, QImage::Format_RGB32);
  image.setPixel(0, 0, topLeft);
  image.setPixel(1, 0, topRight);
  image.setPixel(0, 1, bottomLeft);
  image.setPixel(1, 1, bottomRight);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  EXPECT_TRUE(image.save(&buffer, "BMP"));
  return bytes.toStdString();
}

// The control on a white parent, as it shows there, row by row.
class Shown {
public:
  Shown(int width, int height) {
    parent_.resize(8, 8);
    QPalette white = parent_.palette();
    white.setColor(QPalette::Window, Qt::white);
    parent_.setPalette(white);
    parent_.setAutoFillBackground(true);
    image_ = new TImage(&parent_);
    image_->SetBounds(0, 0, width, height);
  }

  TImage& Control() { return *image_; }

  std::vector<QRgb> Pixels() {
    const QImage shown = parent_.grab().toImage().convertToFormat(QImage::Format_RGB32);
    std::vector<QRgb> pixels;
    for (int y = 0; y < image_->height(); ++y) {
      for (int x = 0; x < image_->width(); ++x) pixels.push_back(shown.pixel(x, y));
    }
    return pixels;
  }

private:
  QWidget parent_;
  TImage* image_;
};

TEST(Image, ShowsThePictureStretchedOrAtItsOwnSize) {
  test::TempDirectory folder;
  const std::string file = folder.File("four.bmp", Bitmap(R, G, B, Y));
  struct Row {
    const char* name;
    int width, height;
    bool stretch;
    std::vector<QRgb> pixels;
  };
  const Row rows[] = {
      {"covering, stretched", 2, 2, true, {R, G, B, Y}},
      {"covering, at its own size", 2, 2, false, {R, G, B, Y}},
      {"larger, stretched", 4, 2, true, {R, R, G, G, B, B, Y, Y}},
      {"larger, at its own size", 3, 3, false, {R, G, W, B, Y, W, W, W, W}},
      {"smaller, at its own size", 1, 2, false, {R, B}},
  };
  for (const Row& row : rows) {
    Shown shown(row.width, row.height);
    shown.Control().SetStretch(row.stretch);
    shown.Control().Picture().LoadFromFile(file);
    EXPECT_EQ(shown.Pixels(), row.pixels) << row.name;
  }
}

TEST(Image, FollowsANewPictureAndANewSizeAfterItWasShown) {
  test::TempDirectory folder;
  Shown shown(2, 2);
  shown.Control().SetStretch(true);
  shown.Control().Picture().LoadFromFile(folder.File("four.bmp", Bitmap(R, G, B, Y)));
  ASSERT_EQ(shown.Pixels(), (std::vector<QRgb>{R, G, B, Y}));

  shown.Control().Picture().LoadFromFile(folder.File("other.bmp", Bitmap(Y, B, G, R)));
  EXPECT_EQ(shown.Pixels(), (std::vector<QRgb>{Y, B, G, R})) << "a new picture";

  shown.Control().SetBounds(0, 0, 2, 4);
  EXPECT_EQ(shown.Pixels(), (std::vector<QRgb>{Y, B, Y, B, G, R, G, R})) << "a new size";
}

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
