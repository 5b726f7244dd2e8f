#include "ui/roster/DuplicatesView.h"

#include <sys/stat.h>

#include <QCheckBox>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QTableView>
#include <algorithm>
#include <string_view>
#include <unordered_map>

#include "platform/ErrorGuard.h"
#include "ui/roster/RosterWindow.h"

namespace ostrak::roster {

namespace {

QString Utf8(const std::string& text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// One file under two names (hard links) is one candidate.
std::vector<DuplicateGroup> Groups(const std::vector<const RosterRow*>& rows, const std::string& folder) {
  std::vector<DuplicateCandidate> candidates;
  candidates.reserve(rows.size());
  for (const RosterRow* row : rows) {
    DuplicateCandidate candidate{row->file, std::nullopt, row->identity};
    struct stat status {};
    if (::stat((folder + row->file).c_str(), &status) == 0) candidate.identity = IdentityOf(status);
    candidates.push_back(std::move(candidate));
  }
  return FindDuplicates(candidates);
}

}  // namespace

QString DuplicateReasonText(const DuplicateLink& link) {
  if (link.reason == DuplicateReason::SherdogId)
    return DuplicatesView::tr("same Sherdog ID %1").arg(Utf8(link.sherdogId));
  return DuplicatesView::tr("same name and date of birth %1").arg(Utf8(link.dateOfBirth));
}

RowGroups GroupDuplicateRows(const std::vector<RosterRow>& rows, const std::string& folder) {
  // Only the rows whose keys another row shares can be in a group: the rules
  // run on those alone, and their files are looked at for those alone.
  std::unordered_map<std::string_view, int> ids(rows.size());
  std::unordered_map<std::string_view, int> names(rows.size());
  for (const RosterRow& row : rows) {
    if (!row.idKey.empty()) ++ids[row.idKey];
    if (!row.nameAndBirthKey.empty()) ++names[row.nameAndBirthKey];
  }
  std::vector<const RosterRow*> members;
  for (const RosterRow& row : rows) {
    if ((!row.idKey.empty() && ids[row.idKey] > 1) ||
        (!row.nameAndBirthKey.empty() && names[row.nameAndBirthKey] > 1)) {
      members.push_back(&row);
    }
  }
  // Numbered in the order the table shows files by name: the collator's, bytes only to break a tie.
  std::sort(members.begin(), members.end(), [](const RosterRow* a, const RosterRow* b) {
    const auto& one = a->textKeys[0];
    const auto& two = b->textKeys[0];
    if (one && two) {
      if (const int order = one->compare(*two); order != 0) return order < 0;
    } else if (one.has_value() != two.has_value()) {
      return !one.has_value();
    }
    return a->file < b->file;
  });
  RowGroups groups;
  for (const DuplicateGroup& group : Groups(members, folder)) {
    for (std::size_t f = 0; f < group.files.size(); ++f) {
      QStringList reasons;
      for (const DuplicateLink* link : group.LinksOf(f)) reasons.push_back(DuplicateReasonText(*link));
      groups.byFile[group.files[f]] = {
          groups.count,
          QStringLiteral("%1: %2").arg(groups.count + 1).arg(reasons.join(QStringLiteral("; ")))};
    }
    ++groups.count;
  }
  return groups;
}

bool OneFighter(const RosterRow& a, const RosterRow& b, const std::string& folder) {
  return !Groups({&a, &b}, folder).empty();
}

DuplicatesView::DuplicatesView(RosterWindow& window) : QObject(&window), window_(window) {
  toggle_ = new QCheckBox(tr("&Duplicates"), &window);
  toggle_->setObjectName(QStringLiteral("duplicates"));
  toggle_->setAccessibleName(tr("Duplicates only"));
  toggle_->setToolTip(
      tr("Show only the files that are probably one fighter: the same Sherdog ID, or the same "
         "full name and date of birth"));
  note_ = new QLabel(&window);
  note_->setObjectName(QStringLiteral("duplicateGroups"));
  note_->hide();
  connect(toggle_, &QCheckBox::toggled, this, [this] { Guard([this] { Regroup(); }); });
  // The groups follow the folder: a read finished, a change seen.
  connect(&window, &RosterWindow::LoadingFinished, this, [this] {
    if (On()) Guard([this] { Regroup(); });
  });
  connect(&window, &RosterWindow::ChangesApplied, this, [this] {
    if (On()) Guard([this] { Regroup(); });
  });
  connect(window.Table().selectionModel(), &QItemSelectionModel::selectionChanged, this,
          &DuplicatesView::PairChanged);
}

bool DuplicatesView::On() const { return toggle_->isChecked(); }

void DuplicatesView::SetOn(bool on) { toggle_->setChecked(on); }

void DuplicatesView::Regroup() {
  RosterModel& model = window_.Model();
  QTableView& table = window_.Table();
  if (!On()) {
    model.SetGroups(nullptr);
    table.verticalHeader()->hide();
    note_->hide();
  } else {
    auto groups =
        std::make_shared<const RowGroups>(GroupDuplicateRows(model.AllRows(), window_.FolderPath()));
    note_->setText(groups->count == 0   ? tr("no duplicates")
                   : groups->count == 1 ? tr("1 group")
                                        : tr("%1 groups").arg(groups->count));
    note_->show();
    model.SetGroups(std::move(groups));
    // The row headers carry each row's group and reason, for the eye and for a screen reader.
    table.verticalHeader()->show();
  }
  emit Regrouped();
  emit PairChanged();
}

std::optional<std::pair<std::string, std::string>> DuplicatesView::SelectedPair() const {
  const QModelIndexList selected = window_.Table().selectionModel()->selectedRows();
  if (selected.size() != 2) return std::nullopt;
  const RosterModel& model = window_.Model();
  int first = selected[0].row();
  int second = selected[1].row();
  if (first > second) std::swap(first, second);
  const RosterRow& a = model.RowAt(first);
  const RosterRow& b = model.RowAt(second);
  bool one = false;
  if (const RowGroups* groups = model.Groups()) {
    const RowPlace* pa = groups->Find(a.file);
    const RowPlace* pb = groups->Find(b.file);
    one = pa && pb && pa->group == pb->group;
  } else {
    one = OneFighter(a, b, window_.FolderPath());
  }
  if (!one) return std::nullopt;
  return std::pair{a.file, b.file};
}

}  // namespace ostrak::roster
