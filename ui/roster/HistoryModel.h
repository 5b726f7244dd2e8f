#pragma once

// What the history panel shows: the folder's change sets as a table (id,
// time, command, files, whether taken back) and one set as a person reads
// it, file by file: what the set did to it, each field before -> after and
// the six ratings before -> after.

#include <QAbstractTableModel>
#include <QString>
#include <QStringList>
#include <array>
#include <string>
#include <vector>

#include "history/HistoryStore.h"

namespace ostrak::roster {

class HistoryModel : public QAbstractTableModel {
  Q_OBJECT

public:
  enum Column { Id, Time, Command, Files, Undone, ColumnCount };
  // The time in UTC, ISO 8601, under the time column; the display role shows it in local time.
  static constexpr int UtcRole = Qt::UserRole + 1;

  using QAbstractTableModel::QAbstractTableModel;

  void SetSets(std::vector<history::ChangeSetSummary> sets);
  const history::ChangeSetSummary& SetAt(int row) const { return sets_[static_cast<std::size_t>(row)]; }
  // -1 when the set is not listed.
  int RowOf(history::ChangeSetId id) const;

  int rowCount(const QModelIndex& parent = {}) const override;
  int columnCount(const QModelIndex& parent = {}) const override;
  QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
  QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
  std::vector<history::ChangeSetSummary> sets_;
};

// "2024-05-01T12:00:00Z" in the local time zone, as the panel shows it.
QString LocalTime(const std::string& utc);

struct FileAccount {
  QString file;       // from the folder when under it
  QString status;     // "created", "changed", "removed", "unchanged"
  QStringList lines;  // "full_name: "Ann" → "Anna"", then the ratings
};

// Each file of `set`, at most `limit` of them; `ratingNames` in the
// evaluation window's bar order.
std::vector<FileAccount> AccountOf(const history::ChangeSet& set, const std::string& folder,
                                   const std::array<QString, 6>& ratingNames, std::size_t limit);

}  // namespace ostrak::roster
