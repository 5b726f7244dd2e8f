#pragma once

// Two files of one fighter side by side, field by field, before they become
// one: which file stays, and for each field that differs which file's text
// it takes (at first the file changed last's). The fields that differ are
// marked in words, not by colour alone; a field that does not differ has
// nothing to choose.

#include <QDialog>
#include <string>
#include <vector>

#include "roster/Merge.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTableWidget;
class QTableWidgetItem;

namespace ostrak::roster {

class MergeDialog : public QDialog {
  Q_OBJECT

public:
  enum Column { Field, Differs, KeepValue, OtherValue, ColumnCount };

  // `first` and `second`: the two files under `folder` (ending in '/'); the
  // first is kept unless the user chooses the other. `view` is theirs, in
  // that order, without a refusal.
  MergeDialog(const std::string& folder, const std::string& first, const std::string& second, MergeView view,
              QWidget* parent);

  // The file written and the one removed, under the folder.
  const std::string& Keep() const { return names_[keepIndex_]; }
  const std::string& Other() const { return names_[1 - keepIndex_]; }
  // The columns taken from the file removed.
  std::vector<std::string> FromOther() const;

  // Which file stays: 0 the first, 1 the second. The choices start again from
  // the file changed last.
  void SetKept(int index);
  // Takes field `row`'s text from `side`; a field that does not differ stays.
  void Choose(int row, MergeSide side);
  // What the fields show, read when they were last shown.
  const MergeView& View() const { return view_; }
  // Shows both files as they are now; the choices start again.
  void Reread();

  QComboBox& KeepChoice() const { return *keepChoice_; }
  QTableWidget& Fields() const { return *fields_; }
  QLabel& Summary() const { return *summary_; }
  QPushButton& MergeButton() const { return *merge_; }

signals:
  // Merge was pressed: the dialog stays open until the merge is done or refused.
  void MergeRequested();

private:
  void Show(MergeView view);
  void Checked(QTableWidgetItem* item);

  std::string folder_;
  std::string names_[2];
  int keepIndex_ = 0;
  MergeView view_;
  std::vector<MergeSide> sides_;  // per field row
  bool filling_ = false;

  QComboBox* keepChoice_;
  QLabel* summary_;
  QTableWidget* fields_;
  QPushButton* merge_;
};

}  // namespace ostrak::roster
