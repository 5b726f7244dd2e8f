#include "ui/roster/HistoryModel.h"

#include <QDateTime>
#include <QFile>

#include "platform/AnsiText.h"
#include "recorded/SetView.h"
#include "ui/roster/EngineMessages.h"

namespace ostrak::roster {

namespace {

QString FileName(const std::string& path, const std::string& folder) {
  const bool under = !folder.empty() && path.size() > folder.size() && path.starts_with(folder) &&
                     path[folder.size()] == '/';
  return QFile::decodeName(QByteArray::fromStdString(under ? path.substr(folder.size() + 1) : path));
}

QString StatusText(recorded::FileStatus status) {
  switch (status) {
    case recorded::FileStatus::Created:
      return HistoryModel::tr("created");
    case recorded::FileStatus::Changed:
      return HistoryModel::tr("changed");
    case recorded::FileStatus::Removed:
      return HistoryModel::tr("removed");
    case recorded::FileStatus::Unchanged:
      break;
  }
  return HistoryModel::tr("unchanged");
}

// A field's text as the file holds it, quoted, its line feeds shown.
QString Quoted(const std::string& text) {
  QString shown = QString::fromUtf8(text);
  shown.replace(QLatin1Char('\n'), QStringLiteral("⏎"));
  return QStringLiteral("“") + shown + QStringLiteral("”");
}

QString RatingsSide(bool exists, const std::optional<Ratings>& ratings,
                    const std::optional<std::string>& failure, std::size_t i) {
  if (!exists) return HistoryModel::tr("none");
  if (!ratings) return failure ? HistoryModel::tr("does not load") : HistoryModel::tr("none");
  return QString::number(ratings->InBarOrder()[i]) + QLatin1Char('%');
}

}  // namespace

void HistoryModel::SetSets(std::vector<history::ChangeSetSummary> sets) {
  beginResetModel();
  sets_ = std::move(sets);
  endResetModel();
}

int HistoryModel::RowOf(history::ChangeSetId id) const {
  for (std::size_t row = 0; row < sets_.size(); ++row) {
    if (sets_[row].id == id) return static_cast<int>(row);
  }
  return -1;
}

int HistoryModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(sets_.size());
}

int HistoryModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

QVariant HistoryModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const history::ChangeSetSummary& set = SetAt(index.row());
  if (role == UtcRole) return QString::fromStdString(set.time);
  if (index.column() == Time && role == Qt::ToolTipRole) return QString::fromStdString(set.time);
  if (index.column() == Command && role == Qt::ToolTipRole && !set.note.empty())
    return TranslateEngineMessage(set.note);
  if (role == Qt::TextAlignmentRole && (index.column() == Id || index.column() == Files))
    return QVariant::fromValue(Qt::AlignRight | Qt::AlignVCenter);
  if (role != Qt::DisplayRole && role != Qt::AccessibleTextRole) return {};
  switch (index.column()) {
    case Id:
      return QString::number(set.id);
    case Time:
      return LocalTime(set.time);
    case Command:
      return TranslateEngineMessage(set.command);
    case Files:
      return QString::number(set.files);
    case Undone:
      if (!set.revertedBy) return role == Qt::AccessibleTextRole ? tr("no") : QString();
      return set.kind == history::SetKind::Undo ? tr("redone by %1").arg(*set.revertedBy)
                                                : tr("undone by %1").arg(*set.revertedBy);
    default:
      return {};
  }
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole))
    return QAbstractTableModel::headerData(section, orientation, role);
  switch (section) {
    case Id:
      return tr("Id");
    case Time:
      return tr("Time");
    case Command:
      return tr("Command");
    case Files:
      return tr("Files");
    case Undone:
      return tr("Taken back");
    default:
      return {};
  }
}

QString LocalTime(const std::string& utc) {
  QDateTime time = QDateTime::fromString(QString::fromStdString(utc), Qt::ISODate);
  if (!time.isValid()) return QString::fromStdString(utc);
  time.setTimeSpec(Qt::UTC);
  return time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

std::vector<FileAccount> AccountOf(const history::ChangeSet& set, const std::string& folder,
                                   const std::array<QString, 6>& ratingNames, std::size_t limit) {
  history::ChangeSet shown;
  shown.summary = set.summary;
  shown.files.assign(set.files.begin(),
                     set.files.begin() + static_cast<std::ptrdiff_t>(std::min(limit, set.files.size())));
  std::vector<FileAccount> accounts;
  for (const recorded::FileView& view : recorded::ViewChangeSet(shown)) {
    FileAccount account{FileName(view.path, folder), StatusText(view.status), {}};
    for (const roster::FieldChange& field : view.changes.fields) {
      account.lines << QString::fromStdString(field.column) + QStringLiteral(": ") + Quoted(field.before) +
                           QStringLiteral(" → ") + Quoted(field.after);
    }
    if (view.status != recorded::FileStatus::Unchanged) {
      const bool before = view.status != recorded::FileStatus::Created;
      const bool after = view.status != recorded::FileStatus::Removed;
      QStringList ratings;
      for (std::size_t i = 0; i < ratingNames.size(); ++i) {
        ratings << ratingNames[i] + QLatin1Char(' ') +
                       RatingsSide(before, view.changes.ratingsBefore, view.changes.failureBefore, i) +
                       QStringLiteral(" → ") +
                       RatingsSide(after, view.changes.ratingsAfter, view.changes.failureAfter, i);
      }
      account.lines << HistoryModel::tr("Ratings: %1").arg(ratings.join(QStringLiteral(", ")));
      if (view.changes.failureBefore)
        account.lines << HistoryModel::tr("Before, it does not load: %1")
                             .arg(TranslateEngineMessage(*view.changes.failureBefore));
      if (view.changes.failureAfter)
        account.lines << HistoryModel::tr("After, it does not load: %1")
                             .arg(TranslateEngineMessage(*view.changes.failureAfter));
    }
    accounts.push_back(std::move(account));
  }
  return accounts;
}

}  // namespace ostrak::roster
