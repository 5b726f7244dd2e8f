#include "widgets/navigation/AccessibleButton.h"

#include <QAccessibleWidget>
#include <QPointer>

#include "platform/ErrorGuard.h"
#include "widgets/navigation/GraphicButton.h"

namespace ostrak {
namespace {

class AccessibleGraphicButton : public QAccessibleWidget {
public:
  explicit AccessibleGraphicButton(TCustomGraphicButton* button)
      : QAccessibleWidget(button, QAccessible::Button) {}

  QStringList actionNames() const override {
    return QStringList{pressAction()} + QAccessibleWidget::actionNames();
  }

  // Announced with the action, as Qt's own buttons announce theirs.
  QStringList keyBindingsForAction(const QString& action) const override {
    const QKeySequence& key = static_cast<TCustomGraphicButton*>(widget())->Shortcut();
    if (action != pressAction() || key.isEmpty()) return QAccessibleWidget::keyBindingsForAction(action);
    return QStringList{key.toString()};
  }

  // The click comes once the request has been answered: the command may
  // open a modal dialog, and the assistive technology that asked would wait
  // for its answer until the dialog closed.
  void doAction(const QString& action) override {
    if (action != pressAction()) return QAccessibleWidget::doAction(action);
    QPointer<TCustomGraphicButton> button = static_cast<TCustomGraphicButton*>(widget());
    QMetaObject::invokeMethod(
        button,
        [button] {
          if (button && button->isEnabled()) Guard([&button] { button->Click(); });
        },
        Qt::QueuedConnection);
  }
};

QAccessibleInterface* Factory(const QString& className, QObject* object) {
  auto* button = qobject_cast<TCustomGraphicButton*>(object);
  if (!button || className != QLatin1String(object->metaObject()->className())) return nullptr;
  return new AccessibleGraphicButton(button);
}

}  // namespace

void InstallAccessibleButtons() {
  static const bool installed = [] {
    QAccessible::installFactory(Factory);
    return true;
  }();
  (void)installed;
}

}  // namespace ostrak
