#include "ui/roster/RosterUndo.h"

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>

#include "platform/AnsiText.h"
#include "platform/Dialogs.h"
#include "platform/ErrorGuard.h"
#include "ui/roster/EngineMessages.h"
#include "ui/roster/ImportPreview.h"
#include "ui/roster/RosterJournal.h"
#include "ui/roster/RosterWindow.h"

namespace ostrak::roster {

namespace {

using recorded::Outcome;
using recorded::TakeBackKind;
using recorded::TakeBackPlan;

// A chain of undos and redos is followed this far back to the change it concerns.
constexpr int kMaxChain = 64;

// A menu entry shows the command's words as written: a single '&' would mark a mnemonic.
QString Verbatim(QString text) { return text.replace(QLatin1Char('&'), QStringLiteral("&&")); }

QString WouldText(const recorded::TakenBackFile& file) {
  QString text;
  switch (file.outcome) {
    case Outcome::Restored:
      text = RosterUndo::tr("would restore");
      break;
    case Outcome::Removed:
      text = RosterUndo::tr("would remove");
      break;
    case Outcome::Recreated:
      text = RosterUndo::tr("would recreate");
      break;
    case Outcome::Unchanged:
      text = RosterUndo::tr("unchanged");
      break;
  }
  if (file.changedOutside) text += RosterUndo::tr("; changed outside: kept in the history first");
  return text;
}

std::size_t Count(const TakeBackPlan& plan, Outcome outcome) {
  return static_cast<std::size_t>(std::count_if(
      plan.files.begin(), plan.files.end(), [outcome](const auto& file) { return file.outcome == outcome; }));
}

std::size_t ChangedOutside(const TakeBackPlan& plan) {
  return static_cast<std::size_t>(std::count_if(plan.files.begin(), plan.files.end(),
                                                [](const auto& file) { return file.changedOutside; }));
}

}  // namespace

struct RosterUndo::Applied {
  recorded::TakeBackResult result;
};

RosterUndo::RosterUndo(RosterWindow& window, Dialogs& dialogs, Threading threading)
    : QObject(&window),
      window_(window),
      dialogs_(dialogs),
      undo_(new QAction(&window)),
      redo_(new QAction(&window)),
      result_(new QLabel(window.statusBar())),
      worker_(threading) {
  undo_->setObjectName(QStringLiteral("historyUndo"));
  undo_->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
  redo_->setObjectName(QStringLiteral("historyRedo"));
  redo_->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z), QKeySequence(Qt::CTRL | Qt::Key_Y)});
  // Held down, a key would take back one change set after another.
  undo_->setAutoRepeat(false);
  redo_->setAutoRepeat(false);
  connect(undo_, &QAction::triggered, this, [this] { Guard([this] { UndoNewest(); }); });
  connect(redo_, &QAction::triggered, this, [this] { Guard([this] { RedoNewest(); }); });
  window.addActions({undo_, redo_});

  result_->setObjectName(QStringLiteral("takenBack"));
  result_->setAccessibleName(tr("Last change taken back"));
  result_->setTextFormat(Qt::PlainText);
  result_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  result_->hide();
  window.statusBar()->addWidget(result_, 3);

  // What another program did under the folder (the companion's undo) shows too.
  connect(&window, &RosterWindow::LoadingFinished, this, [this] { Guard([this] { Refresh(); }); });
  connect(&window, &RosterWindow::ChangesApplied, this, [this] { Guard([this] { Refresh(); }); });
  FollowHistory();
}

RosterUndo::~RosterUndo() = default;

QString RosterUndo::CommandOf(const history::ChangeSetSummary& set) const {
  const history::ChangeSetSummary* at = &set;
  for (int hop = 0; hop < kMaxChain && at->reverts &&
                    (at->kind == history::SetKind::Undo || at->kind == history::SetKind::Redo);
       ++hop) {
    const auto found = byId_.find(*at->reverts);
    if (found == byId_.end()) break;
    at = &sets_[found->second];
  }
  const bool reached = at->kind == history::SetKind::Change || at->kind == history::SetKind::Outside;
  return TranslateEngineMessage(reached ? at->command : set.command);
}

void RosterUndo::Refresh() {
  sets_.clear();
  byId_.clear();
  undoable_.reset();
  redoable_.reset();
  unreadable_.clear();
  folder_ = window_.FolderPath().empty() ? std::string() : recorded::CanonicalPath(window_.FolderPath());
  if (!folder_.empty()) {
    recorded::WriterHistory history = OpenWindowHistory();
    if (history::Store* store = history.store()) {
      try {
        sets_ = store->History({folder_});
        if (const auto candidate = store->NewestUndoable(folder_)) undoable_ = candidate->set;
        if (const auto candidate = store->NewestRedoable(folder_)) redoable_ = candidate->set;
      } catch (const std::exception& failure) {
        sets_.clear();
        undoable_.reset();
        redoable_.reset();
        unreadable_ = TranslateEngineMessage(std::string(failure.what()));
      }
    } else {
      unreadable_ = TranslateEngineMessage(history.Unavailable());
    }
  }
  for (std::size_t i = 0; i < sets_.size(); ++i) byId_[sets_[i].id] = i;
  FollowHistory();
  emit SetsRead();
}

void RosterUndo::FollowHistory() {
  undo_->setEnabled(!busy_ && undoable_.has_value());
  redo_->setEnabled(!busy_ && redoable_.has_value());
  undo_->setText(undoable_ ? tr("&Undo %1").arg(Verbatim(CommandOf(*undoable_))) : tr("&Undo"));
  redo_->setText(redoable_ ? tr("&Redo %1").arg(Verbatim(CommandOf(*redoable_))) : tr("&Redo"));
}

void RosterUndo::SetBusy(bool busy) {
  busy_ = busy;
  FollowHistory();
}

void RosterUndo::UndoNewest() { Plan(Request::Undo, 0, false); }
void RosterUndo::RedoNewest() { Plan(Request::Redo, 0, false); }
void RosterUndo::PreviewTakeBack(history::ChangeSetId id) { Plan(Request::TakeBack, id, true); }
void RosterUndo::PreviewRestore(history::ChangeSetId id) { Plan(Request::Restore, id, true); }

// Planned in the worker's thread with a store of its own: a store belongs to
// the thread that opened it.
void RosterUndo::Plan(Request request, history::ChangeSetId id, bool preview) {
  if (busy_ || preview_ || window_.FolderPath().empty()) return;
  SetBusy(true);
  const std::string folder = window_.FolderPath();
  std::optional<PreviewCaptions> captions;
  if (preview) captions = CaptionsOf(window_.Model());
  worker_.Post([this, request, id, folder, captions] {
    auto plan = std::make_shared<TakeBackPlan>();
    try {
      recorded::WriterHistory history = OpenWindowHistory();
      if (const history::Store* store = history.store()) {
        switch (request) {
          case Request::Undo:
            *plan = recorded::PlanUndo(*store, folder);
            break;
          case Request::Redo:
            *plan = recorded::PlanRedo(*store, folder);
            break;
          case Request::TakeBack:
            *plan = recorded::PlanTakeBack(*store, id);
            break;
          case Request::Restore:
            *plan = recorded::PlanRestoreSet(*store, id, recorded::RestorePoint::After);
            break;
        }
      } else {
        plan->refusal = history.Unavailable().empty() ? "the history is turned off" : history.Unavailable();
      }
    } catch (const std::exception& failure) {
      plan->refusal = failure.what();
    }
    // The preview's lines are worked out here too, and a failure there must
    // still reach Planned: it alone ends the busy state.
    std::shared_ptr<PreviewLines> lines;
    try {
      if (captions && !plan->Refused())
        lines = std::make_shared<PreviewLines>(
            PreviewOf(std::shared_ptr<const RosterPlan>(plan, &plan->plan), *captions));
    } catch (const std::exception& failure) {
      plan->refusal = failure.what();
    }
    if (plan->Refused() && request == Request::Redo) plan->kind = TakeBackKind::Redo;
    if (plan->Refused() && request == Request::Restore) plan->kind = TakeBackKind::Restore;
    worker_.Deliver(this, [this, plan, lines] { Guard([&] { Planned(plan, lines); }); });
  });
}

void RosterUndo::Planned(const std::shared_ptr<TakeBackPlan>& plan,
                         const std::shared_ptr<PreviewLines>& lines) {
  if (plan->Refused()) {
    SetBusy(false);
    const QString text = TitleOf(*plan) + QStringLiteral(": ") + TranslateEngineMessage(plan->refusal);
    result_->setText(text);
    result_->show();
    dialogs_.ShowMessage(text, TitleOf(*plan), MessageIcon::Information);
    emit TakenBack(false);
    return;
  }
  if (lines) {
    ShowPreview(plan, std::move(*lines));
  } else {
    Apply(plan);
  }
}

void RosterUndo::ShowPreview(const std::shared_ptr<TakeBackPlan>& plan, PreviewLines lines) {
  // The files are named as the history knows them, and what happens to each
  // in the history's words.
  for (std::size_t row = 0; row < lines.rows.size() && row < plan->files.size(); ++row) {
    lines.rows[row].file = Shown(plan->files[row].path);
    lines.rows[row].result = WouldText(plan->files[row]);
  }
  const auto& problems = plan->plan.Problems();
  lines.problems.clear();
  for (const TableProblem& problem : problems) {
    const bool ofFile = problem.row > 0 && problem.row <= static_cast<int>(plan->files.size());
    const QString place =
        ofFile ? Shown(plan->files[static_cast<std::size_t>(problem.row - 1)].path) : tr("The change");
    lines.problems.push_back(place + QStringLiteral(": ") + TranslateEngineMessage(problem.message));
  }
  preview_ = new ImportPreview(QString(), plan->plan, std::move(lines), {}, &window_);
  preview_->setObjectName(QStringLiteral("TakeBackPreview"));
  preview_->setAttribute(Qt::WA_DeleteOnClose);
  preview_->setWindowTitle(TitleOf(*plan));
  preview_->MatchById().hide();  // the history, not a table, names the files
  QString summary = tr("%1 to restore, %2 to recreate, %3 to remove, %4 unchanged.")
                        .arg(Count(*plan, Outcome::Restored))
                        .arg(Count(*plan, Outcome::Recreated))
                        .arg(Count(*plan, Outcome::Removed))
                        .arg(Count(*plan, Outcome::Unchanged));
  if (const std::size_t outside = ChangedOutside(*plan); outside > 0) {
    summary += QLatin1Char(' ') +
               tr("%1 changed outside since the history last saw them: their bytes are kept in the history "
                  "before they are replaced.")
                   .arg(outside);
  }
  if (!problems.empty())
    summary += QLatin1Char(' ') + tr("Nothing can be applied until every problem is mended.");
  preview_->Summary().setText(summary);
  // An undo that finds every file as it would leave it still counts as one.
  const bool applicable = problems.empty() && (plan->plan.ChangeCount() > 0 || plan->reversal.has_value());
  preview_->ApplyButton().setEnabled(applicable);
  preview_->ApplyButton().setDefault(applicable);
  connect(preview_, &ImportPreview::ApplyRequested, this, [this, plan] { Guard([&] { Apply(plan); }); });
  connect(preview_, &QDialog::finished, this, [this] { preview_ = nullptr; });
  connect(preview_, &QDialog::rejected, this, [this] {
    SetBusy(false);
    emit TakenBack(false);
  });
  preview_->open();
  emit PreviewShown();
}

void RosterUndo::Apply(const std::shared_ptr<TakeBackPlan>& plan) {
  if (preview_) preview_->ShowCommitting();
  worker_.Post([this, plan] {
    auto outcome = std::make_shared<Applied>();
    try {
      recorded::WriterHistory history = OpenWindowHistory();
      outcome->result = recorded::CommitTakeBack(*plan, history);
      history.MaintainWhenDue();
    } catch (const std::exception& failure) {
      outcome->result.commit.failure = FileFailure{{}, failure.what()};
    }
    worker_.Deliver(this, [this, plan, outcome] { Guard([&] { Finished(*plan, *outcome); }); });
  });
}

void RosterUndo::Finished(const TakeBackPlan& plan, const Applied& outcome) {
  if (preview_) preview_->done(QDialog::Accepted);
  SetBusy(false);
  const CommitResult& commit = outcome.result.commit;
  const QString title = TitleOf(plan);
  QString text;
  if (commit.ok()) {
    text = tr("%1: %2 restored, %3 recreated, %4 removed, %5 unchanged.")
               .arg(title)
               .arg(Count(plan, Outcome::Restored))
               .arg(Count(plan, Outcome::Recreated))
               .arg(Count(plan, Outcome::Removed))
               .arg(Count(plan, Outcome::Unchanged));
  } else {
    const FileFailure& failure = *commit.failure;
    QString why = TranslateEngineMessage(failure.message);
    if (!failure.file.empty()) why = Shown(failure.file) + QStringLiteral(": ") + why;
    for (const TableProblem& problem : plan.plan.Problems())
      why += QLatin1Char('\n') + TranslateEngineMessage(problem.message);
    text = (commit.intact ? tr("%1: nothing was changed. %2") : tr("%1 failed. %2")).arg(title, why);
  }
  for (const recorded::TakenBackFile& file : plan.files) {
    if (!file.keptAs) continue;
    text +=
        QLatin1Char(' ') +
        tr("%1 had been changed outside: kept in the history as %2.").arg(Shown(file.path)).arg(*file.keptAs);
  }
  result_->setText(text);
  result_->setToolTip(text);
  result_->show();
  if (!commit.ok()) dialogs_.ShowMessage(text, title, MessageIcon::Stop);
  TellNoHistory(outcome.result.problem);
  // The watch would see the files too; the table need not wait for it.
  window_.RescanNow();
  Refresh();
  emit TakenBack(commit.ok());
}

QString RosterUndo::TitleOf(const TakeBackPlan& plan) const {
  switch (plan.kind) {
    case TakeBackKind::Undo:
      return plan.set ? tr("Undo %1").arg(CommandOf(*plan.set)) : tr("Undo");
    case TakeBackKind::Redo:
      return plan.set ? tr("Redo %1").arg(CommandOf(*plan.set)) : tr("Redo");
    case TakeBackKind::Restore:
      break;
  }
  return plan.set ? tr("Restore the version of change set %1").arg(plan.set->id) : tr("Restore");
}

// Named from the folder, as the table names it.
QString RosterUndo::Shown(const std::string& path) const {
  if (!folder_.empty() && path.size() > folder_.size() && path.starts_with(folder_) &&
      path[folder_.size()] == '/') {
    return QFile::decodeName(QByteArray::fromStdString(path.substr(folder_.size() + 1)));
  }
  return QFile::decodeName(QByteArray::fromStdString(path));
}

void RosterUndo::Committed(const std::string& noHistory) {
  TellNoHistory(noHistory);
  Refresh();
}

// Once a run for each reason: the next change without history is no news.
void RosterUndo::TellNoHistory(const std::string& problem) {
  if (problem.empty() || problem == noHistoryTold_) return;
  noHistoryTold_ = problem;
  dialogs_.ShowMessage(tr("The change was made, but the history cannot keep it: it cannot be taken back "
                          "later.\n\n%1")
                           .arg(TranslateEngineMessage(problem)),
                       tr("Change without history"), MessageIcon::Information);
}

}  // namespace ostrak::roster
