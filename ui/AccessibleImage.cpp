#include "ui/AccessibleImage.h"

#include <QAccessibleWidget>
#include <QPointer>

#include "platform/ErrorGuard.h"
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
    const QKeySequence& key = Image()->Shortcut();
    if (action != pressAction() || key.isEmpty()) return QAccessibleWidget::keyBindingsForAction(action);
    return QStringList{key.toString()};
  }

  // Clicked once the request has been answered, as a button is: the toggle
  // shows a modal message.
  void doAction(const QString& action) override {
    if (action != pressAction() || !Clickable()) return QAccessibleWidget::doAction(action);
    QPointer<TImage> image = Image();
    QMetaObject::invokeMethod(
        image,
        [image] {
          if (!image || !image->isEnabled()) return;
          Guard([&image] {
            if (image->OnClick) image->OnClick(image);
          });
        },
        Qt::QueuedConnection);
  }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  auto* image = qobject_cast<TImage*>(object);
  if (!image || className != QLatin1String(object->metaObject()->className())) return nullptr;
  return new AccessibleImage(image);
}

}  // namespace

void InstallAccessibleImages() {
  static const bool installed = [] {
    QAccessible::installFactory(Factory);
    return true;
  }();
  (void)installed;
}

}  // namespace ostrak
