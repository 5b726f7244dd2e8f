// diff: two rosters, each a folder or a table, fighter by fighter.

#include "core/IntToStr.h"
#include "record/Ratings.h"
#include "roster/CsvTable.h"
#include "roster/JsonTable.h"
#include "roster/RosterDiff.h"
#include "roster/Utf8Text.h"
#include "tools/fighter/Commands.h"
#include "tools/fighter/Output.h"
#include "tools/fighter/Writing.h"

namespace ostrak::fighter {

namespace {

using roster::CsvField;
using roster::DiffStatus;
using roster::FighterDiff;
using roster::JsonString;
using roster::RosterDiff;
using roster::ValidUtf8;

constexpr int kCannotCompare = 2;
constexpr const char* kRatingNames[] = {"ground", "striking", "defense", "fitness", "mental", "overall"};

const char* StatusName(DiffStatus status) {
  switch (status) {
    case DiffStatus::Added:
      return "added";
    case DiffStatus::Removed:
      return "removed";
    case DiffStatus::Changed:
      return "changed";
    case DiffStatus::Renamed:
      return "renamed";
  }
  return "";
}

// The name the first side gives, else the second's.
const std::string& NameOf(const FighterDiff& fighter) {
  return fighter.status == DiffStatus::Added ? fighter.after : fighter.before;
}

std::string Quoted(const std::string& text) { return "\"" + TerminalSafe(text) + "\""; }

std::string Percent(int value) { return IntToStr(value) + "%"; }

// "ground 50% -> 55%, ..." when both sides load; otherwise each side's
// ratings or why it does not load.
std::string RatingsLine(const FighterDiff& fighter) {
  const auto side = [](const std::optional<Ratings>& ratings, const std::optional<std::string>& failure) {
    if (!ratings) return "does not load: " + TerminalSafe(failure.value_or(""));
    std::string text;
    for (std::size_t i = 0; i < 6; ++i) {
      text += std::string(i ? ", " : "") + kRatingNames[i] + " " + Percent(ratings->InBarOrder()[i]);
    }
    return text;
  };
  if (!fighter.ratingsBefore || !fighter.ratingsAfter) {
    return side(fighter.ratingsBefore, fighter.failureBefore) + " -> " +
           side(fighter.ratingsAfter, fighter.failureAfter);
  }
  std::string text;
  for (std::size_t i = 0; i < 6; ++i) {
    text += std::string(i ? ", " : "") + kRatingNames[i] + " " +
            Percent(fighter.ratingsBefore->InBarOrder()[i]) + " -> " +
            Percent(fighter.ratingsAfter->InBarOrder()[i]);
  }
  return text;
}

std::string Listed(const std::vector<std::string>& names) {
  std::string text;
  for (std::size_t i = 0; i < names.size(); ++i) text += (i ? ", " : "") + TerminalSafe(names[i]);
  return text;
}

std::string Counts(const RosterDiff& diff) {
  std::size_t counts[4] = {};
  for (const FighterDiff& fighter : diff.fighters) ++counts[static_cast<int>(fighter.status)];
  std::string text;
  for (const DiffStatus status :
       {DiffStatus::Added, DiffStatus::Removed, DiffStatus::Changed, DiffStatus::Renamed}) {
    text +=
        IntToStr(static_cast<long long>(counts[static_cast<int>(status)])) + " " + StatusName(status) + ", ";
  }
  return text + IntToStr(static_cast<long long>(diff.unchanged)) + " unchanged";
}

void PrintTable(const RosterDiff& diff) {
  std::string text;
  for (const FighterDiff& fighter : diff.fighters) {
    text += std::string(StatusName(fighter.status)) + " " + TerminalSafe(NameOf(fighter));
    if (fighter.status == DiffStatus::Renamed) text += " -> " + TerminalSafe(fighter.after);
    text += "\n";
    for (const roster::FieldChange& field : fighter.fields) {
      text += "  " + field.column + ": " + Quoted(field.before) + " -> " + Quoted(field.after) + "\n";
    }
    if (!fighter.fields.empty()) text += "  ratings: " + RatingsLine(fighter) + "\n";
  }
  for (const roster::IdHeldTwice& twice : diff.heldTwice) {
    text += "not compared: Sherdog ID " + Quoted(twice.sherdogId) + " is held by";
    if (!twice.before.empty()) text += " " + Listed(twice.before) + " in the first";
    if (!twice.before.empty() && !twice.after.empty()) text += " and";
    if (!twice.after.empty()) text += " " + Listed(twice.after) + " in the second";
    text += "\n";
  }
  Print(stdout, text + Counts(diff) + "\n");
}

void PrintCsv(const RosterDiff& diff) {
  std::string text = "status,file,renamed_to,column,before,after\n";
  const auto row = [&](const std::string& status, const std::string& file, const std::string& renamed,
                       const std::string& column, const std::string& before, const std::string& after) {
    text += status + "," + CsvField(ValidUtf8(file)) + "," + CsvField(ValidUtf8(renamed)) + "," + column +
            "," + CsvField(ValidUtf8(before)) + "," + CsvField(ValidUtf8(after)) + "\n";
  };
  for (const FighterDiff& fighter : diff.fighters) {
    const std::string renamed = fighter.status == DiffStatus::Renamed ? fighter.after : std::string();
    const std::string status = StatusName(fighter.status);
    if (fighter.fields.empty()) row(status, NameOf(fighter), renamed, "", "", "");
    for (const roster::FieldChange& field : fighter.fields) {
      row(status, NameOf(fighter), renamed, field.column, field.before, field.after);
    }
    if (fighter.fields.empty()) continue;
    if (fighter.ratingsBefore && fighter.ratingsAfter) {
      for (std::size_t i = 0; i < 6; ++i) {
        row(status, NameOf(fighter), renamed, kRatingNames[i],
            IntToStr(fighter.ratingsBefore->InBarOrder()[i]),
            IntToStr(fighter.ratingsAfter->InBarOrder()[i]));
      }
    } else {
      row(status, NameOf(fighter), renamed, "error", fighter.failureBefore.value_or(""),
          fighter.failureAfter.value_or(""));
    }
  }
  for (const roster::IdHeldTwice& twice : diff.heldTwice) {
    for (const std::string& name : twice.before)
      row("held twice", name, "", "sherdog_id", twice.sherdogId, "");
    for (const std::string& name : twice.after)
      row("held twice", name, "", "sherdog_id", "", twice.sherdogId);
  }
  Print(stdout, text);
}

std::string JsonRatings(const std::optional<Ratings>& ratings) {
  std::string text = "{";
  for (std::size_t i = 0; i < 6; ++i) {
    text += std::string(i ? ", " : "") + "\"" + kRatingNames[i] + "\": " + IntToStr(ratings->InBarOrder()[i]);
  }
  return text + "}";
}

std::string JsonNames(const std::vector<std::string>& names) {
  std::string text = "[";
  for (std::size_t i = 0; i < names.size(); ++i) text += (i ? ", " : "") + JsonString(ValidUtf8(names[i]));
  return text + "]";
}

void PrintJson(const RosterDiff& diff) {
  std::size_t counts[4] = {};
  for (const FighterDiff& fighter : diff.fighters) ++counts[static_cast<int>(fighter.status)];
  std::string text = "{";
  for (const DiffStatus status :
       {DiffStatus::Added, DiffStatus::Removed, DiffStatus::Changed, DiffStatus::Renamed}) {
    text += "\"" + std::string(StatusName(status)) +
            "\": " + IntToStr(static_cast<long long>(counts[static_cast<int>(status)])) + ", ";
  }
  text += "\"unchanged\": " + IntToStr(static_cast<long long>(diff.unchanged)) + ",\n \"fighters\": [";
  for (std::size_t f = 0; f < diff.fighters.size(); ++f) {
    const FighterDiff& fighter = diff.fighters[f];
    text += f ? ",\n  {" : "\n  {";
    text += "\"status\": \"" + std::string(StatusName(fighter.status)) +
            "\", \"file\": " + JsonString(ValidUtf8(NameOf(fighter)));
    if (fighter.status == DiffStatus::Renamed)
      text += ", \"renamed_to\": " + JsonString(ValidUtf8(fighter.after));
    if (fighter.status == DiffStatus::Changed || fighter.status == DiffStatus::Renamed) {
      text += ", \"fields\": [";
      for (std::size_t i = 0; i < fighter.fields.size(); ++i) {
        const roster::FieldChange& field = fighter.fields[i];
        text += std::string(i ? ", " : "") + "{\"column\": \"" + field.column +
                "\", \"before\": " + JsonString(ValidUtf8(field.before)) +
                ", \"after\": " + JsonString(ValidUtf8(field.after)) + "}";
      }
      text += "]";
    }
    if (!fighter.fields.empty()) {
      text += fighter.ratingsBefore ? ", \"ratings_before\": " + JsonRatings(fighter.ratingsBefore)
                                    : ", \"error_before\": " + JsonString(ValidUtf8(*fighter.failureBefore));
      text += fighter.ratingsAfter ? ", \"ratings_after\": " + JsonRatings(fighter.ratingsAfter)
                                   : ", \"error_after\": " + JsonString(ValidUtf8(*fighter.failureAfter));
    }
    text += "}";
  }
  text += diff.fighters.empty() ? "],\n \"held_twice\": [" : "\n ],\n \"held_twice\": [";
  for (std::size_t h = 0; h < diff.heldTwice.size(); ++h) {
    const roster::IdHeldTwice& twice = diff.heldTwice[h];
    text += std::string(h ? ",\n  " : "\n  ") + "{\"sherdog_id\": " + JsonString(ValidUtf8(twice.sherdogId)) +
            ", \"before\": " + JsonNames(twice.before) + ", \"after\": " + JsonNames(twice.after) + "}";
  }
  text += diff.heldTwice.empty() ? "]}\n" : "\n ]}\n";
  Print(stdout, text);
}

// The side's problems on stderr, named by the argument; true when there are none.
bool Readable(const std::string& where, const roster::RosterContents& side) {
  for (const std::string& note : side.notes) Report(stderr, where, note);
  for (const roster::TableProblem& problem : side.problems) ReportProblem(where, problem);
  return side.problems.empty();
}

}  // namespace

int RunDiff(const std::string& before, const std::string& after, roster::MatchBy match,
            RatingsFormat format) {
  roster::RosterContents sides[2] = {roster::ReadRoster(before), roster::ReadRoster(after)};
  // Both sides' problems are told, not only the first's.
  const bool readable = Readable(before, sides[0]) & Readable(after, sides[1]);
  if (!readable) return kCannotCompare;
  // A table beside a folder names the folder's files as an import would.
  for (int side = 0; side < 2; ++side) {
    const roster::RosterContents& other = sides[1 - side];
    if (sides[side].kind == roster::RosterKind::Table && other.kind == roster::RosterKind::Folder) {
      roster::NameRowsUnder(sides[side], side == 0 ? after : before);
    }
  }
  std::vector<roster::DiffProblem> problems;
  const RosterDiff diff = roster::CompareRosters(sides[0], sides[1], match, problems);
  for (const roster::DiffProblem& problem : problems)
    ReportProblem(problem.after ? after : before, problem.problem);
  if (!problems.empty()) return kCannotCompare;
  switch (format) {
    case RatingsFormat::Table:
      PrintTable(diff);
      break;
    case RatingsFormat::Csv:
      PrintCsv(diff);
      break;
    case RatingsFormat::Json:
      PrintJson(diff);
      break;
  }
  return diff.Equal() ? 0 : 1;
}

}  // namespace ostrak::fighter
