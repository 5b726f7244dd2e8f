#include "ui/AccessibleImage.h"

#include <QAccessibleWidget>

#include "platform/AccessibleFactory.h"
#include "ui/Image.h"

namespace ostrak {
namespace {

class AccessibleImage : public QAccessibleWidget {
public:
  explicit AccessibleImage(TImage* image) : QAccessibleWidget(image) {}

  TImage* Image() const { return static_cast<TImage*>(widget()); }
  bool Clickable() const { return static_cast<bool>(Image()->OnClick); }

  QAccessible::Role role() const override { return Clickable() ? QAccessible::Button : QAccessible::Client; }

  QStringList actionNames() const override {
    if (!Clickable()) return QAccessibleWidget::actionNames();
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }

  QStringList keyBindingsForAction(const QString& action) const override {
    return PressKeyBindings(action, Image()->Shortcut(), QAccessibleWidget::keyBindingsForAction(action));
  }

  // Clicked as a button is: the toggle shows a modal message.
  void doAction(const QString& action) override {
    if (action != pressAction() || !Clickable()) return QAccessibleWidget::doAction(action);
    PressWhenAnswered(Image(), [](TImage& image) {
      if (image.OnClick) image.OnClick(&image);
    });
  }
};

}  // namespace

void InstallAccessibleImages() { InstallAccessibleFactory<TImage, AccessibleImage>(); }

}  // namespace ostrak
