#include "widgets/spin/AccessibleSpinEdit.h"

#include <QAccessibleWidget>
#include <QFontMetrics>
#include <QPointer>
#include <algorithm>
#include <cstdlib>

#include "platform/AccessibleFactory.h"
#include "widgets/spin/SpinEdit.h"

namespace ostrak {
namespace {

QVariant NumberOf(const TCustomSpinEdit& box, long double value) {
  if (box.ValueType() == TValueType::vtFloat) return QVariant(static_cast<double>(value));
  return QVariant(static_cast<qlonglong>(value));
}

class AccessibleSpinEdit : public QAccessibleWidget,
                           public QAccessibleValueInterface,
                           public QAccessibleTextInterface {
public:
  explicit AccessibleSpinEdit(TCustomSpinEdit* box) : QAccessibleWidget(box, QAccessible::SpinBox) {}

  TCustomSpinEdit* Box() const { return static_cast<TCustomSpinEdit*>(widget()); }

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::ValueInterface) return static_cast<QAccessibleValueInterface*>(this);
    if (type == QAccessible::TextInterface) return static_cast<QAccessibleTextInterface*>(this);
    return QAccessibleWidget::interface_cast(type);
  }

  // The stepper belongs to the box.
  int childCount() const override { return 0; }
  QAccessibleInterface* child(int) const override { return nullptr; }
  int indexOfChild(const QAccessibleInterface*) const override { return -1; }

  QString text(QAccessible::Text kind) const override {
    if (kind == QAccessible::Value) return Box()->Text();
    return QAccessibleWidget::text(kind);
  }

  QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !Box()->ReadOnly();
    state.readOnly = Box()->ReadOnly();
    return state;
  }

  QStringList actionNames() const override {
    return QStringList{increaseAction(), decreaseAction()} + QAccessibleWidget::actionNames();
  }

  void doAction(const QString& action) override {
    QPointer<TCustomSpinEdit> box = Box();
    if (action == increaseAction()) {
      Guard([&box] { box->StepUp(box); });
    } else if (action == decreaseAction()) {
      Guard([&box] { box->StepDown(box); });
    } else {
      QAccessibleWidget::doAction(action);
    }
  }

  // Value.
  QVariant currentValue() const override { return NumberOf(*Box(), Box()->Value()); }
  // Clamped into the limits, as a number typed into the box is.
  void setCurrentValue(const QVariant& value) override {
    bool number = false;
    const double wanted = value.toDouble(&number);
    QPointer<TCustomSpinEdit> box = Box();
    if (!number || box->ReadOnly() || !box->isEnabled()) return;
    Guard([&box, wanted] { box->SetValue(wanted); });
  }
  QVariant maximumValue() const override { return NumberOf(*Box(), Box()->MaxValue()); }
  QVariant minimumValue() const override { return NumberOf(*Box(), Box()->MinValue()); }
  QVariant minimumStepSize() const override { return NumberOf(*Box(), Box()->Increment()); }

  // Text.
  void selection(int index, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = 0;
    if (index != 0 || !Box()->hasSelectedText()) return;
    *startOffset = Box()->selectionStart();
    *endOffset = *startOffset + Box()->SelLength();
  }
  int selectionCount() const override { return Box()->hasSelectedText() ? 1 : 0; }
  void addSelection(int startOffset, int endOffset) override { setSelection(0, startOffset, endOffset); }
  void removeSelection(int) override { Box()->deselect(); }
  void setSelection(int, int startOffset, int endOffset) override {
    Box()->setSelection(startOffset, endOffset - startOffset);
  }
  int cursorPosition() const override { return Box()->cursorPosition(); }
  void setCursorPosition(int position) override { Box()->setCursorPosition(position); }
  QString text(int startOffset, int endOffset) const override {
    return Box()->Text().mid(startOffset, endOffset - startOffset);
  }
  int characterCount() const override { return static_cast<int>(Box()->Text().size()); }
  // Measured from the caret, whose place the edit knows.
  QRect characterRect(int offset) const override {
    const QString shown = Box()->Text();
    if (offset < 0 || offset >= shown.size()) return QRect();
    const QFontMetrics metrics(Box()->font());
    const int caret = Box()->cursorPosition();
    const QRect caretRect = Box()->inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const int from = std::min(caret, offset);
    const int distance = metrics.horizontalAdvance(shown.mid(from, std::abs(offset - caret)));
    const int left = caretRect.center().x() + (offset >= caret ? distance : -distance);
    const QRect local(left, caretRect.top(), metrics.horizontalAdvance(shown.at(offset)), caretRect.height());
    return QRect(Box()->mapToGlobal(local.topLeft()), local.size());
  }
  int offsetAtPoint(const QPoint& point) const override {
    return Box()->cursorPositionAt(Box()->mapFromGlobal(point));
  }
  void scrollToSubstring(int startIndex, int endIndex) override {
    Box()->setCursorPosition(endIndex);
    Box()->setCursorPosition(startIndex);
  }
  QString attributes(int offset, int* startOffset, int* endOffset) const override {
    *startOffset = *endOffset = offset;
    return QString();
  }
};

}  // namespace

void InstallAccessibleSpinEdits() { InstallAccessibleFactory<TCustomSpinEdit, AccessibleSpinEdit>(); }

void AnnounceValueChange(TCustomSpinEdit& box) {
  if (!QAccessible::isActive()) return;
  QAccessibleValueChangeEvent event(&box, NumberOf(box, box.Value()));
  QAccessible::updateAccessibility(&event);
}

}  // namespace ostrak
