#pragma once

// What a plan would do, file by file, before it is committed: the import's
// preview and "Set for selected…" show it alike. Each file with its action,
// every field that changes before → after, the ratings before → after, and
// why a file is refused, its name on every line. The rows sort by any
// column and can be narrowed to the files that change.

#include <QAbstractTableModel>
#include <QWidget>
#include <array>
#include <map>
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
  QString changes;  // "Weight class: Lightweight → Welterweight; Punches: 12 → 14"
  QString ratings;  // the ratings that change: "Overall 41% → 45%"
  QString problem;  // why it is refused
};

struct PreviewLines {
  std::vector<PreviewRow> rows;
  // Every refusal, each naming its file: "goni.txt: ..."; the plan's own
  // (row 0) first.
  std::vector<QString> problems;
};

// How a refusal line names its place. A table's row number helps its user
// find the cell; the order a set was given its files in means nothing.
enum class ProblemPlace { File, FileAndRow };

// Works on any thread: a plan of many files is told on the worker.
PreviewLines PreviewOf(const RosterPlan& plan, const PreviewCaptions& captions,
                       ProblemPlace place = ProblemPlace::File);

class PreviewModel : public QAbstractTableModel {
  Q_OBJECT

public:
  // Match is last so that the others keep their places; the view shows it
  // after Result, and only when a row has one.
  enum Column : int { File, Result, Changes, Ratings, Problem, Match, ColumnCount };

  explicit PreviewModel(std::vector<PreviewRow> rows, QObject* parent = nullptr);
  const std::vector<PreviewRow>& Rows() const { return rows_; }

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
  std::vector<PreviewRow> rows_;
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
