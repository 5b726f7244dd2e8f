#include "roster/Merge.h"

#include <sys/stat.h>

#include <cerrno>

#include "core/Errors.h"
#include "core/FileAccess.h"
#include "record/FighterColumns.h"
#include "roster/ChangeRules.h"
#include "roster/Folders.h"
#include "roster/LoadedFighter.h"
#include "roster/RosterRows.h"
#include "roster/Utf8Text.h"

namespace ostrak::roster {

namespace {

struct MergeFile {
  std::string bytes;
  LoadedFighter loaded;
  struct stat status {};
};

// The file as the editor loads it, or why it does not load.
std::optional<std::string> Load(const std::string& path, MergeFile& file) {
  try {
    file.bytes = ReadWholeFile(path);
  } catch (const Error& failure) {
    return failure.message();
  }
  TStringList lines;
  lines.SetText(file.bytes);
  file.loaded = LoadLinesLikeTheEditor(std::move(lines));
  return file.loaded.failure;
}

// A column's text: a line, or the lines after line 27 joined by line feeds.
std::string ColumnText(const TStringList& lines, std::size_t index) {
  if (index != kExtraIndex) return Utf8FromFileText(lines.Get(static_cast<int>(index) - 1));
  std::string extra;
  for (int line = kFighterLineCount; line < lines.Count(); ++line) {
    if (line > kFighterLineCount) extra += '\n';
    extra += Utf8FromFileText(lines.Get(line));
  }
  return extra;
}

bool Later(const timespec& a, const timespec& b) {
  return a.tv_sec != b.tv_sec ? a.tv_sec > b.tv_sec : a.tv_nsec > b.tv_nsec;
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

std::string NameOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Both files loaded and told apart, or the refusal.
std::optional<FileFailure> LoadBoth(const std::string& keep, const std::string& other, MergeFile& keepFile,
                                    MergeFile& otherFile) {
  if (auto failure = Load(keep, keepFile)) return FileFailure{keep, *failure};
  if (auto failure = Load(other, otherFile)) return FileFailure{other, *failure};
  // Any two spellings of one file, hard links too, are one file.
  if (::stat(keep.c_str(), &keepFile.status) != 0)
    return FileFailure{keep, CannotOpenFile(keep, errno).message()};
  if (::stat(other.c_str(), &otherFile.status) != 0) {
    return FileFailure{other, CannotOpenFile(other, errno).message()};
  }
  if (IdentityOf(keepFile.status) == IdentityOf(otherFile.status)) {
    return FileFailure{other, "is the same file as " + keep + ": there is nothing to merge"};
  }
  return std::nullopt;
}

}  // namespace

MergeView ViewMerge(const std::string& keep, const std::string& other) {
  MergeView view{keep, other, {}, MergeSide::Keep, {}, {}, {}};
  MergeFile keepFile;
  MergeFile otherFile;
  view.refusal = LoadBoth(keep, other, keepFile, otherFile);
  if (view.refusal) return view;
  view.keepBytes = keepFile.bytes;
  view.otherBytes = otherFile.bytes;
  if (Later(otherFile.status.st_mtim, keepFile.status.st_mtim)) view.changedLast = MergeSide::Other;
  for (std::size_t index = 1; index < kColumnCount; ++index) {
    MergeField field{ColumnName(index), ColumnText(keepFile.loaded.fileLines, index),
                     ColumnText(otherFile.loaded.fileLines, index), false, MergeSide::Keep};
    field.differs = field.keep != field.other;
    const bool shown = index <= static_cast<std::size_t>(kFighterFieldCount);
    if (field.differs && shown) field.side = view.changedLast;
    view.fields.push_back(std::move(field));
  }
  return view;
}

RosterOptions MergeOptions(const std::string& keep) { return {FolderOf(keep), true}; }

MergePlan PlanMerge(const std::string& keep, const std::string& other,
                    const std::vector<std::string>& fromOther, const MergeView* shown) {
  MergePlan merge{{}, {}, "Merge " + other + " into " + keep};
  for (const std::string& column : fromOther) {
    const std::optional<std::size_t> index = ColumnIndex(column);
    if (!index || *index == 0) {
      merge.refusal = FileFailure{{}, "unknown column '" + column + "'"};
      return merge;
    }
  }
  MergeFile keepFile;
  MergeFile otherFile;
  merge.refusal = LoadBoth(keep, other, keepFile, otherFile);
  if (merge.refusal) return merge;
  if (shown) {
    const bool keepChanged = shown->keep != keep || shown->keepBytes != keepFile.bytes;
    if (keepChanged || shown->other != other || shown->otherBytes != otherFile.bytes) {
      merge.refusal = FileFailure{keepChanged ? keep : other, "has changed since it was shown"};
      merge.changed = true;
      return merge;
    }
  }
  // KEEP is written from its lines: bytes they cannot carry would be lost.
  if (auto lost = LostBytesProblem(keepFile.bytes)) {
    merge.refusal = FileFailure{keep, *lost};
    return merge;
  }

  TStringList lines = keepFile.loaded.fileLines;
  const TStringList& taken = otherFile.loaded.fileLines;
  for (const std::string& column : fromOther) {
    const std::size_t index = *ColumnIndex(column);
    if (index != kExtraIndex) {
      const int line = static_cast<int>(index) - 1;
      lines.Put(line, taken.Get(line));
      continue;
    }
    TStringList merged;
    for (int line = 0; line < kFighterLineCount; ++line) merged.Add(lines.Get(line));
    for (int line = kFighterLineCount; line < taken.Count(); ++line) merged.Add(taken.Get(line));
    lines = std::move(merged);
  }

  const std::string folder = FolderOf(keep);
  // OTHER by its name alone beside KEEP, else by its full name, as the base folder is KEEP's.
  const std::string otherName = FolderOf(other) == folder ? NameOf(other) : FullPathName(other);
  merge.plan = PlanWrites({{NameOf(keep), lines.Text()}, {otherName, std::nullopt}}, MergeOptions(keep));
  return merge;
}

}  // namespace ostrak::roster
