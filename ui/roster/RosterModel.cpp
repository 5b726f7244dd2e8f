#include "ui/roster/RosterModel.h"

#include <QApplication>
#include <QStyle>

#include "platform/ErrorGuard.h"
#include "record/FighterLayout.h"

namespace ostrak::roster {

RosterModel::RosterModel(std::array<QString, kRatingCount> ratingHeaders,
                         std::array<QString, kAttributeCount> attributeHeaders, QObject* parent)
    : QAbstractTableModel(parent),
      ratingHeaders_(std::move(ratingHeaders)),
      attributeHeaders_(std::move(attributeHeaders)) {
  for (std::size_t i = 0; i < attributeHeaders_.size(); ++i) {
    if (attributeHeaders_[i].isEmpty())
      attributeHeaders_[i] = QString::fromLatin1(Describe(kAttributeFields[i]).englishLabel);
  }
}

std::optional<FighterField> RosterModel::FieldOf(int column) {
  switch (column) {
    case FullName:
      return FighterField::FullName;
    case CommonName:
      return FighterField::ShortName;
    case Nationality:
      return FighterField::Nationality;
    case WeightClass:
      return FighterField::WeightClass;
    case GamePlan:
      return FighterField::GamePlan;
    case Height:
      return FighterField::Height;
    case Weight:
      return FighterField::Weight;
    case DateOfBirth:
      return FighterField::DateOfBirth;
    case SherdogId:
      return FighterField::SherdogId;
    default:
      break;
  }
  if (IsAttribute(column)) return kAttributeFields[static_cast<std::size_t>(column - FirstAttribute)];
  return std::nullopt;
}

std::optional<TextColumn> RosterModel::TextColumnOf(int column) {
  switch (column) {
    case File:
      return TextColumn::File;
    case FullName:
      return TextColumn::FullName;
    case CommonName:
      return TextColumn::CommonName;
    case Nationality:
      return TextColumn::Nationality;
    case Height:
      return TextColumn::Height;
    case Weight:
      return TextColumn::Weight;
    case DateOfBirth:
      return TextColumn::DateOfBirth;
    case SherdogId:
      return TextColumn::SherdogId;
    case Warnings:
      return TextColumn::Warnings;
    default:
      return std::nullopt;
  }
}

void RosterModel::SetCellNote(const std::string& file, int column, const QString& note) {
  const auto key = std::pair(file, column);
  if (note.isEmpty() ? cellNotes_.erase(key) == 0 : cellNotes_[key] == note) return;
  if (!note.isEmpty()) cellNotes_[key] = note;
  if (const int row = RowOfFile(file); row >= 0) emit dataChanged(index(row, column), index(row, column));
}

QString RosterModel::CellNote(const std::string& file, int column) const {
  if (cellNotes_.empty()) return {};
  const auto found = cellNotes_.find(std::pair(file, column));
  return found == cellNotes_.end() ? QString() : found->second;
}

int RosterModel::rowCount(const QModelIndex& parent) const {
  return parent.isValid() ? 0 : static_cast<int>(shown_.size());
}

int RosterModel::columnCount(const QModelIndex& parent) const { return parent.isValid() ? 0 : ColumnCount; }

// A file that does not load cleanly is mended in the editor, not cell by cell.
Qt::ItemFlags RosterModel::flags(const QModelIndex& index) const {
  if (!index.isValid() || index.row() >= rowCount()) return Qt::NoItemFlags;
  Qt::ItemFlags flags = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemNeverHasChildren;
  if (FieldOf(index.column()) && !RowAt(index.row()).HasProblem()) flags |= Qt::ItemIsEditable;
  return flags;
}

QString RosterModel::Text(const RosterRow& row, int column) const {
  if (const auto text = TextColumnOf(column)) return row.Text(*text);
  if (IsAttribute(column)) {
    const int value = row.attributes[static_cast<std::size_t>(column - FirstAttribute)];
    return value < 0 ? QString() : QString::number(value);
  }
  switch (column) {
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
    case Qt::EditRole:
      if (column == WeightClass) return static_cast<int>(row.weightClass);
      if (column == GamePlan) return static_cast<int>(row.gamePlan);
      if (IsAttribute(column))
        return static_cast<int>(row.attributes[static_cast<std::size_t>(column - FirstAttribute)]);
      return Text(row, column);
    case Qt::ToolTipRole:
      if (QString note = CellNote(row.file, column); !note.isEmpty()) return note;
      if (row.HasProblem() && (column == File || column == Problem)) {
        return row.explanation.isEmpty() ? row.problem : row.problem + QLatin1Char('\n') + row.explanation;
      }
      return column == Warnings && !row.warnings.isEmpty() ? QVariant(row.warnings) : QVariant();
    case Qt::AccessibleDescriptionRole:
      return row.HasProblem() && column == File ? QVariant(tr("Problem: %1").arg(row.problem)) : QVariant();
    case Qt::DecorationRole:
      if (column != File || !row.HasProblem()) return {};
      if (warning_.isNull()) warning_ = QApplication::style()->standardIcon(QStyle::SP_MessageBoxWarning);
      return warning_;
    case Qt::TextAlignmentRole:
      return IsRating(column) || IsAttribute(column) ? QVariant(Qt::AlignCenter)
                                                     : QVariant(Qt::AlignLeft | Qt::AlignVCenter);
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
  // The first click on a rating or an attribute puts the best first.
  if (orientation == Qt::Horizontal && role == Qt::InitialSortOrderRole) {
    return static_cast<int>(IsRating(section) || IsAttribute(section) ? Qt::DescendingOrder
                                                                      : Qt::AscendingOrder);
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
    case Height:
      return tr("Height");
    case Weight:
      return tr("Weight");
    case DateOfBirth:
      return tr("Date of birth");
    case SherdogId:
      return tr("Sherdog ID");
    case Warnings:
      return tr("Warnings");
    default:
      break;
  }
  if (IsRating(section)) return ratingHeaders_[static_cast<std::size_t>(section - FirstRating)];
  if (IsAttribute(section)) return attributeHeaders_[static_cast<std::size_t>(section - FirstAttribute)];
  return {};
}

int RosterModel::RowOfFile(const std::string& file) const {
  for (std::size_t row = 0; row < shown_.size(); ++row) {
    if (rows_[static_cast<std::size_t>(shown_[row])].file == file) return static_cast<int>(row);
  }
  return -1;
}

}  // namespace ostrak::roster
