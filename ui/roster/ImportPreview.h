#pragma once

// What an import would do, before it does it: each file of the table as it
// would be created, changed (every field and rating before → after) or left
// unchanged, every refused cell with its file, row and message. Apply runs
// the roster engine's commit with a progress bar; Cancel closes it, and
// nothing has changed. An undo's preview is this dialog too.

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "roster/Roster.h"
#include "ui/roster/ChangePreview.h"

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;

namespace ostrak::roster {

class ImportPreview : public QDialog {
  Q_OBJECT

public:
  // `lines`: the plan told (PreviewOf, on the worker for a large table).
  // `recovered`: what putting back an import cut short did first. `match`:
  // how the plan found each row's file.
  ImportPreview(const QString& table, const RosterPlan& plan, PreviewLines lines,
                const std::vector<std::string>& recovered, QWidget* parent,
                ImportMatch match = ImportMatch::File);

  QPushButton& ApplyButton() const { return *apply_; }
  QPushButton& CancelButton() const { return *cancel_; }
  ChangePreview& Preview() const { return *preview_; }
  QListWidget& Problems() const { return preview_->Problems(); }
  QLabel& Summary() const { return *summary_; }
  QProgressBar& Progress() const { return *progress_; }
  QCheckBox& MatchById() const { return *matchById_; }

  // While the commit runs, neither button nor the match answers and Esc does nothing.
  void ShowCommitting();
  void ShowProgress(std::size_t done, std::size_t total);

signals:
  void ApplyRequested();
  // The user wants the rows matched to files the other way: a new plan.
  void MatchChanged(ImportMatch match);

protected:
  void reject() override;

private:
  QLabel* summary_;
  ChangePreview* preview_;
  QProgressBar* progress_;
  QCheckBox* matchById_;
  QDialogButtonBox* buttons_;
  QPushButton* apply_;
  QPushButton* cancel_;
  bool committing_ = false;
};

}  // namespace ostrak::roster
