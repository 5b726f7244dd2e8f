#include "tools/fighter/ChangeLines.h"

#include <algorithm>
#include <vector>

#include "record/FighterLayout.h"
#include "roster/FileChanges.h"
#include "roster/RosterRows.h"
#include "roster/Utf8Text.h"
#include "tools/fighter/Output.h"

namespace ostrak::fighter {

namespace {

// A value as the preview shows it: bare when that cannot be misread.
std::string Shown(const std::string& text) {
  const bool bare = !text.empty() && text.find_first_of(" ,\"\n\t") == std::string::npos;
  if (bare) return TerminalSafe(text);
  // A quote inside is doubled, as in a CSV cell, so that the value's end is plain.
  std::string quoted = "\"";
  for (const char c : TerminalSafe(text)) quoted += c == '"' ? std::string("\"\"") : std::string(1, c);
  return quoted + "\"";
}

// The lines as TStringList::SetText reads them (to the first NUL; CR LF, CR
// or LF ends a line), without a copy of each.
std::vector<std::string_view> LinesOf(std::string_view bytes) {
  std::vector<std::string_view> lines;
  lines.reserve(kFighterLineCount + 2);
  bytes = bytes.substr(0, std::min(bytes.find('\0'), bytes.size()));
  std::size_t start = 0;
  std::size_t i = 0;
  while (i < bytes.size()) {
    const char c = bytes[i];
    if (c != '\r' && c != '\n') {
      ++i;
      continue;
    }
    lines.push_back(bytes.substr(start, i - start));
    i += (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ? 2 : 1;
    start = i;
  }
  if (start < bytes.size()) lines.push_back(bytes.substr(start));
  return lines;
}

std::string_view LineOrEmpty(const std::vector<std::string_view>& lines, int line) {
  return static_cast<std::size_t>(line) < lines.size() ? lines[static_cast<std::size_t>(line)]
                                                       : std::string_view();
}

std::string Utf8(std::string_view line) { return roster::Utf8FromFileText(std::string(line)); }

// The columns ChangesOf finds changed (its rules: a line read without its
// end, a missing one as empty, the lines past the record joined as extra),
// each line converted only where its bytes differ: a dry run of a large
// table tells every file, and most of each file stays as it was.
std::vector<roster::FieldChange> ChangedFields(std::string_view before, std::string_view after) {
  std::vector<roster::FieldChange> fields;
  if (before == after) return fields;
  const std::vector<std::string_view> linesBefore = LinesOf(before);
  const std::vector<std::string_view> linesAfter = LinesOf(after);
  const auto add = [&](std::size_t column, std::string textBefore, std::string textAfter) {
    if (textBefore != textAfter)
      fields.push_back({roster::ColumnName(column), std::move(textBefore), std::move(textAfter)});
  };
  for (int line = 0; line < kFighterLineCount; ++line) {
    const std::string_view lineBefore = LineOrEmpty(linesBefore, line);
    const std::string_view lineAfter = LineOrEmpty(linesAfter, line);
    if (lineBefore != lineAfter) add(static_cast<std::size_t>(line) + 1, Utf8(lineBefore), Utf8(lineAfter));
  }
  const auto extra = [](const std::vector<std::string_view>& lines) {
    std::string text;
    for (std::size_t line = kFighterLineCount; line < lines.size(); ++line) {
      if (line > kFighterLineCount) text += '\n';
      text += Utf8(lines[line]);
    }
    return text;
  };
  if (linesBefore.size() > kFighterLineCount || linesAfter.size() > kFighterLineCount)
    add(static_cast<std::size_t>(kFighterLineCount) + 1, extra(linesBefore), extra(linesAfter));
  return fields;
}

}  // namespace

std::string WouldChange(const roster::RosterPlan& plan, const roster::PlannedFile& file) {
  const std::vector<roster::FieldChange> fields =
      ChangedFields(plan.BeforeOf(file).value_or(std::string()), plan.BytesOf(file));
  if (fields.empty()) return "would replace";
  std::string text = "would change";
  for (std::size_t i = 0; i < fields.size(); ++i) {
    const roster::FieldChange& field = fields[i];
    text += (i == 0 ? " " : ", ") + field.column + " " + Shown(field.before) + " -> " + Shown(field.after);
  }
  return text;
}

std::string WouldDo(const roster::RosterPlan& plan, const roster::PlannedFile& file) {
  switch (file.action) {
    case roster::Action::Unchanged:
      return "unchanged";
    case roster::Action::Create:
      return "would create";
    case roster::Action::Remove:
      return "would remove";
    case roster::Action::Refused:
      return "refused";
    case roster::Action::Replace:
      break;
  }
  return WouldChange(plan, file);
}

}  // namespace ostrak::fighter
