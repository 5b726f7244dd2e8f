#include "core/Errors.h"
#include "record/TextFile.h"
#include "roster/Roster.h"
#include "roster/Targets.h"

namespace ostrak::roster {

CommitResult Commit(RosterPlan& plan, const CommitProgress& progress) {
  if (plan.committed_) return {0, FileFailure{{}, "the plan has been committed already"}};
  if (!plan.problems_.empty()) return {0, FileFailure{{}, "the plan has problems: nothing is written"}};
  plan.committed_ = true;
  const std::size_t total = plan.ChangeCount();
  if (progress) progress(0, total);
  CommitResult result;
  for (const PlannedFile& file : plan.files_) {
    if (file.action != Action::Create && file.action != Action::Replace) continue;
    try {
      MakeFolders(file.path);
      WriteTextFileAtomically(file.path, file.bytes);
    } catch (const Error& failure) {
      result.failure = FileFailure{file.file, failure.message()};
      return result;
    }
    ++result.written;
    if (progress) progress(result.written, total);
  }
  return result;
}

}  // namespace ostrak::roster
