// Plans for import, set and whole-file writes: every check before any write,
// one row at a time.

#include <algorithm>
#include <charconv>
#include <functional>
#include <map>
#include <string_view>
#include <utility>

#include "core/Errors.h"
#include "core/FileAccess.h"
#include "core/IntToStr.h"
#include "record/FighterColumns.h"
#include "record/FighterRecord.h"
#include "record/LoadOrder.h"
#include "roster/ChangeRules.h"
#include "roster/CommitPlan.h"
#include "roster/CsvTable.h"
#include "roster/JsonTable.h"
#include "roster/LoadedFighter.h"
#include "roster/PlanBytes.h"
#include "roster/Preflight.h"
#include "roster/Roster.h"
#include "roster/RosterRows.h"
#include "roster/RowMatcher.h"
#include "roster/SetExpression.h"
#include "roster/TableRows.h"
#include "roster/TableSource.h"
#include "roster/Targets.h"
#include "roster/Utf8Text.h"

namespace ostrak::roster {

namespace {

// The failure the editor's load would meet in `lines`, as UTF-8; none when they load.
std::optional<std::string> LoadFailure(const TStringList& lines) {
  try {
    CheckLoadable(lines);
    return std::nullopt;
  } catch (const Error& failure) {
    return Utf8FromFileText(failure.message());
  }
}

// A file refused before it was planned, named under `folder` as PathUnder puts it.
PlannedFile RefusedBeforePlan(int row, const std::string& folder, const std::string& file) {
  PlannedFile refused;
  refused.row = row;
  refused.file = file;
  if (!file.empty()) refused.folder = std::make_shared<const PlannedFolder>(PlannedFolder{folder, {}, false});
  return refused;
}

// `name` in `folder`, both as the system gives them.
std::string InFolder(const std::string& folder, std::string_view name) {
  std::string path = folder;
  if (!path.ends_with('/')) path += '/';
  return path.append(name);
}

}  // namespace

// Takes rows one at a time into a plan: each is checked with its file, and
// only what the commit needs is kept (the bytes of the files that change).
class PlanBuilder {
public:
  PlanBuilder(RosterPlan& plan, const RosterOptions& options, const std::optional<FileIdentity>& table,
              Writing writing = Writing::NewFileOnly)
      : plan_(plan),
        missingFolders_(options.missingFolders),
        finder_(options, table, writing),
        unfound_(std::make_shared<const PlannedFolder>(PlannedFolder{finder_.base().name, {}, false})),
        preflight_(finder_) {
    plan_.commit_ = std::make_shared<detail::CommitPlan>();
    plan_.bytes_ = std::make_shared<detail::PlanBytes>();
    plan_.commit_->reach = finder_.reach();
  }

  std::vector<TableProblem>& problems() { return plan_.problems_; }

  // Rows are taken by their Sherdog ID from here on.
  void MatchById(std::unique_ptr<RowMatcher> matcher) { matcher_ = std::move(matcher); }

  // `fromOld`, when given, fills the row's cells from the old file's lines
  // once they are read (none for a file that does not exist); false, with its
  // problems, refuses the row.
  using CellsFromOld = std::function<bool(const Target& target, const TStringList* old, RowCells& cells)>;

  void AddRow(int number, const RowCells& given, const CellsFromOld& fromOld = {}) {
    std::vector<TableProblem>& problems = plan_.problems_;
    RowCells cells = given;
    TableValue chosen;
    std::shared_ptr<const MatchNote> match;
    if (matcher_) {
      std::optional<MatchNote> chose = matcher_->Choose(number, cells, chosen, problems);
      if (!chose) {
        // Refused before a file was taken: the file its cell names still
        // tells the user which row this is.
        if (cells[0] && !FileCellProblem(*cells[0])) {
          const std::string& named = cells[0]->texts.front();
          plan_.files_.push_back(Planned(number, named, nullptr));
        }
        return;
      }
      match = std::make_shared<const MatchNote>(std::move(*chose));
      cells[0] = &chosen;
    }
    if (!cells[0]) return;  // named with the columns
    const std::optional<std::string> fileProblem = FileCellProblem(*cells[0]);
    if (fileProblem) problems.push_back({number, kFileColumn, *fileProblem});
    const std::string file = fileProblem ? std::string() : cells[0]->texts.front();
    std::optional<Target> target;
    if (!fileProblem) target = finder_.Find(number, file, problems);
    const bool claimed = target && finder_.Claim(number, *target, problems);
    if (target) preflight_.Visit(*target);

    TStringList old;
    if (target && target->old) {
      old.SetText(target->oldBytes);
      // The editor completes a short file that loads, and saves it whole.
      if (old.Count() < kFighterLineCount && !LoadFailure(old)) CompleteFighterLines(old);
    }
    if (fromOld && target && !fromOld(*target, target->old ? &old : nullptr, cells)) {
      PlannedFile refused = Planned(number, file, &*target);
      refused.match = match;
      plan_.files_.push_back(std::move(refused));
      return;
    }
    const std::size_t before = problems.size();
    TStringList lines = LinesOfRow(number, cells, target && target->old ? &old : nullptr, problems);
    if (!target) {
      // Whether a column may be left out depends on a file that was not found.
      problems.erase(std::remove_if(problems.begin() + static_cast<std::ptrdiff_t>(before), problems.end(),
                                    [](const TableProblem& p) { return p.message == "missing column"; }),
                     problems.end());
    }
    if (fileProblem) return;
    PlannedFile planned = Planned(number, file, target ? &*target : nullptr);
    planned.match = match;
    if (claimed && match && match->reason != MatchReason::FoundById && target->old) {
      // The ID is in no file, so the file of this name is another fighter's.
      problems.push_back({number, kFileColumn,
                          "already holds another fighter (no file holds Sherdog ID " + match->sherdogId +
                              "): name the row's new file in its file cell"});
    }
    if (claimed && problems.size() == before) {
      Decide(*target, target->old ? &old : nullptr, cells, std::move(lines), planned);
    }
    plan_.files_.push_back(std::move(planned));
  }

  // One whole file as the caller gives it: only where it lands is checked.
  void AddWrite(int row, const FileWrite& write) {
    std::vector<TableProblem>& problems = plan_.problems_;
    PlannedFile planned = Planned(row, write.file, nullptr);
    const auto refuse = [&](int error) {
      problems.push_back({row, {}, CannotCreateFile(planned.path(), error).message()});
      plan_.files_.push_back(std::move(planned));
    };
    if (write.file.empty()) return refuse(ENOENT);
    if (write.file.find('\0') != std::string::npos) return refuse(EINVAL);
    const std::size_t before = problems.size();
    const std::optional<Target> target = finder_.Find(row, write.file, problems);
    if (target) {
      planned.folder = FolderOf(&*target);
      preflight_.Visit(*target);
    }
    if (!target || !finder_.Claim(row, *target, problems)) {
      plan_.files_.push_back(std::move(planned));
      return;
    }
    if (missingFolders_ == MissingFolders::Refuse && !target->made.empty()) return refuse(ENOENT);
    const bool exists = target->old.has_value();
    if (!write.bytes && !exists) {
      planned.action = Action::Unchanged;
    } else if (!write.bytes) {
      planned.action = Action::Remove;
      Hold(planned, {}, &target->oldBytes);
      preflight_.Add(row, *target, 0);
      AddTarget(*target, detail::Change::Remove, write.file);
    } else if (write.bytes->size() > kMaxInputFileBytes) {
      problems.push_back({row, {}, TooLarge()});
    } else if (exists && *write.bytes == target->oldBytes) {
      planned.action = Action::Unchanged;
    } else {
      const std::size_t size = write.bytes->size();
      const std::size_t old = target->oldBytes.size();
      const std::size_t growth = size > old ? size - old : 0;
      // Over itself: the new bytes beside it too, and a copy of the old ones,
      // so that recovery can tell what a kill left.
      preflight_.Add(row, *target, target->inPlace ? size + old + growth : size,
                     exists ? std::optional(size) : std::nullopt);
      AddTarget(*target, target->inPlace ? detail::Change::InPlace : detail::Change::Rename, write.file);
      planned.action = exists ? Action::Replace : Action::Create;
      Hold(planned, *write.bytes, exists ? &target->oldBytes : nullptr);
    }
    if (problems.size() > before) planned.action = Action::Refused;
    plan_.files_.push_back(std::move(planned));
  }

  void Finish() {
    const auto fileOfRow = [&](int row) {
      return std::lower_bound(plan_.files_.begin(), plan_.files_.end(), row,
                              [](const PlannedFile& f, int r) { return f.row < r; });
    };
    plan_.commit_->manifest = preflight_.Check(
        plan_.problems_,
        [&](int row) {
          const auto file = fileOfRow(row);
          return file == plan_.files_.end() ? std::string() : file->path();
        },
        [&](int row) {
          const auto index = static_cast<std::size_t>(fileOfRow(row) - plan_.files_.begin());
          for (detail::TargetPlan& target : plan_.commit_->targets) {
            if (target.file == index) target.change = detail::Change::InPlaceUncopied;
          }
        });
    plan_.commit_->base = finder_.base();
    // The file checks came first in their row, but the folder checks last of all.
    const auto order = [](const TableProblem& p) { return std::pair(p.row, p.column != kFileColumn); };
    std::stable_sort(plan_.problems_.begin(), plan_.problems_.end(),
                     [&](const TableProblem& a, const TableProblem& b) { return order(a) < order(b); });
  }

private:
  // `old`: the old file's lines as the editor loads them (a short file that
  // loads completed), none for a new file.
  void Decide(const Target& target, const TStringList* old, const RowCells& cells, TStringList lines,
              PlannedFile& planned) {
    const auto fail = [&](std::string message) {
      plan_.problems_.push_back({planned.row, kFileColumn, std::move(message)});
    };
    // A file is rewritten only when a cell changes one of its lines: its line
    // ends, the empty line that completes a short file and bytes its lines
    // cannot carry are no change, and stay as they are.
    if (old && lines == *old) {
      planned.action = Action::Unchanged;
      return;
    }
    if (target.old && KeepsOldLines(cells)) {
      if (std::optional<std::string> lost = LostBytesProblem(target.oldBytes)) return fail(std::move(*lost));
    }
    std::string bytes = lines.Text();
    if (bytes.size() > kMaxInputFileBytes) return fail(TooLarge());
    planned.action = target.old ? Action::Replace : Action::Create;
    preflight_.Add(planned.row, target, bytes.size());
    AddTarget(target, detail::Change::Rename, planned.file);
    Hold(planned, bytes, target.old ? &target.oldBytes : nullptr);
  }

  // A file's new bytes and the old ones it held (none for a file created),
  // kept by the plan back to back; when they cannot be (no room for them in
  // the temporary folder), the plan has a problem and keeps no more.
  void Hold(PlannedFile& planned, std::string_view bytes, const std::string* old) {
    if (unheld_) return;
    try {
      const HeldBytes held = plan_.bytes_->Add(bytes);
      planned.heldAt = held.offset;
      planned.newSize = held.size;
      if (old) {
        const HeldBytes before = plan_.bytes_->Add(*old);
        if (before.offset != held.offset + held.size)
          throw Error("a planned file's bytes are not in its plan");
        planned.oldSize = before.size;
        planned.heldOld = true;
      }
    } catch (const Error& failure) {
      plan_.problems_.push_back({0, {}, failure.message()});
      unheld_ = true;
    }
  }

  // A row's file, refused until it is decided, in the folder where `target`
  // found it (none: refused before it was found).
  PlannedFile Planned(int row, const std::string& file, const Target* target) {
    PlannedFile planned;
    planned.row = row;
    planned.file = file;
    planned.folder = FolderOf(target);
    return planned;
  }

  // Shared by the files found in one folder, so that a plan of a million
  // files holds each folder's names once.
  std::shared_ptr<const PlannedFolder> FolderOf(const Target* target) {
    if (!target) return unfound_;
    if (target->linked) {
      return std::make_shared<const PlannedFolder>(
          PlannedFolder{unfound_->under, InFolder(target->canonicalFolder, target->place.name), true});
    }
    if (const auto known = folders_.find(target->canonicalFolder); known != folders_.end())
      return known->second;
    auto folder =
        std::make_shared<const PlannedFolder>(PlannedFolder{unfound_->under, target->canonicalFolder, false});
    // Keyed by the folder's own name, which lives as long as the entry.
    return folders_.emplace(folder->canonical, folder).first->second;
  }

  static std::string TooLarge() {
    return "would be larger than the " + IntToStr(kMaxInputFileBytes >> 20) + " MiB the editor loads";
  }

  // The commit's part of the file about to be added to the plan, named `file`.
  void AddTarget(const Target& target, detail::Change change, const std::string& file) {
    const auto noted = [&] {
      switch (change) {
        case detail::Change::Rename:
          break;
        case detail::Change::InPlace:
        case detail::Change::InPlaceUncopied:
          return ManifestChange::InPlace;
        case detail::Change::Remove:
          return ManifestChange::Remove;
      }
      return target.old ? ManifestChange::Replace : ManifestChange::Create;
    };
    preflight_.Note(plan_.commit_->targets.size(), target, file, noted());
    detail::CommitPlan& commit = *plan_.commit_;
    detail::TargetPlan planned{static_cast<std::uint32_t>(plan_.files_.size()), change};
    if (target.old) {
      planned.old = static_cast<std::uint32_t>(commit.olds.size());
      commit.olds.push_back(*target.old);
    }
    if (target.linked) {
      planned.linked = static_cast<std::uint32_t>(commit.linked.size());
      commit.linked.push_back(target.place);
    }
    commit.targets.push_back(planned);
  }

  RosterPlan& plan_;
  std::unique_ptr<RowMatcher> matcher_;
  MissingFolders missingFolders_;
  TargetFinder finder_;
  // Where files refused before they were found lie: the base folder only.
  std::shared_ptr<const PlannedFolder> unfound_;
  // Every folder met, however the rows take turns among them: a table
  // whose rows go round a thousand folders still holds each once.
  std::map<std::string_view, std::shared_ptr<const PlannedFolder>> folders_;
  Preflight preflight_;
  bool unheld_ = false;
};

std::string PlannedFile::path() const {
  if (!folder) return file;
  return file.empty() ? folder->under : PathUnder(folder->under, file);
}

std::string PlannedFile::canonicalPath() const {
  if (!folder || folder->canonical.empty()) return {};
  if (folder->whole) return folder->canonical;
  // Its name in its folder is its name's last step: the plan refuses a name
  // that ends in a folder.
  return InFolder(folder->canonical, file.substr(file.rfind('/') + 1));
}

std::size_t RosterPlan::ChangeCount() const {
  return static_cast<std::size_t>(std::count_if(files_.begin(), files_.end(), [](const PlannedFile& file) {
    return file.action == Action::Create || file.action == Action::Replace || file.action == Action::Remove;
  }));
}

std::string RosterPlan::BytesOf(const PlannedFile& file) const {
  return bytes_ && file.newSize ? bytes_->Read({file.heldAt, file.newSize}) : std::string();
}

std::optional<std::string> RosterPlan::BeforeOf(const PlannedFile& file) const {
  if (!file.heldOld || !bytes_) return std::nullopt;
  return file.oldSize ? bytes_->Read({file.heldAt + file.newSize, file.oldSize}) : std::string();
}

RosterPlan PlanImport(const std::string& tablePath, const RosterOptions& options, ImportMatch match) {
  RosterPlan plan;
  try {
    TableSource source(tablePath);
    if (source.encoding() == TableEncoding::Windows1252)
      plan.notes_.push_back("is not UTF-8: read as Windows-1252");
    PlanBuilder builder(plan, options, source.identity());
    const bool byId = match == ImportMatch::SherdogId;
    if (byId) builder.MatchById(std::make_unique<RowMatcher>(options.base, builder.problems()));
    try {
      ReadTableRows(
          source, SyntaxOfName(tablePath),
          [&](int number, const RowCells& cells) { builder.AddRow(number, cells); }, builder.problems(),
          byId ? FileColumn::Optional : FileColumn::Required);
    } catch (const TableProblem& problem) {
      builder.problems().push_back(problem);  // the rows before it are checked all the same
    }
    builder.Finish();
  } catch (const Error& failure) {
    plan.problems_.push_back({0, {}, failure.message()});
  }
  return plan;
}

RosterPlan PlanSet(const std::string& file, const std::vector<Assignment>& assignments,
                   const RosterOptions& options) {
  RosterPlan plan;
  std::vector<TableValue> values(kColumnCount);
  RowCells cells{};
  values[0] = {TableValue::Kind::Text, {file}, false};
  cells[0] = &values[0];
  std::vector<TableProblem>& problems = plan.problems_;
  for (const Assignment& assignment : assignments) {
    const std::optional<std::size_t> index = ColumnIndex(assignment.column);
    if (!index || *index == 0) {
      problems.push_back({0, assignment.column, "unknown column"});
      continue;
    }
    values[*index] = {TableValue::Kind::Text, {assignment.value}, false};
    cells[*index] = &values[*index];
  }

  const std::size_t named = problems.size();
  PlanBuilder builder(plan, options, std::nullopt);
  TargetFinder finder(options, std::nullopt);
  const auto target = problems.empty() ? finder.Find(0, file, problems) : std::nullopt;
  if (target && !target->old) {
    problems.push_back({0, {}, CannotOpenFile(target->path, ENOENT).message()});
  } else if (target) {
    // A short file is taken only as the editor takes it: when it loads.
    TStringList lines;
    lines.SetText(target->oldBytes);
    if (lines.Count() < kFighterLineCount) {
      if (std::optional<std::string> failure = LoadFailure(lines)) problems.push_back({0, {}, *failure});
    }
  }
  if (problems.empty()) {
    builder.AddRow(0, cells);
  } else {
    plan.files_.push_back(RefusedBeforePlan(0, finder.base().name, file));
  }
  builder.Finish();
  // One file, named by the caller: its problems need no column.
  for (std::size_t i = named; i < problems.size(); ++i) {
    if (problems[i].column == kFileColumn) problems[i].column.clear();
  }
  return plan;
}

RosterPlan PlanSet(const std::vector<std::string>& files, const std::vector<SetExpression>& expressions,
                   const RosterOptions& options) {
  RosterPlan plan;
  std::vector<TableProblem>& problems = plan.problems_;
  std::vector<std::size_t> columns;
  for (const SetExpression& expression : expressions) {
    if (std::optional<std::string> problem = SetExpressionProblem(expression)) {
      problems.push_back({0, expression.column, std::move(*problem)});
      continue;
    }
    const std::size_t index = *ColumnIndex(expression.column);
    if (std::find(columns.begin(), columns.end(), index) != columns.end()) {
      problems.push_back({0, expression.column, "given twice"});
    }
    columns.push_back(index);
  }
  if (expressions.empty()) problems.push_back({0, {}, "nothing to set"});
  if (!problems.empty()) return plan;

  const bool load = std::any_of(expressions.begin(), expressions.end(), NeedsShownValues);
  PlanBuilder builder(plan, options, std::nullopt);
  std::vector<TableValue> values(kColumnCount);
  TableValue fileCell;
  for (std::size_t i = 0; i < files.size(); ++i) {
    const int row = static_cast<int>(i) + 1;
    fileCell = {TableValue::Kind::Text, {files[i]}, false};
    RowCells cells{};
    cells[0] = &fileCell;
    const std::size_t planned = plan.files_.size();
    builder.AddRow(row, cells, [&](const Target& target, const TStringList* old, RowCells& rowCells) {
      if (!old) {
        problems.push_back({row, {}, CannotOpenFile(target.path, ENOENT).message()});
        return false;
      }
      // A short file is taken only as the editor takes it: when it loads.
      if (old->Count() < kFighterLineCount) {
        problems.push_back({row, {}, LoadFailure(*old).value_or("does not load")});
        return false;
      }
      std::optional<LoadedFighter> loaded;
      if (load) {
        loaded = LoadLinesLikeTheEditor(*old);
        if (loaded->failure) {
          problems.push_back({row, {}, *loaded->failure});
          return false;
        }
      }
      for (const SetExpression& expression : expressions) {
        const std::size_t index = *ColumnIndex(expression.column);
        values[index] = {TableValue::Kind::Text,
                         {CellOfExpression(expression, *old, loaded ? &loaded->form : nullptr)},
                         false};
        rowCells[index] = &values[index];
      }
      return true;
    });
    if (plan.files_.size() == planned) {
      plan.files_.push_back(RefusedBeforePlan(row, options.base, files[i]));
    }
  }
  builder.Finish();
  // Each file is named by the caller: its problems need no file column, and
  // a row number means nothing to them.
  constexpr std::string_view kSameFile = "names the same file as row ";
  for (TableProblem& problem : problems) {
    if (problem.column == kFileColumn) problem.column.clear();
    if (problem.message.starts_with(kSameFile)) {
      const std::string_view number = std::string_view(problem.message).substr(kSameFile.size());
      std::size_t earlier = 0;
      std::from_chars(number.data(), number.data() + number.size(), earlier);
      if (earlier >= 1 && earlier <= files.size())
        problem.message = "is the same file as " + files[earlier - 1];
    }
  }
  return plan;
}

RosterPlan PlanWrites(const std::vector<FileWrite>& writes, const RosterOptions& options) {
  RosterPlan plan;
  PlanBuilder builder(plan, options, std::nullopt, Writing::InPlaceToo);
  for (std::size_t i = 0; i < writes.size(); ++i) builder.AddWrite(static_cast<int>(i) + 1, writes[i]);
  builder.Finish();
  // The caller named each file: its problems need no column.
  for (TableProblem& problem : plan.problems_) problem.column.clear();
  return plan;
}

}  // namespace ostrak::roster
