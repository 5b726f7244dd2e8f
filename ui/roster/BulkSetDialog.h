#pragma once

// "Set for selected…": one field of many fighters at once. A target (the
// selected rows, every row shown, or a saved selection), a field, and for an
// attribute = N, + N or − N (clamped into 1..20 as the editor clamps), for a
// list one of its items, for a text a new text or a find and replace within
// it. Preview plans the change through the roster engine and shows each file
// before → after; Apply commits the files as one change set, all or nothing,
// with a progress bar; Cancel changes nothing. The engine works on a thread
// of its own.

#include <QDialog>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "roster/Roster.h"
#include "ui/roster/ChangePreview.h"
#include "ui/roster/WorkerThread.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QSpinBox;
class QStackedWidget;

namespace ostrak::roster {

struct BulkTarget {
  QString label;  // "Selected rows", a saved selection's name
  std::vector<std::string> files;
};

class BulkSetDialog : public QDialog {
  Q_OBJECT

public:
  // `folder` ends in '/'; `model` gives the fields' and ratings' names.
  BulkSetDialog(std::string folder, std::vector<BulkTarget> targets, const RosterModel& model,
                Threading threading, QWidget* parent);
  ~BulkSetDialog() override;

  QComboBox& TargetChoice() const { return *target_; }
  QComboBox& Field() const { return *field_; }
  QComboBox& Operation() const { return *operation_; }
  QSpinBox& Number() const { return *number_; }
  QComboBox& Item() const { return *item_; }
  QLineEdit& NewText() const { return *text_; }
  QLineEdit& Find() const { return *find_; }
  ChangePreview& Preview() const { return *preview_; }
  QLabel& Summary() const { return *summary_; }
  QProgressBar& Progress() const { return *progress_; }
  QPushButton& PreviewButton() const { return *previewButton_; }
  QPushButton& ApplyButton() const { return *apply_; }
  QPushButton& CancelButton() const { return *cancel_; }

  // What the controls say now.
  SetExpression Expression() const;
  const std::vector<std::string>& Files() const;

  // Plans the change and shows it.
  void RunPreview();
  // Plans it unless the preview shown is of it, then commits it when the
  // plan has no problem.
  void RunApply();

signals:
  void Previewed();
  // The change set was committed (or failed, leaving every file as it was).
  void Applied(bool written);

protected:
  void reject() override;

private:
  void FieldChosen();
  void OperationChosen();
  void Changed();
  void Plan(bool thenCommit);
  void Planned(const std::shared_ptr<RosterPlan>& plan, PreviewLines lines, bool thenCommit);
  void Commit();
  void Committed(const CommitResult& result);

  std::string folder_;
  std::vector<BulkTarget> targets_;
  PreviewCaptions captions_;
  std::vector<int> fieldColumns_;  // the roster column of each field offered
  QComboBox* target_;
  QComboBox* field_;
  QComboBox* operation_;
  QStackedWidget* values_;
  QSpinBox* number_;
  QComboBox* item_;
  QLineEdit* text_;
  QLineEdit* find_;
  QLabel* findLabel_;
  ChangePreview* preview_;
  QLabel* summary_;
  QProgressBar* progress_;
  QPushButton* previewButton_;
  QPushButton* apply_;
  QPushButton* cancel_;
  std::shared_ptr<RosterPlan> plan_;  // of the controls as they are, once previewed
  bool busy_ = false;
  WorkerThread worker_;  // last: it ends before the rest goes
};

}  // namespace ostrak::roster
