#pragma once

// What an import would do, before it does it: each file of the table as it
// would be created, replaced or left unchanged, every refused cell with its
// message. Apply runs the roster engine's commit with a progress bar; Cancel
// closes it, and nothing has changed.

#include <QDialog>
#include <memory>
#include <string>
#include <vector>

#include "roster/Roster.h"

class QCheckBox;
class QDialogButtonBox;
class QLabel;
class QListWidget;
class QProgressBar;
class QPushButton;
class QTableWidget;

namespace ostrak::roster {

class ImportPreview : public QDialog {
  Q_OBJECT

public:
  // `recovered`: what putting back an import cut short did first. `match`:
  // how the plan found each row's file.
  ImportPreview(const QString& table, const RosterPlan& plan, const std::vector<std::string>& recovered,
                QWidget* parent, ImportMatch match = ImportMatch::File);

  QPushButton& ApplyButton() const { return *apply_; }
  QPushButton& CancelButton() const { return *cancel_; }
  QTableWidget& Files() const { return *files_; }
  QListWidget& Problems() const { return *problems_; }
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
  QTableWidget* files_;
  QListWidget* problems_;
  QProgressBar* progress_;
  QCheckBox* matchById_;
  QDialogButtonBox* buttons_;
  QPushButton* apply_;
  QPushButton* cancel_;
  bool committing_ = false;
};

// The text a preview gives an action: "would create" and so on.
QString ActionText(Action action);
// Why a row matched by Sherdog ID takes its file, in the window's language.
QString MatchText(const MatchNote& note);

}  // namespace ostrak::roster
