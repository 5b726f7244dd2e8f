// At two device pixels a pixel every self-drawn control is its plain picture
// enlarged, save its text: outside the text's boxes each pixel is the plain
// picture's pixel doubled; inside them the glyphs are drawn anew at the finer
// size, in colours the plain picture shows there (no blended edges). Pictures
// are filled from their own pixels instead of being enlarged in blocks.

#include <gtest/gtest.h>

#include <QEnterEvent>
#include <functional>
#include <set>

#include "platform/Surface.h"
#include "ui/EditorHarness.h"
#include "widgets/spin/SpinButton.h"

namespace ostrak {
namespace {

using test::EditorHarness;
using Controls = std::vector<QWidget*>;

struct Rendered {
  QImage image;
  std::vector<QRect> text;  // device pixels
};

Rendered Render(QWidget& control, int scale) {
  Rendered out{QImage(control.size() * scale, QImage::Format_ARGB32_Premultiplied), {}};
  out.image.setDevicePixelRatio(scale);
  out.image.fill(Qt::magenta);
  const TextRunLog log;
  control.render(&out.image);
  out.text = log.Runs();
  return out;
}

// The first fault of the fine picture against the plain one, or "".
std::string Fault(const Rendered& plain, const Rendered& fine, QRegion skipped) {
  const auto at = [](int x, int y) { return " at " + std::to_string(x) + "," + std::to_string(y); };
  for (const QRect& box : fine.text) skipped += box;
  for (int y = 0; y < fine.image.height(); ++y) {
    for (int x = 0; x < fine.image.width(); ++x) {
      if (!skipped.contains(QPoint(x, y)) && fine.image.pixel(x, y) != plain.image.pixel(x / 2, y / 2))
        return "not doubled" + at(x, y);
    }
  }
  for (const QRect& box : fine.text) {
    std::set<QRgb> shown;
    for (int y = box.top() / 2; y <= box.bottom() / 2; ++y) {
      for (int x = box.left() / 2; x <= box.right() / 2; ++x) shown.insert(plain.image.pixel(x, y));
    }
    bool sharp = false;
    for (int y = box.top(); y <= box.bottom(); ++y) {
      for (int x = box.left(); x <= box.right(); ++x) {
        if (!shown.count(fine.image.pixel(x, y))) return "blended colour" + at(x, y);
        sharp = sharp || fine.image.pixel(x, y) != fine.image.pixel(x & ~1, y & ~1);
      }
    }
    if (!sharp) return "text enlarged in blocks" + at(box.left(), box.top());
  }
  return "";
}

QWidget* Hot(QWidget* control) {
  QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), control->mapToGlobal(QPointF(3, 3)));
  QCoreApplication::sendEvent(control, &enter);
  return control;
}

// The self-drawn stepper of a new spin box (whose frame is Qt's), pressed at
// `at` unless that is null.
TSpinButton* Stepper(TForm1& form, TSpinButtonKind kind, QPoint at) {
  auto* box = new TSpinEdit(&form);
  box->SetBounds(10, 10, 80, 21);
  box->SetButtonKind(kind);
  box->show();
  if (!at.isNull()) QTest::mousePress(box->ButtonStepper(), Qt::LeftButton, {}, at);
  return box->ButtonStepper();
}

const struct {
  const char* name;
  std::function<Controls(EditorHarness&, TForm1&)> prepare;
} kRows[] = {
    {"navigation buttons at rest, hot, pressed and disabled",
     [](EditorHarness&, TForm1& f) {
       QTest::mousePress(Hot(f.NavPanelButton4), Qt::LeftButton, {}, QPoint(3, 3));
       f.NavPanelButton3->SetEnabled(false);
       return Controls{f.NavPanelButton2, Hot(f.NavPanelButton1), f.NavPanelButton4, f.NavPanelButton3};
     }},
    {"spin boxes in the three colour bands, steppers pressed and disabled",
     [](EditorHarness& e, TForm1& f) {
       e.Type(f.spKick, "12");
       e.Type(f.spPace, "18");
       Controls controls{f.spPunch,
                         f.spKick,
                         f.spPace,
                         Stepper(f, TSpinButtonKind::bkDiagonal, {2, 2}),
                         Stepper(f, TSpinButtonKind::bkClassic, {4, 15}),
                         Stepper(f, TSpinButtonKind::bkClassic, {})};
       controls.back()->setEnabled(false);
       return controls;
     }},
    {"evaluation bars",
     [](EditorHarness& e, TForm1& f) {
       e.Type(f.spPunch, "17");
       e.Click(f.NavPanelButton5);
       const auto bars = e.Evaluation().Bars();
       return Controls(bars.begin(), bars.end());
     }},
};

TEST(HighDpi, SelfDrawnControlsKeepTheirPictureAndRedrawTheirText) {
  for (const auto& row : kRows) {
    EditorHarness editor;
    for (QWidget* control : row.prepare(editor, editor.Form())) {
      const Rendered plain = Render(*control, 1);
      Rendered fine = Render(*control, 2);
      // The spin box's digits are Qt's, sharp all the same; its standard
      // stepper is Qt's own drawing.
      QRegion notOurs;
      if (auto* box = qobject_cast<TCustomSpinEdit*>(control)) {
        const QRect digits = box->contentsRect().marginsRemoved(box->textMargins());
        fine.text.emplace_back(digits.topLeft() * 2, digits.size() * 2);
        notOurs = QRect(box->UpDownStepper()->pos() * 2, box->UpDownStepper()->size() * 2);
      }
      EXPECT_EQ(Fault(plain, fine, notOurs), "") << row.name << ": " << control->metaObject()->className();
    }
  }
}

// Not blocks of two by two, and still the same picture in the same place:
// each block's mean stays near the plain pixel (16 steps a channel on
// average; the flag's sharp edges soften the most, about 12).
TEST(HighDpi, PicturesAreFilledFromTheirOwnPixels) {
  EditorHarness editor;
  for (QWidget* picture : Controls{editor.Form().imFondo, editor.Form().imIdioma}) {
    const QImage plain = Render(*picture, 1).image;
    const QImage fine = Render(*picture, 2).image;
    const QImage means = fine.scaled(plain.size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    double difference = 0;
    int unevenBlocks = 0;
    for (int y = 0; y < plain.height(); ++y) {
      for (int x = 0; x < plain.width(); ++x) {
        const QRgb corner = fine.pixel(2 * x, 2 * y);
        unevenBlocks += fine.pixel(2 * x + 1, 2 * y) != corner || fine.pixel(2 * x, 2 * y + 1) != corner ||
                        fine.pixel(2 * x + 1, 2 * y + 1) != corner;
        const QRgb a = means.pixel(x, y), b = plain.pixel(x, y);
        difference +=
            std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b));
      }
    }
    const std::string name = picture->objectName().toStdString();
    EXPECT_GT(unevenBlocks, plain.width() * plain.height() / 4) << name;
    EXPECT_LT(difference / (3.0 * plain.width() * plain.height()), 16.0) << name;
  }
}

}  // namespace
}  // namespace ostrak
