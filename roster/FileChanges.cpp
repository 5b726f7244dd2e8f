#include "roster/FileChanges.h"

#include "record/FighterColumns.h"
#include "record/FighterLayout.h"
#include "roster/LoadedFighter.h"
#include "roster/RosterRows.h"
#include "roster/Utf8Text.h"

namespace ostrak::roster {

// None for a file that does not exist: read as empty columns.
std::vector<std::string> ColumnTexts(const TStringList& lines) {
  std::vector<std::string> texts;
  texts.reserve(kFighterLineCount + 1);
  for (int line = 0; line < kFighterLineCount; ++line) {
    texts.push_back(line < lines.Count() ? Utf8FromFileText(lines.Get(line)) : std::string());
  }
  std::string extra;
  for (int line = kFighterLineCount; line < lines.Count(); ++line) {
    if (line > kFighterLineCount) extra += '\n';
    extra += Utf8FromFileText(lines.Get(line));
  }
  texts.push_back(std::move(extra));
  return texts;
}

namespace {

void Rate(std::optional<std::string_view> bytes, TStringList lines, std::optional<Ratings>& ratings,
          std::optional<std::string>& failure) {
  if (!bytes) return;
  LoadedFighter loaded = LoadLinesLikeTheEditor(std::move(lines));
  if (loaded.failure) {
    failure = std::move(loaded.failure);
  } else {
    ratings = EvaluateRatings(loaded.form.Attributes());
  }
}

}  // namespace

FileChanges ChangesOf(std::optional<std::string_view> before, std::optional<std::string_view> after,
                      RateSides rate) {
  FileChanges changes;
  if (before && after && *before == *after) return changes;
  TStringList linesBefore;
  TStringList linesAfter;
  if (before) linesBefore.SetText(*before);
  if (after) linesAfter.SetText(*after);
  const std::vector<std::string> textsBefore = ColumnTexts(linesBefore);
  const std::vector<std::string> textsAfter = ColumnTexts(linesAfter);
  for (std::size_t i = 0; i < textsBefore.size(); ++i) {
    if (textsBefore[i] != textsAfter[i])
      changes.fields.push_back({ColumnName(i + 1), textsBefore[i], textsAfter[i]});
  }
  if (changes.fields.empty() || rate == RateSides::No) return changes;
  Rate(before, std::move(linesBefore), changes.ratingsBefore, changes.failureBefore);
  Rate(after, std::move(linesAfter), changes.ratingsAfter, changes.failureAfter);
  return changes;
}

}  // namespace ostrak::roster
