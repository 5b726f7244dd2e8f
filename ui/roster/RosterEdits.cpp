// The roster window's edits of single cells.

#include <QLabel>
#include <QTableView>

#include "ui/roster/BulkSetDialog.h"
#include "ui/roster/CellEditing.h"
#include "ui/roster/RosterWindow.h"
#include "ui/roster/SavedSelections.h"

namespace ostrak::roster {

void RosterWindow::CommitCell(const QModelIndex& index, const QVariant& value) {
  if (!index.isValid() || index.row() >= model_->rowCount()) return;
  const int column = index.column();
  const RosterRow& row = model_->RowAt(index.row());
  const std::string file = row.file;
  const QString fileText = row.FileText();
  const QString header = model_->headerData(column, Qt::Horizontal).toString();
  CellOutcome outcome = EditCell(folderPath_, row, column, CellValue(column, value), collator_,
                                 tr("%1 of %2").arg(header, fileText).toStdString(), *cellHistory_);
  QString note;
  switch (outcome.result) {
    case CellResult::Written:
      editNote_->setText(tr("%1 of \"%2\" saved.").arg(header, fileText));
      break;
    case CellResult::Unchanged:
      editNote_->clear();
      break;
    case CellResult::Refused:
      note = tr("%1 of \"%2\" was not saved: %3").arg(header, fileText, outcome.reason);
      break;
    case CellResult::ChangedOnDisk:
      note = tr("\"%1\" changed on disk while its cell was edited: nothing was written, and its row now "
                "shows the file as it is.")
                 .arg(fileText);
      break;
    case CellResult::Failed:
      note = tr("\"%1\" could not be written: %2").arg(fileText, outcome.reason);
      break;
  }
  if (!note.isEmpty()) editNote_->setText(note);
  editNote_->setToolTip(editNote_->text());
  editNote_->setVisible(!editNote_->text().isEmpty());
  model_->SetCellNote(file, column, note);
  if (outcome.row) {
    RosterChanges changes;
    changes.rows.push_back(std::move(*outcome.row));
    model_->Apply(std::move(changes));
    UpdateStatus();
  }
}

BulkSetDialog* RosterWindow::BulkSet() const { return bulkSet_.data(); }

void RosterWindow::OpenBulkSet() {
  if (bulkSet_) {
    bulkSet_->raise();
    return;
  }
  std::vector<BulkTarget> targets;
  if (const std::vector<int> selected = SelectedRows(); !selected.empty()) {
    BulkTarget target{tr("Selected rows"), {}};
    for (const int row : selected) target.files.push_back(model_->RowAt(row).file);
    targets.push_back(std::move(target));
  }
  BulkTarget shown{tr("All shown rows"), {}};
  for (int row = 0; row < model_->rowCount(); ++row) shown.files.push_back(model_->RowAt(row).file);
  targets.push_back(std::move(shown));
  for (const SavedSelection& selection : selections_->All())
    targets.push_back({selection.name, model_->FilesPassing(selection.text, selection.weightClass)});
  bulkSet_ = new BulkSetDialog(folderPath_, std::move(targets), *model_, setup_.threading, this);
  bulkSet_->setAttribute(Qt::WA_DeleteOnClose);
  connect(bulkSet_, &BulkSetDialog::Applied, this, [this](bool written) {
    if (!written) return;
    editNote_->setText(tr("The change was written."));
    editNote_->show();
    // The watch would see the files too; the table need not wait for it.
    RescanNow();
  });
  bulkSet_->open();
}

}  // namespace ostrak::roster
