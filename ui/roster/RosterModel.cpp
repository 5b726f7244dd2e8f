#include "ui/roster/RosterModel.h"

#include <QApplication>
#include <QStyle>

#include "platform/ErrorGuard.h"
#include "record/FighterLayout.h"

namespace ostrak::roster {

RosterModel::RosterModel(std::array<QString, kRatingCount> ratingHeaders, QObject* parent)
    : QAbstractTableModel(parent), ratingHeaders_(std::move(ratingHeaders)) {}

int RosterModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int RosterModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

Qt::ItemFlags RosterModel::flags(const QModelIndex& index) const {
  return index.isValid() ? Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren
                         : Qt::NoItemFlags;
}

QString RosterModel::Text(const RosterRow& row, int column) const {
  switch (column) {
    case File:
      return row.FileText();
    case FullName:
      return row.fullName;
    case CommonName:
      return row.commonName;
    case Nationality:
      return row.nationality;
    case WeightClass:
      return row.weightClass >= 0
                 ? QString::fromLatin1(kWeightClassItems[static_cast<std::size_t>(row.weightClass)])
                 : QString();
    case GamePlan:
      return row.gamePlan >= 0 ? QString::fromLatin1(kGamePlanItems[static_cast<std::size_t>(row.gamePlan)])
                               : QString();
    case Problem:
      return row.problem;
    default:
      break;
  }
  if (!IsRating(column)) return {};
  const int percent = row.ratings[static_cast<std::size_t>(column - FirstRating)];
  return percent < 0 ? QString() : QString::number(percent) + QLatin1Char('%');
}

QVariant RosterModel::data(const QModelIndex& index, int role) const {
  if (!index.isValid() || index.row() >= rowCount()) return {};
  const RosterRow& row = RowAt(index.row());
  const int column = index.column();
  switch (role) {
    case Qt::DisplayRole:
    case Qt::AccessibleTextRole:
      return Text(row, column);
    case Qt::ToolTipRole:
      return row.HasProblem() && (column == File || column == Problem) ? QVariant(row.problem) : QVariant();
    case Qt::AccessibleDescriptionRole:
      return row.HasProblem() && column == File ? QVariant(tr("Problem: %1").arg(row.problem)) : QVariant();
    case Qt::DecorationRole:
      if (column != File || !row.HasProblem()) return {};
      if (warning_.isNull()) warning_ = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
      return warning_;
    case Qt::TextAlignmentRole:
      return IsRating(column) ? QVariant(Qt::AlignCenter) : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
    case BarPercentRole:
      if (!IsRating(column) || row.ratings[static_cast<std::size_t>(column - FirstRating)] < 0) return {};
      return static_cast<int>(row.ratings[static_cast<std::size_t>(column - FirstRating)]);
    default:
      return {};
  }
}

QVariant RosterModel::headerData(int section, Qt::Orientation orientation, int role) const {
  if (orientation == Qt::Vertical && groups_ && section >= 0 && section < rowCount() &&
      (role == Qt::DisplayRole || role == Qt::AccessibleTextRole || role == Qt::ToolTipRole)) {
    QVariant label;
    Guard([&] {
      if (const RowPlace* place = groups_->Find(RowAt(section).file)) label = place->label;
    });
    return label;
  }
  if (orientation != Qt::Horizontal || (role != Qt::DisplayRole && role != Qt::AccessibleTextRole)) {
    return QAbstractTableModel::headerData(section, orientation, role);
  }
  switch (section) {
    case File:
      return tr("File");
    case FullName:
      return tr("Full name");
    case CommonName:
      return tr("Common name");
    case Nationality:
      return tr("Nationality");
    case WeightClass:
      return tr("Weight class");
    case GamePlan:
      return tr("Game plan");
    case Problem:
      return tr("Problem");
    default:
      break;
  }
  if (IsRating(section)) return ratingHeaders_[static_cast<std::size_t>(section - FirstRating)];
  return {};
}

int RosterModel::RowOfFile(const std::string& file) const {
  for (std::size_t row = 0; row < shown_.size(); ++row) {
    if (rows_[static_cast<std::size_t>(shown_[row])].file == file) return static_cast<int>(row);
  }
  return -1;
}

}  // namespace ostrak::roster
