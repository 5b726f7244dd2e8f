#include "roster/SaveFile.h"

#include "core/Errors.h"
#include "core/FileAccess.h"
#include "record/TextFile.h"

namespace ostrak::roster {

namespace {

// The editor knows two failures: the file cannot be made, or a write failed.
[[noreturn]] void ThrowAsEditor(const std::string& message) {
  if (message.starts_with("Cannot create file ")) throw FileCreateError(message);
  throw WriteError::Stream();
}

}  // namespace

void SaveFighterFile(const std::string& path, const std::string& bytes, CommitJournal* journal) {
  // The reasons a save gave before the engine wrote fighter files, in their words.
  if (const int problem = CreateProblem(path)) throw CannotCreateFile(path, problem);
  const std::size_t slash = path.rfind('/');
  RosterOptions options;
  options.base = slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
  options.allowOutside = true;
  options.missingFolders = MissingFolders::Refuse;
  RecoverInterrupted(options);
  RosterPlan plan =
      PlanWrites({{slash == std::string::npos ? path : path.substr(slash + 1), bytes}}, options);
  if (!plan.Problems().empty()) ThrowAsEditor(plan.Problems().front().message);
  const CommitResult result = Commit(plan, {}, journal);
  if (!result.intact) throw WriteError::NotPutBack();
  if (!result.ok()) ThrowAsEditor(result.failure->message);
  if (!FileHolds(path, bytes)) throw WriteError::Stream();
}

}  // namespace ostrak::roster
