// The spin box as the editor shows it, a box of each stepper kind, and the
// self-drawn spin button's faces.

#include <QApplication>
#include <QMouseEvent>
#include <QWidget>

#include "platform/Fonts.h"
#include "platform/SystemColors.h"
#include "tools/gallery/Gallery.h"
#include "widgets/spin/SpinButton.h"
#include "widgets/spin/SpinEdit.h"

namespace {

using namespace ostrak;

// A parent in the window's button-face colour for the controls to sit on.
class Backdrop : public QWidget {
public:
  explicit Backdrop(int width, int height) {
    setAttribute(Qt::WA_DontShowOnScreen);
    const TColor face = GetSysColor(COLOR_BTNFACE);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, QColor(GetRValue(face), GetGValue(face), GetBValue(face)));
    setPalette(colours);
    setAutoFillBackground(true);
    resize(width, height);
    show();
  }
};

// The colour the editor's attribute handler gives a number.
TColor AttributeColour(long double value) {
  if (value >= 15) return clGreen;
  if (value > 7) return clBlack;
  return clRed;
}

void SendMouse(QWidget& widget, QEvent::Type type, QPoint at) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, widget.mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(&widget, &event);
}

}  // namespace

OSTRAK_GALLERY_PAGE(SpinEditPage) {
  for (int value : {1, 7, 8, 15, 20}) {
    Backdrop window(81, 37);
    auto* box = new TSpinEdit(&window);
    box->SetBounds(8, 8, 65, 21);
    box->SetFont(TahomaBoldFont());
    ApplyEditorAttributeConfiguration(*box);
    box->show();
    box->SetValue(value);
    box->Font().SetColor(AttributeColour(value));
    out.SaveOnParent(*box, QStringLiteral("spinedit-editor-%1").arg(value));
  }

  const std::pair<TSpinButtonKind, const char*> kinds[] = {{TSpinButtonKind::bkStandard, "standard"},
                                                           {TSpinButtonKind::bkDiagonal, "diagonal"},
                                                           {TSpinButtonKind::bkClassic, "classic"}};
  for (const auto& [kind, name] : kinds) {
    Backdrop window(96, 37);
    auto* box = new TSpinEdit(&window);
    box->SetBounds(8, 8, 80, 21);
    box->SetFont(TahomaFont());
    box->SetButtonKind(kind);
    box->SetValue(5);
    box->show();
    out.SaveOnParent(*box, QStringLiteral("spinedit-%1").arg(QString::fromLatin1(name)));
  }

  const std::pair<TSpinButtonStyle, const char*> styles[] = {{TSpinButtonStyle::sbsDefault, "default"},
                                                             {TSpinButtonStyle::sbsClassic, "classic"}};
  for (const auto& [style, name] : styles) {
    const QString prefix = QStringLiteral("spinbutton-%1-").arg(QString::fromLatin1(name));
    Backdrop window(36, 36);
    auto* button = new TSpinButton(&window);
    button->SetButtonStyle(style);
    button->SetBounds(8, 8, 20, 20);
    button->show();
    out.SaveOnParent(*button, prefix + QStringLiteral("none"));
    const std::pair<QPoint, const char*> presses[] = {{QPoint(3, 3), "up"}, {QPoint(16, 16), "down"}};
    for (const auto& [at, state] : presses) {
      SendMouse(*button, QEvent::MouseButtonPress, at);
      out.SaveOnParent(*button, prefix + QString::fromLatin1(state));
      SendMouse(*button, QEvent::MouseButtonRelease, at);
    }
    button->SetEnabled(false);
    out.SaveOnParent(*button, prefix + QStringLiteral("disabled"));
  }
}
