#pragma once

// What a plan would do, file by file, before it is committed: the import's
// preview and "Set for selected…" show it alike. Each file with its action,
// every field that changes before → after, the ratings before → after, and
// why a file is refused, its name on every line. The rows sort by any
// column and can be narrowed to the files that change. A row's changes are
// worked out from the plan when it is first shown or sorted: rating both
// sides of ten thousand files would cost more than making the plan did.

#include <QAbstractTableModel>
#include <QWidget>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "roster/Roster.h"
#include "ui/roster/RosterRow.h"

class QCheckBox;
class QListWidget;
class QSortFilterProxyModel;
class QTableView;

namespace ostrak::roster {

class RosterModel;

// The names a preview gives the fields and the ratings: the roster table's headers.
struct PreviewCaptions {
  std::map<std::string, QString> columns;  // by line column ("weight_class")
  std::array<QString, kRatingCount> ratings;
};
PreviewCaptions CaptionsOf(const RosterModel& model);

struct PreviewRow {
  QString file;
  Action action = Action::Refused;
  QString result;   // what happens, where the action's own words do not say it ("would restore")
  QString match;    // why the row took this file, when rows are matched by Sherdog ID
  QString problem;  // why it is refused
  // Its file in the plan, for a file the plan changes.
  std::optional<std::size_t> planned;
};

// What a planned file's change reads as.
struct PreviewChanges {
  QString fields;   // "Weight class: Lightweight → Welterweight; Punches: 12 → 14"
  QString ratings;  // the ratings that change: "Overall 41% → 45%"
};

struct PreviewLines {
  std::vector<PreviewRow> rows;
  // Every refusal, each naming its file: "goni.txt: ..."; the plan's own
  // (row 0) first.
  std::vector<QString> problems;
  // What the rows' changes are told from, when they are shown.
  std::shared_ptr<const RosterPlan> plan;
  PreviewCaptions captions;
};

// How a refusal line names its place. A table's row number helps its user
// find the cell; the order a set was given its files in means nothing.
enum class ProblemPlace { File, FileAndRow };

// Works on any thread: a plan of many files is told on the worker. The plan
// is kept by the lines, so the commit may go on to use it.
PreviewLines PreviewOf(std::shared_ptr<const RosterPlan> plan, const PreviewCaptions& captions,
                       ProblemPlace place = ProblemPlace::File);
// Planned file `file` of `plan`: its fields and ratings before → after.
PreviewChanges ChangesText(const RosterPlan& plan, const PlannedFile& file, const PreviewCaptions& captions);

class PreviewModel : public QAbstractTableModel {
  Q_OBJECT

public:
  // Match is last so that the others keep their places; the view shows it
  // after Result, and only when a row has one.
  enum Column : int { File, Result, Changes, Ratings, Problem, Match, ColumnCount };

  explicit PreviewModel(PreviewLines lines, QObject* parent = nullptr);
  const std::vector<PreviewRow>& Rows() const { return lines_.rows; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
  // Row `row`'s changes, worked out at the first call.
  const PreviewChanges& ChangesAt(std::size_t row) const;

  PreviewLines lines_;
  mutable std::vector<std::unique_ptr<const PreviewChanges>> told_;
};

class ChangePreview : public QWidget {
  Q_OBJECT

public:
  explicit ChangePreview(QWidget* parent = nullptr);

  // Shows `lines` in place of what was shown.
  void Show(PreviewLines lines);

  QCheckBox& OnlyChanged() const { return *onlyChanged_; }
  QTableView& Table() const { return *table_; }
  QListWidget& Problems() const { return *problems_; }
  // The rows as shown (sorted, narrowed): row `row`'s text in `column`.
  int ShownCount() const;
  QString Text(int row, int column) const;

private:
  QCheckBox* onlyChanged_;
  QTableView* table_;
  QListWidget* problems_;
  PreviewModel* model_ = nullptr;
  QSortFilterProxyModel* proxy_;
};

// The text a preview gives an action: "would create" and so on, as the
// import preview words it.
QString ResultText(Action action);

}  // namespace ostrak::roster
