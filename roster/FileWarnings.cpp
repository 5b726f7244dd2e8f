#include "roster/FileWarnings.h"

#include <algorithm>
#include <cerrno>

#include "core/FileAccess.h"
#include "core/IntToStr.h"
#include "core/IntegerSyntax.h"
#include "record/FighterColumns.h"
#include "record/FighterForm.h"
#include "record/FighterLayout.h"
#include "roster/Utf8Text.h"

namespace ostrak::roster {

namespace {

const char* ColumnOfLine(int line) { return kLineColumns[static_cast<std::size_t>(line)]; }

// Bytes that are UTF-8 with at least one character beyond ASCII: a
// Windows-1252 text hardly ever is, one written as UTF-8 always.
bool LooksLikeUtf8(const std::string& bytes) {
  return std::any_of(bytes.begin(), bytes.end(),
                     [](char c) { return static_cast<unsigned char>(c) >= 0x80; }) &&
         IsUtf8(bytes);
}

std::string Quoted(const std::string& text) { return "'" + text + "'"; }

}  // namespace

std::string FileWarning::Text() const {
  switch (kind) {
    case WarningKind::AttributeOutsideRange:
      return column + " is " + value + ", outside 1..20: the editor shows " + IntToStr(shown);
    case WarningKind::NoWeightClass:
      return column + " " + Quoted(value) + " is no weight class: the editor shows none";
    case WarningKind::NoGamePlan:
      return column + " " + Quoted(value) + " is no game plan: the editor shows none";
    case WarningKind::EmptyFullName:
    case WarningKind::EmptySherdogId:
      return column + " is empty: the editor saves no fighter without it";
    case WarningKind::Utf8AsWindows1252:
      return column + " " + Quoted(value) + " looks like UTF-8 read as Windows-1252 (" + Quoted(meant) + ")";
  }
  return {};
}

std::vector<FileWarning> WarningsOf(const TStringList& lines) {
  std::vector<FileWarning> warnings;
  if (lines.Count() < kFighterLineCount) return warnings;
  for (const FieldDescription& field : kFighterFields) {
    const std::string& line = lines.Get(field.line);
    FileWarning warning{
        WarningKind::AttributeOutsideRange, ColumnOfLine(field.line), Utf8FromFileText(line), 0, {}};
    const std::optional<std::int32_t> number = TryStrToInt(line);
    switch (field.content) {
      case FieldContent::AttributeValue:
        if (!number || (*number >= kAttributeMinValue && *number <= kAttributeMaxValue)) continue;
        warning.shown = std::clamp<std::int32_t>(*number, kAttributeMinValue, kAttributeMaxValue);
        break;
      case FieldContent::GamePlanCode:
        if (!number || GamePlanIndexFromCode(*number) != kNoSelection) continue;
        warning.kind = WarningKind::NoGamePlan;
        break;
      case FieldContent::WeightClassCode:
        if (!number || WeightClassIndexFromCode(*number) != kNoSelection) continue;
        warning.kind = WarningKind::NoWeightClass;
        break;
      case FieldContent::FreeText:
        if (line.empty() &&
            (field.field == FighterField::FullName || field.field == FighterField::SherdogId)) {
          warning.kind = field.field == FighterField::FullName ? WarningKind::EmptyFullName
                                                               : WarningKind::EmptySherdogId;
        } else if (LooksLikeUtf8(line)) {
          warning.kind = WarningKind::Utf8AsWindows1252;
          warning.meant = line;
        } else {
          continue;
        }
        break;
    }
    warnings.push_back(std::move(warning));
  }
  return warnings;
}

std::string FailureExplanation::Text() const {
  switch (kind) {
    case FailureKind::FileEnds:
      return (lines == 0 ? std::string("the file is empty") : "the file ends after line " + IntToStr(lines)) +
             "; a fighter file has 28 lines";
    case FailureKind::NotANumber:
      return (column.empty() ? std::string("a line the editor reads as a number") : column) + " holds " +
             Quoted(text) + ", which is no whole number";
    case FailureKind::Missing:
      return "the file is not there: it was moved, renamed or removed";
    case FailureKind::NotAllowed:
      return "you are not allowed to read the file";
    case FailureKind::TooLarge:
      return "the file is larger than the " + IntToStr(static_cast<long long>(kMaxInputFileBytes >> 20)) +
             " MiB the editor loads";
    case FailureKind::Folder:
      return "it is a folder, not a fighter file";
    case FailureKind::Unreadable:
      return "the file cannot be read: " + text;
    case FailureKind::Other:
      break;
  }
  return {};
}

FailureExplanation ExplainFailure(std::string_view message, const TStringList* lines) {
  FailureExplanation explanation;
  constexpr std::string_view kListIndex = "List index out of bounds (";
  constexpr std::string_view kNotInteger = "' is not a valid integer value";
  constexpr std::string_view kCannotOpen = "Cannot open file \"";
  if (message.starts_with(kListIndex) && message.ends_with(')')) {
    const std::string_view number = message.substr(kListIndex.size(), message.size() - kListIndex.size() - 1);
    if (const std::optional<std::int32_t> count = TryStrToInt(number); count && *count >= 0) {
      explanation.kind = FailureKind::FileEnds;
      explanation.lines = *count;
    }
  } else if (message.starts_with('\'') && message.ends_with(kNotInteger) &&
             message.size() >= kNotInteger.size() + 1) {
    explanation.kind = FailureKind::NotANumber;
    explanation.text = message.substr(1, message.size() - kNotInteger.size() - 1);
    if (lines && lines->Count() >= kFighterLineCount) {
      for (const LineProblem& problem : LoadProblems(*lines)) {
        if (Utf8FromFileText(problem.message) == message) {
          explanation.column = ColumnOfLine(problem.line);
          break;
        }
      }
    }
  } else if (message.starts_with(kCannotOpen)) {
    // The reason follows the quoted name, which may hold anything: read from the end.
    const struct {
      int error;
      FailureKind kind;
    } kReasons[] = {{ENOENT, FailureKind::Missing},
                    {EACCES, FailureKind::NotAllowed},
                    {EPERM, FailureKind::NotAllowed},
                    {EFBIG, FailureKind::TooLarge},
                    {EISDIR, FailureKind::Folder}};
    explanation.kind = FailureKind::Unreadable;
    for (const auto& reason : kReasons) {
      if (message.ends_with("\". " + SystemErrorText(reason.error))) explanation.kind = reason.kind;
    }
    if (explanation.kind == FailureKind::Unreadable) {
      const std::size_t end = message.rfind("\". ");
      explanation.text = end == std::string_view::npos ? std::string() : std::string(message.substr(end + 3));
    }
  }
  return explanation;
}

}  // namespace ostrak::roster
