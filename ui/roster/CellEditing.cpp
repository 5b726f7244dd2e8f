#include "ui/roster/CellEditing.h"

#include <QCoreApplication>
#include <QVariant>

#include "record/FighterColumns.h"
#include "ui/roster/EngineMessages.h"
#include "ui/roster/RosterJournal.h"
#include "ui/roster/RosterModel.h"

namespace ostrak::roster {

namespace {

QString ProblemsText(const RosterPlan& plan) {
  QString text;
  for (const TableProblem& problem : plan.Problems()) {
    if (!text.isEmpty()) text += QStringLiteral("; ");
    text += TranslateEngineMessage(problem.message);
  }
  return text;
}

}  // namespace

std::string CellValue(int column, const QVariant& value) {
  if (column == RosterModel::WeightClass) return std::to_string(WeightClassCodeFromIndex(value.toInt()));
  if (column == RosterModel::GamePlan) return std::to_string(GamePlanCodeFromIndex(value.toInt()));
  if (RosterModel::IsAttribute(column)) return std::to_string(value.toInt());
  return value.toString().toUtf8().toStdString();
}

CellOutcome EditCell(const std::string& folder, const RosterRow& row, int column, const std::string& value,
                     const QCollator& collator, const std::string& words, recorded::KeptHistory& history) {
  CellOutcome outcome;
  const std::optional<FighterField> field = RosterModel::FieldOf(column);
  if (!field || row.HasProblem()) {
    outcome.result = CellResult::Refused;
    outcome.reason = QCoreApplication::translate("ostrak::roster::CellEditing", "this cell cannot be edited");
    return outcome;
  }
  RosterOptions options;
  options.base = folder;
  options.missingFolders = MissingFolders::Refuse;
  RosterPlan plan =
      PlanSet(row.file, {{kLineColumns[static_cast<std::size_t>(LineOf(*field))], value}}, options);
  const auto& files = plan.Files();
  if (!plan.Problems().empty()) {
    outcome.result = CellResult::Refused;
    outcome.reason = ProblemsText(plan);
  } else if (plan.ChangeCount() == 0) {
    outcome.result = CellResult::Unchanged;
  } else if (const std::optional<std::string> before =
                 files.size() == 1 ? plan.BeforeOf(files.front()) : std::nullopt;
             !before || !row.digest || DigestOf(*before) != *row.digest) {
    outcome.result = CellResult::ChangedOnDisk;
  } else {
    RecordingJournal journal(words, history);
    const CommitResult committed = Commit(plan, {}, &journal);
    outcome.result = committed.ok() ? CellResult::Written : CellResult::Failed;
    if (!committed.ok()) outcome.reason = TranslateEngineMessage(committed.failure->message);
  }
  if (outcome.result != CellResult::Unchanged) outcome.row = ReadRosterRow(folder, row.file, collator);
  return outcome;
}

}  // namespace ostrak::roster
