#pragma once

// The roster table's model: every row read from the folder, in one flat
// vector, and the rows shown, in the order shown. Sorting and filtering work
// on what each row worked out when it was read (collation keys, ratings as
// numbers, a folded search text), never through item data. Every change of
// order or filter keeps the persistent indexes, so the selection stays.

#include <QAbstractTableModel>
#include <QIcon>
#include <array>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "record/FighterLayout.h"

#include "ui/roster/RosterRow.h"
#include "ui/roster/RowGroups.h"

namespace ostrak::roster {

class RosterModel : public QAbstractTableModel {
  Q_OBJECT

public:
  enum Column : int {
    File,
    FullName,
    CommonName,
    Nationality,
    WeightClass,
    GamePlan,
    FirstRating,  // Ground; the six ratings in bar order
    LastRating = FirstRating + kRatingCount - 1,
    Problem,
    // Hidden until the user shows them.
    Height,
    Weight,
    DateOfBirth,
    SherdogId,
    FirstAttribute,  // in kAttributeFields order
    LastAttribute = FirstAttribute + kAttributeCount - 1,
    Warnings,  // shown at first: a file that looks wrong is marked, not hidden
    ColumnCount,
  };
  static bool IsRating(int column) { return column >= FirstRating && column <= LastRating; }
  static bool IsAttribute(int column) { return column >= FirstAttribute && column <= LastAttribute; }
  // The line a column shows, for the columns that show one.
  static std::optional<FighterField> FieldOf(int column);
  // The columns a text keeps a collation key for.
  static std::optional<TextColumn> TextColumnOf(int column);
  // The columns shown before the user chooses others.
  static bool ShownAtFirst(int column) { return column <= Problem || column == Warnings; }

  // A rating cell's fill percentage (0..100), what its bar shows.
  static constexpr int BarPercentRole = Qt::UserRole + 1;

  // `ratingHeaders`: the evaluation window's bar captions, in bar order;
  // `attributeHeaders`: the editor's labels, in kAttributeFields order.
  explicit RosterModel(std::array<QString, kRatingCount> ratingHeaders,
                       std::array<QString, kAttributeCount> attributeHeaders = {}, QObject* parent = nullptr);

  // Every row goes; sort and filter stay.
  void Clear();
  // New rows, shown after the others when they pass the filter. They are
  // put in order by the next Resort, so a folder read in batches is sorted
  // once.
  void Append(std::vector<RosterRow> rows);
  // Changed, new and removed files, each put in order and filtered at once.
  // A few changed rows of files already read keep their places, or move
  // alone when their sort keys or the filter say so, so a cell edit does not
  // sort the whole roster again.
  void Apply(RosterChanges changes);
  void Resort();

  // The header's sort: ratings as numbers, texts by collation, the two lists
  // in item order; rows that tie stay in file order.
  void sort(int column, Qt::SortOrder order = Qt::AscendingOrder) override;
  int SortColumn() const { return sortColumn_; }
  Qt::SortOrder SortOrder() const { return sortOrder_; }

  // Rows whose file, names or nationality hold `text` (case and accents
  // aside) and, unless `weightClass` is -1, of that weight class.
  void SetFilter(const QString& text, int weightClass);

  // Only the rows `groups` places are shown, group by group, the sort
  // ordering each group's rows; their labels head the rows. Null: every row.
  void SetGroups(std::shared_ptr<const RowGroups> groups);
  const RowGroups* Groups() const { return groups_.get(); }
  // Every row read, shown or not, in no particular order.
  const std::vector<RosterRow>& AllRows() const { return rows_; }
  // The files of the rows that `text` and `weightClass` would show (see
  // SetFilter), in the order of the sort; the rows shown stay as they are.
  std::vector<std::string> FilesPassing(const QString& text, int weightClass);

  const RosterRow& RowAt(int row) const {
    return rows_[static_cast<std::size_t>(shown_[static_cast<std::size_t>(row)])];
  }
  int TotalCount() const { return static_cast<int>(rows_.size()); }
  int ProblemsShown() const { return problemsShown_; }
  // The shown row of `file`, or -1.
  int RowOfFile(const std::string& file) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
  Qt::ItemFlags flags(const QModelIndex& index) const override;

  // A cell's text as shown and as a screen reader reads it.
  QString Text(const RosterRow& row, int column) const;

  // What the user should know of one cell (why an edit was refused), shown
  // as its tool tip until the next; an empty text takes it away.
  void SetCellNote(const std::string& file, int column, const QString& note);
  QString CellNote(const std::string& file, int column) const;

private:
  bool Passes(const RosterRow& row) const;
  bool Less(int a, int b) const;
  const std::vector<int>& AllInOrder();
  // Row `id` holds `row` now, put in its place or taken out of the rows shown.
  void Update(int id, RosterRow row);
  std::vector<int> Filtered(const std::vector<int>& ordered) const;
  // Moves from the rows shown now to `next`, in at most three steps the
  // views follow: new rows inserted at the end, a reordering, the rows that
  // go removed from the end.
  void Reshow(const std::vector<int>& next);
  void CountProblems();

  std::array<QString, kRatingCount> ratingHeaders_;
  std::array<QString, kAttributeCount> attributeHeaders_;
  std::map<std::pair<std::string, int>, QString> cellNotes_;
  std::vector<RosterRow> rows_;
  std::vector<int> shown_;     // row numbers in rows_, in the order shown
  std::vector<int> position_;  // for each row of rows_, where it is shown, or -1
  std::vector<int> ordered_;   // every row in sort order, while orderValid_
  bool orderValid_ = false;
  bool shownInOrder_ = true;  // shown_ is the rows that pass, in the order of the sort
  int sortColumn_ = File;
  Qt::SortOrder sortOrder_ = Qt::AscendingOrder;
  std::string needle_;
  int weightClass_ = -1;
  int problemsShown_ = 0;
  std::shared_ptr<const RowGroups> groups_;
  mutable QIcon warning_;
};

}  // namespace ostrak::roster
