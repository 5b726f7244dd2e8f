#include "widgets/navigation/AccessibleButton.h"

#include <QAccessibleWidget>

#include "platform/AccessibleFactory.h"
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

  QStringList keyBindingsForAction(const QString& action) const override {
    return PressKeyBindings(action, Button()->Shortcut(), QAccessibleWidget::keyBindingsForAction(action));
  }

  void doAction(const QString& action) override {
    if (action != pressAction()) return QAccessibleWidget::doAction(action);
    PressWhenAnswered(Button(), [](TCustomGraphicButton& button) { button.Click(); });
  }

private:
  TCustomGraphicButton* Button() const { return static_cast<TCustomGraphicButton*>(widget()); }
};

}  // namespace

void InstallAccessibleButtons() { InstallAccessibleFactory<TCustomGraphicButton, AccessibleGraphicButton>(); }

}  // namespace ostrak
