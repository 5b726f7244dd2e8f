#include "tools/fighter/ChangeLines.h"

#include "roster/FileChanges.h"
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

}  // namespace

std::string WouldChange(const roster::RosterPlan& plan, const roster::PlannedFile& file) {
  // The ratings are not shown here, and rating each side is most of the cost.
  const roster::FileChanges changes =
      roster::ChangesOf(plan.BeforeOf(file), plan.BytesOf(file), roster::RateSides::No);
  if (changes.fields.empty()) return "would replace";
  std::string text = "would change";
  for (std::size_t i = 0; i < changes.fields.size(); ++i) {
    const roster::FieldChange& field = changes.fields[i];
    text += (i == 0 ? " " : ", ") + field.column + " " + Shown(field.before) + " -> " + Shown(field.after);
  }
  return text;
}

}  // namespace ostrak::fighter
