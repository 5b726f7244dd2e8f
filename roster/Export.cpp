#include <utility>

#include "core/Errors.h"
#include "record/FighterColumns.h"
#include "roster/LoadedFighter.h"
#include "roster/Roster.h"
#include "roster/RosterRows.h"
#include "roster/Targets.h"
#include "roster/Utf8Text.h"

namespace ostrak::roster {

namespace {

constexpr std::size_t kPieceBytes = 65536;

// The file's lines when the table may hold them, or why it may not.
std::optional<std::string> LinesForTable(const std::string& file, TStringList& lines) {
  try {
    lines.LoadFromFile(file);
  } catch (const Error&) {
    // Named below, in the check's words.
  }
  if (lines.Count() >= kFighterLineCount && LoadProblems(lines).empty()) return std::nullopt;
  // Only a file that fails is loaded again, the way check loads it, for its message.
  LoadedFighter loaded = LoadLikeTheEditor(file);
  if (loaded.failure) return *loaded.failure;
  lines = std::move(loaded.fileLines);
  return std::nullopt;
}

}  // namespace

std::size_t ExportFiles(const std::vector<std::string>& files, const ExportOptions& options,
                        const ExportSink& sink) {
  const bool json = options.format == TableFormat::Json;
  std::string out;
  // JSON readers reject the mark, and the companion with them.
  if (options.byteOrderMark && !json) out += "\xEF\xBB\xBF";
  if (json) {
    out += "[";
  } else {
    AppendCsvHeader(out, options.separator, options.ratings);
  }
  std::size_t leftOut = 0;
  bool first = true;
  for (const std::string& file : files) {
    TStringList lines;
    // A name mended into UTF-8 would name another file when the table comes
    // back, and a line break in a name is one no import takes.
    std::optional<std::string> failure;
    if (!IsUtf8(file)) {
      failure = "its name is not UTF-8, which a table cannot hold: rename the file to take it in";
    } else if (const std::optional<std::string> problem = LineTextProblem(file)) {
      failure = "its name " + *problem + ", which a table cannot hold: rename the file to take it in";
    }
    if (!failure) failure = LinesForTable(PathUnder(options.base, file), lines);
    if (failure) {
      ++leftOut;
      if (sink.leftOut) sink.leftOut({file, *failure});
      continue;
    }
    std::optional<Ratings> ratings;
    if (options.ratings) ratings = EvaluateRatings(LoadLinesLikeTheEditor(lines).form.Attributes());
    const RowStyle style{options.itemTexts, ratings ? &*ratings : nullptr};
    if (json) {
      out += first ? "\n  " : ",\n  ";
      AppendJsonRow(out, file, lines, style);
    } else {
      AppendCsvRow(out, file, lines, options.separator, style);
    }
    first = false;
    if (out.size() >= kPieceBytes) {
      sink.write(out);
      out.clear();
    }
  }
  if (json) out += first ? "]\n" : "\n]\n";
  sink.write(out);
  return leftOut;
}

ExportedTable ExportFiles(const std::vector<std::string>& files, const ExportOptions& options) {
  ExportedTable table;
  ExportFiles(files, options,
              {[&](std::string_view bytes) { table.bytes += bytes; },
               [&](const FileFailure& failure) { table.leftOut.push_back(failure); }});
  return table;
}

}  // namespace ostrak::roster
