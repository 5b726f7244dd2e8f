#include "tools/fighter/Commands.h"

#include <algorithm>
#include <cstdio>

#include "core/IntToStr.h"
#include "record/Ratings.h"
#include "roster/CsvTable.h"
#include "roster/FileWarnings.h"
#include "roster/JsonTable.h"
#include "roster/LoadedFighter.h"
#include "roster/Roster.h"
#include "roster/Utf8Text.h"
#include "tools/fighter/Output.h"

namespace ostrak::fighter {

namespace {

using roster::CsvField;
using roster::JsonString;
using roster::Utf8FromFileText;
using roster::ValidUtf8;

std::string PadRight(const std::string& text, std::size_t width) {
  return text + std::string(width - std::min(width, DisplayWidth(text)), ' ');
}

std::string PadLeft(const std::string& text, std::size_t width) {
  return std::string(width - std::min(width, DisplayWidth(text)), ' ') + text;
}

struct RatingsRow {
  std::string file;
  std::optional<Ratings> ratings;
  std::string error;
};

constexpr const char* kRatingNames[] = {"ground", "striking", "defense", "fitness", "mental", "overall"};

void PrintCsv(const std::vector<RatingsRow>& rows) {
  const bool anyError = std::any_of(rows.begin(), rows.end(), [](const RatingsRow& r) { return !r.ratings; });
  std::string text = "file,ground,striking,defense,fitness,mental,overall";
  if (anyError) text += ",error";
  text += '\n';
  for (const RatingsRow& row : rows) {
    text += CsvField(ValidUtf8(row.file));
    for (std::size_t i = 0; i < 6; ++i) {
      text += ',';
      if (row.ratings) text += IntToStr(row.ratings->InBarOrder()[i]);
    }
    if (anyError) text += ',' + CsvField(ValidUtf8(row.error));
    text += '\n';
  }
  Print(stdout, text);
}

void PrintJson(const std::vector<RatingsRow>& rows) {
  std::string text = "[";
  for (std::size_t r = 0; r < rows.size(); ++r) {
    const RatingsRow& row = rows[r];
    text += r == 0 ? "\n  {" : ",\n  {";
    text += "\"file\": " + JsonString(ValidUtf8(row.file));
    if (row.ratings) {
      for (std::size_t i = 0; i < 6; ++i) {
        text += ", \"" + std::string(kRatingNames[i]) + "\": " + IntToStr(row.ratings->InBarOrder()[i]);
      }
    } else {
      text += ", \"error\": " + JsonString(ValidUtf8(row.error));
    }
    text += "}";
  }
  text += rows.empty() ? "]\n" : "\n]\n";
  Print(stdout, text);
}

void PrintTable(const std::vector<RatingsRow>& rows) {
  std::size_t fileWidth = 4;
  for (const RatingsRow& row : rows) fileWidth = std::max(fileWidth, DisplayWidth(TerminalSafe(row.file)));
  const char* headings[] = {"Ground", "Striking", "Defense", "Fitness", "Mental", "Overall"};
  std::string text = PadRight("File", fileWidth);
  for (const char* heading : headings) text += "  " + std::string(heading);
  text += '\n';
  for (const RatingsRow& row : rows) {
    text += PadRight(TerminalSafe(row.file), fileWidth);
    if (row.ratings) {
      for (std::size_t i = 0; i < 6; ++i) {
        text += "  " + PadLeft(IntToStr(row.ratings->InBarOrder()[i]) + "%", std::string(headings[i]).size());
      }
    } else {
      text += "  error: " + TerminalSafe(row.error);
    }
    text += '\n';
  }
  Print(stdout, text);
}

}  // namespace

int RunCheck(const std::vector<std::string>& files, bool warnings) {
  int status = 0;
  for (const std::string& file : files) {
    const roster::FighterCheck check = roster::CheckFighterFile(file);
    if (check.verdict == roster::Verdict::Fails) status = 1;
    std::string message = check.Message();
    if (warnings && check.verdict == roster::Verdict::Loads) {
      for (const roster::FileWarning& warning : roster::WarningsOf(check.lines))
        message += "; warning: " + warning.Text();
    }
    Print(stdout, TerminalSafe(file) + ": " + TerminalSafe(message) + "\n");
  }
  return status;
}

int RunRatings(const std::vector<std::string>& files, RatingsFormat format) {
  std::vector<RatingsRow> rows;
  int status = 0;
  for (const std::string& file : files) {
    roster::FighterCheck check = roster::CheckFighterFile(file);
    if (!check.ratings) status = 1;
    rows.push_back({file, check.ratings, check.ratings ? std::string() : std::move(check.reason)});
  }
  switch (format) {
    case RatingsFormat::Csv:
      PrintCsv(rows);
      break;
    case RatingsFormat::Json:
      PrintJson(rows);
      break;
    case RatingsFormat::Table:
      PrintTable(rows);
      break;
  }
  return status;
}

int RunShow(const std::string& file) {
  const roster::LoadedFighter loaded = roster::LoadLikeTheEditor(file);
  if (loaded.failure) {
    Print(stderr, TerminalSafe(file) + ": " + TerminalSafe(*loaded.failure) + "\n");
    return 1;
  }

  std::size_t labelWidth = 0;
  for (const FieldDescription& field : kFighterFields) {
    labelWidth = std::max(labelWidth, std::string(field.englishLabel).size() + 1);
  }
  std::string text;
  for (const FieldDescription& field : kFighterFields) {
    std::string value;
    switch (field.content) {
      case FieldContent::AttributeValue:
        value = IntToStr(loaded.form.Attribute(field.field));
        break;
      case FieldContent::FreeText:
        value = TerminalSafe(Utf8FromFileText(loaded.form.Text(field.field)));
        break;
      case FieldContent::GamePlanCode: {
        const int index = loaded.form.GamePlanIndex();
        value = index == kNoSelection ? "(none)" : kGamePlanItems[static_cast<std::size_t>(index)];
        break;
      }
      case FieldContent::WeightClassCode: {
        const int index = loaded.form.WeightClassIndex();
        value = index == kNoSelection ? "(none)" : kWeightClassItems[static_cast<std::size_t>(index)];
        break;
      }
    }
    text += PadRight(std::string(field.englishLabel) + ":", labelWidth) + " " + value + "\n";
  }
  const TStringList& lines = loaded.record.Lines();
  if (lines.Count() > kFighterFieldCount) {
    text += "Kept as loaded:\n";
    for (int line = kFighterFieldCount; line < lines.Count(); ++line) {
      text += "  line " + IntToStr(line) + ": " + TerminalSafe(Utf8FromFileText(lines.Get(line))) + "\n";
    }
  }
  Print(stdout, text);
  return 0;
}

}  // namespace ostrak::fighter
