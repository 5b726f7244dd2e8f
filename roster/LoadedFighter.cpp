#include "roster/LoadedFighter.h"

#include "core/Errors.h"
#include "record/LoadOrder.h"
#include "record/Ratings.h"
#include "roster/Roster.h"
#include "roster/Utf8Text.h"

namespace ostrak::roster {

namespace {

void Load(LoadedFighter& loaded) {
  // All or nothing, as in the editor, which then completes a short file.
  CheckLoadable(loaded.fileLines);
  CompleteFighterLines(loaded.fileLines);
  loaded.record.Lines() = loaded.fileLines;
  loaded.form.Load(loaded.record);
}

}  // namespace

LoadedFighter LoadLikeTheEditor(const std::string& path) {
  LoadedFighter loaded;
  try {
    loaded.fileLines.LoadFromFile(path);
    Load(loaded);
  } catch (const ConversionError& failure) {
    loaded.failure = Utf8FromFileText(failure.message());  // quotes a line of the file
  } catch (const Error& failure) {
    loaded.failure = failure.message();  // a list error, or a file error quoting the path as named
  }
  return loaded;
}

LoadedFighter LoadLinesLikeTheEditor(TStringList lines) {
  LoadedFighter loaded;
  loaded.fileLines = std::move(lines);
  try {
    Load(loaded);
  } catch (const ConversionError& failure) {
    loaded.failure = Utf8FromFileText(failure.message());
  } catch (const Error& failure) {
    loaded.failure = failure.message();
  }
  return loaded;
}

FighterCheck CheckFighterFile(const std::string& path) {
  LoadedFighter loaded = LoadLikeTheEditor(path);
  FighterCheck check;
  check.lines = std::move(loaded.fileLines);
  if (loaded.failure) {
    check.reason = std::move(*loaded.failure);
    return check;
  }
  check.ratings = EvaluateRatings(loaded.form.Attributes());
  check.verdict = Verdict::Loads;
  return check;
}

std::string FighterCheck::Message() const {
  switch (verdict) {
    case Verdict::Loads:
      return "ok";
    case Verdict::Fails:
      break;
  }
  return reason;
}

}  // namespace ostrak::roster
