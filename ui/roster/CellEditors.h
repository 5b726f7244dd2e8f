#pragma once

// The roster table's cells as the editor's own controls edit them: the two
// lists with the editor's items, an attribute with a spin box of 1 to 20
// that clamps what is typed as the editor's does, a text with a line edit.
// Ending an edit hands the value to `Commit` rather than to the model: the
// file is written, and the model follows it.

#include <QSpinBox>
#include <functional>

#include "ui/roster/RosterDelegate.h"

namespace ostrak::roster {

// Any number may be typed; leaving the box brings it into 1..20.
class AttributeSpinBox : public QSpinBox {
  Q_OBJECT

public:
  explicit AttributeSpinBox(QWidget* parent = nullptr);
  QValidator::State validate(QString& input, int& pos) const override;
  void fixup(QString& input) const override;
};

class CellDelegate : public RosterDelegate {
  Q_OBJECT

public:
  using RosterDelegate::RosterDelegate;

  // The cell and the value its edit ended with (see CellValue).
  std::function<void(const QModelIndex& index, const QVariant& value)> Commit;

  QWidget* createEditor(QWidget* parent, const QStyleOptionViewItem& option,
                        const QModelIndex& index) const override;
  void setEditorData(QWidget* editor, const QModelIndex& index) const override;
  void setModelData(QWidget* editor, QAbstractItemModel* model, const QModelIndex& index) const override;
};

}  // namespace ostrak::roster
