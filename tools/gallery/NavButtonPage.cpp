// The editor's save button in each of its faces, on a button-face parent.

#include <QCoreApplication>
#include <QEnterEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWidget>
#include <memory>

#include "platform/Fonts.h"
#include "platform/SystemColors.h"
#include "tools/gallery/Gallery.h"
#include "widgets/navigation/NavigationPane.h"

namespace {

using namespace ostrak;

// A parent with the window's button-face background and the save button on it.
struct Scene {
  explicit Scene(int height = 28) {
    const TColor face = GetSysColor(COLOR_BTNFACE);
    parent.setGeometry(0, 0, 160, height + 40);
    parent.setAutoFillBackground(true);
    QPalette palette = parent.palette();
    palette.setColor(QPalette::Window, QColor(GetRValue(face), GetGValue(face), GetBValue(face)));
    parent.setPalette(palette);
    button = new TNavPanelButton(&parent);
    button->SetBounds(20, 20, 114, height);
    button->SetCaption(QStringLiteral("Guardar Luchador"));
    button->SetFont(TahomaBoldFont());
    button->SetHotTrackFont(TahomaBoldFont());
    parent.show();
  }

  void Send(QEvent::Type type, QPoint at, Qt::MouseButtons buttons) {
    const QPointF local(at);
    QMouseEvent event(type, local, button->mapToGlobal(local),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons, Qt::NoModifier);
    QCoreApplication::sendEvent(button, &event);
  }
  void Enter() {
    QEnterEvent event(QPointF(10, 10), QPointF(10, 10), button->mapToGlobal(QPointF(10, 10)));
    QCoreApplication::sendEvent(button, &event);
  }
  void Press() { Send(QEvent::MouseButtonPress, QPoint(10, 10), Qt::LeftButton); }
  void DragOut() { Send(QEvent::MouseMove, QPoint(10, 100), Qt::LeftButton); }

  QWidget parent;
  TNavPanelButton* button;
};

QImage Picture16() {
  QImage picture(16, 16, QImage::Format_ARGB32);
  picture.fill(Qt::transparent);
  QPainter painter(&picture);
  painter.setPen(QColor(0, 96, 0));
  painter.setBrush(QColor(64, 192, 64));
  painter.drawEllipse(1, 1, 13, 13);
  return picture;
}

}  // namespace

OSTRAK_GALLERY_PAGE(NavigationButton) {
  {
    Scene scene;
    out.SaveOnParent(*scene.button, QStringLiteral("navbutton-rest"));
    scene.Enter();
    out.SaveOnParent(*scene.button, QStringLiteral("navbutton-hot"));
    scene.Press();
    out.SaveOnParent(*scene.button, QStringLiteral("navbutton-hot-pressed"));
    scene.DragOut();
    out.SaveOnParent(*scene.button, QStringLiteral("navbutton-pressed"));
  }
  {
    Scene scene;
    scene.button->SetGroupIndex(1);
    scene.button->SetDown(true);
    out.SaveOnParent(*scene.button, QStringLiteral("navbutton-down"));
  }
  {
    Scene scene(100);
    out.SaveOnParent(*scene.button, QStringLiteral("navbutton-100px"));
  }
  {
    Scene scene(1);
    out.SaveOnParent(*scene.button, QStringLiteral("navbutton-1px"));
  }
  {
    Scene scene;
    TImageList images(16, 16);
    images.Add(Picture16());
    scene.button->SetImages(&images);
    out.SaveOnParent(*scene.button, QStringLiteral("navbutton-image"));
  }
  {
    Scene scene;
    scene.button->SetAlign(TAlign::alBottom);
    out.SaveOnParent(*scene.button, QStringLiteral("navbutton-alignbottom"));
  }
  const std::pair<TNavPanelTheme, const char*> themes[] = {
      {TNavPanelTheme::nptStandard, "standard"},
      {TNavPanelTheme::nptXPBlue, "xpblue"},
      {TNavPanelTheme::nptXPSilver, "xpsilver"},
      {TNavPanelTheme::nptXPOlive, "xpolive"},
  };
  for (const auto& [theme, name] : themes) {
    Scene scene;
    TNavPaneStyleManager manager;
    manager.SetTheme(theme);
    scene.button->SetStyleManager(&manager);
    manager.NotifyClients();
    out.SaveOnParent(*scene.button, QStringLiteral("navbutton-theme-") + QLatin1String(name));
  }
}
