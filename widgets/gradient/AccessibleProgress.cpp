#include "widgets/gradient/AccessibleProgress.h"

#include <QAccessibleWidget>

#include "platform/AccessibleFactory.h"

#include "widgets/gradient/CaptionFormat.h"
#include "widgets/gradient/GradientProgress.h"

namespace ostrak {
namespace {

class AccessibleProgress : public QAccessibleWidget, public QAccessibleValueInterface {
public:
  explicit AccessibleProgress(TGradientProgress* bar) : QAccessibleWidget(bar, QAccessible::ProgressBar) {}

  const TGradientProgress& Bar() const { return *static_cast<const TGradientProgress*>(widget()); }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  QString text(QAccessible::Text kind) const override {
    switch (kind) {
      // The base names a control by its caption as set: here a pattern.
      case QAccessible::Name:
        return FormatCaption(Bar().Caption(), Bar().Percent());
      case QAccessible::Value:
        return QString::number(Bar().Gradient().PercentFilling());
      default:
        return QAccessibleWidget::text(kind);
    }
  }

  QVariant currentValue() const override { return Bar().Gradient().PercentFilling(); }
  // The ratings are computed, never set by the user.
  void setCurrentValue(const QVariant&) override {}
  QVariant maximumValue() const override { return 100; }
  QVariant minimumValue() const override { return 0; }
  QVariant minimumStepSize() const override { return 1; }
};

}  // namespace

void InstallAccessibleProgressBars() { InstallAccessibleFactory<TGradientProgress, AccessibleProgress>(); }

void AnnounceNameChange(TGradientProgress& bar) {
  if (!QAccessible::isActive()) return;
  QAccessibleEvent event(&bar, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

void AnnounceFillChange(TGradientProgress& bar) {
  if (!QAccessible::isActive()) return;
  QAccessibleValueChangeEvent event(&bar, bar.Gradient().PercentFilling());
  QAccessible::updateAccessibility(&event);
}

}  // namespace ostrak
