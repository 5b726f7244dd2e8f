#include "ui/roster/MergeDialog.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/ErrorGuard.h"
#include "ui/roster/EngineMessages.h"
#include "ui/roster/FieldNames.h"

namespace ostrak::roster {

namespace {

QString FileName(const std::string& file) { return QFile::decodeName(QByteArray::fromStdString(file)); }

QString Utf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace

MergeDialog::MergeDialog(const std::string& folder, const std::string& first, const std::string& second,
                         MergeView view, QWidget* parent)
    : QDialog(parent), folder_(folder), names_{first, second} {
  setObjectName(QStringLiteral("MergeDialog"));
  setWindowTitle(tr("Merge fighters"));
  setWindowModality(Qt::WindowModal);
  auto* layout = new QVBoxLayout(this);

  auto* keepRow = new QHBoxLayout;
  auto* keepLabel = new QLabel(tr("&Keep the file:"), this);
  keepChoice_ = new QComboBox(this);
  keepChoice_->setObjectName(QStringLiteral("keep"));
  keepChoice_->setAccessibleName(tr("Keep the file"));
  keepChoice_->addItems({FileName(first), FileName(second)});
  keepLabel->setBuddy(keepChoice_);
  keepRow->addWidget(keepLabel);
  keepRow->addWidget(keepChoice_, 1);
  layout->addLayout(keepRow);

  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("summary"));
  summary_->setTextFormat(Qt::PlainText);
  summary_->setWordWrap(true);
  layout->addWidget(summary_);

  fields_ = new QTableWidget(0, ColumnCount, this);
  fields_->setObjectName(QStringLiteral("fields"));
  fields_->setAccessibleName(tr("Fields"));
  fields_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  fields_->setSelectionMode(QAbstractItemView::SingleSelection);
  fields_->verticalHeader()->hide();
  fields_->horizontalHeader()->setStretchLastSection(true);
  fields_->setWordWrap(false);
  layout->addWidget(fields_, 1);

  auto* hint =
      new QLabel(tr("Check the text each differing field takes (Space checks the current cell)."), this);
  hint->setWordWrap(true);
  layout->addWidget(hint);

  auto* buttons = new QDialogButtonBox(this);
  merge_ = buttons->addButton(tr("&Merge"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QDialogButtonBox::Cancel);
  connect(buttons, &QDialogButtonBox::accepted, this, &MergeDialog::MergeRequested);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);

  connect(keepChoice_, &QComboBox::activated, this, [this](int index) { Guard([&] { SetKept(index); }); });
  connect(fields_, &QTableWidget::itemChanged, this,
          [this](QTableWidgetItem* item) { Guard([&] { Checked(item); }); });
  Show(std::move(view));
  resize(760, 620);
}

void MergeDialog::SetKept(int index) {
  if (index < 0 || index > 1) return;
  if (keepChoice_->currentIndex() != index) keepChoice_->setCurrentIndex(index);
  if (index == keepIndex_) return;
  keepIndex_ = index;
  // Read again: the sides swap, and either file may have changed meanwhile.
  Reread();
}

void MergeDialog::Reread() { Show(ViewMerge(folder_ + Keep(), folder_ + Other())); }

void MergeDialog::Show(MergeView view) {
  view_ = std::move(view);
  filling_ = true;
  fields_->setHorizontalHeaderLabels({tr("Field"), tr("Differs"), tr("Kept: %1").arg(FileName(Keep())),
                                      tr("Removed: %1").arg(FileName(Other()))});
  fields_->setRowCount(static_cast<int>(view_.fields.size()));
  sides_.assign(view_.fields.size(), MergeSide::Keep);
  int differing = 0;
  for (std::size_t i = 0; i < view_.fields.size(); ++i) {
    const MergeField& field = view_.fields[i];
    const int row = static_cast<int>(i);
    auto* name = new QTableWidgetItem(FieldName(field.column));
    auto* differs = new QTableWidgetItem(field.differs ? tr("differs") : QString());
    auto* keep = new QTableWidgetItem(Utf8(field.keep));
    auto* other = new QTableWidgetItem(Utf8(field.other));
    if (field.differs) {
      ++differing;
      QFont bold = name->font();
      bold.setBold(true);
      for (QTableWidgetItem* item : {name, differs, keep, other}) item->setFont(bold);
      keep->setFlags(keep->flags() | Qt::ItemIsUserCheckable);
      other->setFlags(other->flags() | Qt::ItemIsUserCheckable);
      sides_[i] = field.side;
      keep->setCheckState(field.side == MergeSide::Keep ? Qt::Checked : Qt::Unchecked);
      other->setCheckState(field.side == MergeSide::Other ? Qt::Checked : Qt::Unchecked);
    }
    fields_->setItem(row, Field, name);
    fields_->setItem(row, Differs, differs);
    fields_->setItem(row, KeepValue, keep);
    fields_->setItem(row, OtherValue, other);
  }
  filling_ = false;
  if (view_.refusal) {
    // A file gone or no longer loading: nothing to choose, nothing to merge.
    std::string file = view_.refusal->file;
    if (file.starts_with(folder_)) file.erase(0, folder_.size());
    summary_->setText(tr("These two cannot be merged.\n%1: %2")
                          .arg(FileName(file), TranslateEngineMessage(view_.refusal->message)));
    merge_->setEnabled(false);
    merge_->setDefault(false);
    return;
  }
  fields_->resizeColumnsToContents();
  fields_->setColumnWidth(KeepValue, std::min(fields_->columnWidth(KeepValue), 260));
  const QString last = FileName(view_.changedLast == MergeSide::Keep ? Keep() : Other());
  summary_->setText(
      tr("Fields that differ: %1. Each takes the text of %2, changed last, unless you check the "
         "other. %3 is written with the texts checked and %4 is removed, in one change.")
          .arg(differing)
          .arg(last, FileName(Keep()), FileName(Other())));
  // Fields that are equal still merge: the file removed goes.
  merge_->setEnabled(true);
  merge_->setDefault(true);
  const auto first = std::find_if(view_.fields.begin(), view_.fields.end(),
                                  [](const MergeField& field) { return field.differs; });
  if (first != view_.fields.end())
    fields_->setCurrentCell(static_cast<int>(first - view_.fields.begin()),
                            first->side == MergeSide::Keep ? KeepValue : OtherValue);
}

// The two value cells of a field act as a pair of radio buttons: one is
// always checked, and checking one unchecks the other.
void MergeDialog::Checked(QTableWidgetItem* item) {
  if (filling_ || !item || (item->column() != KeepValue && item->column() != OtherValue)) return;
  const int row = item->row();
  if (row < 0 || row >= static_cast<int>(sides_.size()) ||
      !view_.fields[static_cast<std::size_t>(row)].differs)
    return;
  const MergeSide clicked = item->column() == KeepValue ? MergeSide::Keep : MergeSide::Other;
  const MergeSide other = clicked == MergeSide::Keep ? MergeSide::Other : MergeSide::Keep;
  Choose(row, item->checkState() == Qt::Checked ? clicked : other);
}

void MergeDialog::Choose(int row, MergeSide side) {
  if (row < 0 || row >= static_cast<int>(sides_.size()) ||
      !view_.fields[static_cast<std::size_t>(row)].differs)
    return;
  sides_[static_cast<std::size_t>(row)] = side;
  filling_ = true;
  fields_->item(row, KeepValue)->setCheckState(side == MergeSide::Keep ? Qt::Checked : Qt::Unchecked);
  fields_->item(row, OtherValue)->setCheckState(side == MergeSide::Other ? Qt::Checked : Qt::Unchecked);
  filling_ = false;
}

std::vector<std::string> MergeDialog::FromOther() const {
  std::vector<std::string> columns;
  for (std::size_t i = 0; i < view_.fields.size(); ++i) {
    if (view_.fields[i].differs && sides_[i] == MergeSide::Other) columns.push_back(view_.fields[i].column);
  }
  return columns;
}

}  // namespace ostrak::roster
