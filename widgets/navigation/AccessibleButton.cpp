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

  void doAction(const QString& action) override {
    if (action != pressAction()) return QAccessibleWidget::doAction(action);
    QPointer<TCustomGraphicButton> button = static_cast<TCustomGraphicButton*>(widget());
    if (button && button->isEnabled()) Guard([&button] { button->Click(); });
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
