#include "ui/roster/RosterMerge.h"

#include <QAction>
#include <QFile>

#include "platform/AnsiText.h"
#include "platform/Dialogs.h"
#include "platform/ErrorGuard.h"
#include "ui/roster/DuplicatesView.h"
#include "ui/roster/EngineMessages.h"
#include "ui/roster/RosterJournal.h"
#include "ui/roster/RosterWindow.h"

namespace ostrak::roster {

namespace {

QString FileName(const std::string& file) { return QFile::decodeName(QByteArray::fromStdString(file)); }

// "a.txt: why", the file named as the user knows it.
QString Failure(const FileFailure& failure, const std::string& folder, const std::string& fallback) {
  std::string file = failure.file.empty() ? fallback : failure.file;
  if (file.starts_with(folder)) file.erase(0, folder.size());
  return FileName(file) + QStringLiteral(": ") + TranslateEngineMessage(failure.message);
}

}  // namespace

RosterMerge::RosterMerge(RosterWindow& window, DuplicatesView& duplicates, Dialogs& dialogs)
    : QObject(&window), window_(window), duplicates_(duplicates), dialogs_(dialogs) {
  action_ = new QAction(tr("&Merge…"), &window);
  action_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_M));
  action_->setEnabled(false);
  connect(action_, &QAction::triggered, this, [this] { Guard([this] { MergeSelected(); }); });
  connect(&duplicates, &DuplicatesView::PairChanged, this,
          [this] { Guard([this] { action_->setEnabled(duplicates_.SelectedPair().has_value()); }); });
}

void RosterMerge::Refuse(const QString& text) {
  dialogs_.ShowMessage(text, tr("Merge fighters"), MessageIcon::Stop);
}

void RosterMerge::PutBack(const std::string& keep) {
  const std::vector<std::string> recovered = RecoverInterrupted(MergeOptions(keep));
  if (recovered.empty()) return;
  QString text = tr("A merge cut short before was put back first:");
  for (const std::string& line : recovered) text += QLatin1Char('\n') + TranslateEngineMessage(line);
  dialogs_.ShowMessage(text, tr("Merge fighters"), MessageIcon::Information);
}

void RosterMerge::MergeSelected() {
  if (dialog_) return;
  const auto pair = duplicates_.SelectedPair();
  if (!pair) {
    dialogs_.ShowMessage(tr("Select two files of one fighter (Duplicates shows them), then merge them."),
                         tr("Merge fighters"), MessageIcon::Information);
    return;
  }
  const std::string& folder = window_.FolderPath();
  // The dialog shows the files as they are, not a merge's leftovers.
  PutBack(folder + pair->first);
  MergeView view = ViewMerge(folder + pair->first, folder + pair->second);
  if (view.refusal) {
    Refuse(tr("These two cannot be merged.\n%1").arg(Failure(*view.refusal, folder, folder + pair->first)));
    return;
  }
  dialog_ = new MergeDialog(folder, pair->first, pair->second, std::move(view), &window_);
  dialog_->setAttribute(Qt::WA_DeleteOnClose);
  connect(dialog_, &MergeDialog::MergeRequested, this, [this] {
    Guard([this] {
      if (dialog_) Merge(*dialog_);
    });
  });
  connect(dialog_, &QDialog::rejected, this, [this] { emit Finished(false); });
  dialog_->open();
  emit DialogShown();
}

void RosterMerge::Merge(MergeDialog& dialog) {
  const std::string& folder = window_.FolderPath();
  const std::string keep = folder + dialog.Keep();
  const std::string other = folder + dialog.Other();
  // A merge cut short before is put back first: a plan is not made over its leftovers.
  PutBack(keep);
  // The dialog is window-modal: the editor or another program may have
  // changed either file while it was open, and OTHER's fields would go unseen.
  MergePlan merge = PlanMerge(keep, other, dialog.FromOther(), &dialog.View());
  if (merge.changed) {
    Refuse(tr("Nothing was merged: %1 changed since the dialog showed it. Its fields are shown again as "
              "they are now; check them, then merge.")
               .arg(FileName(merge.refusal->file.substr(folder.size()))));
    dialog.Reread();
    return;
  }
  dialog.accept();
  if (merge.refusal) {
    Refuse(tr("Nothing was merged.\n%1").arg(Failure(*merge.refusal, folder, keep)));
    emit Finished(false);
    return;
  }
  if (!merge.plan.Problems().empty()) {
    QString lines;
    for (const TableProblem& problem : merge.plan.Problems()) {
      const std::string& named = problem.row == 2 ? other : keep;
      lines += QLatin1Char('\n') + Failure({named, problem.message}, folder, keep);
    }
    Refuse(tr("Nothing was merged.") + lines);
    emit Finished(false);
    return;
  }
  const auto journal = RosterJournal(merge.label);
  const CommitResult result = Commit(merge.plan, {}, journal.get());
  // The watch would see the change too; the table need not wait for it.
  window_.RescanNow();
  if (!result.ok()) {
    QString text = result.intact ? tr("Nothing was merged.") : tr("The merge failed.");
    Refuse(text + QLatin1Char('\n') + Failure(*result.failure, folder, keep));
    emit Finished(false);
    return;
  }
  emit Finished(true);
}

}  // namespace ostrak::roster
