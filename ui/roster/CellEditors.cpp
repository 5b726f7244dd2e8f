#include "ui/roster/CellEditors.h"

#include <QComboBox>
#include <QLineEdit>

#include "platform/ErrorGuard.h"
#include "record/FighterLayout.h"
#include "ui/roster/RosterModel.h"

namespace ostrak::roster {

namespace {

constexpr int kLowest = 1;
constexpr int kHighest = 20;

std::optional<long long> WholeNumber(const QString& text) {
  bool ok = false;
  const long long value = text.trimmed().toLongLong(&ok);
  return ok ? std::optional(value) : std::nullopt;
}

}  // namespace

AttributeSpinBox::AttributeSpinBox(QWidget* parent) : QSpinBox(parent) {
  setRange(kLowest, kHighest);
  setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
}

QValidator::State AttributeSpinBox::validate(QString& input, int& pos) const {
  (void)pos;
  const QString text = input.trimmed();
  if (text.isEmpty() || text == QLatin1String("-") || text == QLatin1String("+"))
    return QValidator::Intermediate;
  const std::optional<long long> value = text.size() <= 6 ? WholeNumber(text) : std::nullopt;
  if (!value) return QValidator::Invalid;
  return *value >= kLowest && *value <= kHighest ? QValidator::Acceptable : QValidator::Intermediate;
}

void AttributeSpinBox::fixup(QString& input) const {
  const std::optional<long long> value = WholeNumber(input);
  input = QString::number(value ? std::clamp<long long>(*value, kLowest, kHighest) : this->value());
}

QWidget* CellDelegate::createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                                    const QModelIndex& index) const {
  const int column = index.column();
  const auto list = [&](const auto& items) {
    auto* combo = new QComboBox(parent);
    for (const char* item : items) combo->addItem(QString::fromLatin1(item));
    return combo;
  };
  QWidget* editor = nullptr;
  if (column == RosterModel::WeightClass) {
    editor = list(kWeightClassItems);
  } else if (column == RosterModel::GamePlan) {
    editor = list(kGamePlanItems);
  } else if (RosterModel::IsAttribute(column)) {
    editor = new AttributeSpinBox(parent);
  } else {
    return QStyledItemDelegate::createEditor(parent, option, index);
  }
  editor->setAccessibleName(index.model()->headerData(column, Qt::Horizontal).toString());
  return editor;
}

void CellDelegate::setEditorData(QWidget* editor, const QModelIndex& index) const {
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    combo->setCurrentIndex(index.data(Qt::EditRole).toInt());
  } else if (auto* spin = qobject_cast<AttributeSpinBox*>(editor)) {
    spin->setValue(index.data(Qt::EditRole).toInt());
  } else {
    QStyledItemDelegate::setEditorData(editor, index);
  }
}

void CellDelegate::setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const {
  (void)model;
  QVariant value;
  if (auto* combo = qobject_cast<QComboBox*>(editor)) {
    // A list that selects nothing (a file with an unknown code) changes nothing.
    if (combo->currentIndex() < 0) return;
    value = combo->currentIndex();
  } else if (auto* spin = qobject_cast<AttributeSpinBox*>(editor)) {
    spin->interpretText();
    value = spin->value();
  } else if (auto* line = qobject_cast<QLineEdit*>(editor)) {
    value = line->text();
  }
  if (Commit && value.isValid()) Guard([&] { Commit(index, value); });
}

}  // namespace ostrak::roster
