#include "roster/RosterRows.h"

#include <QStringDecoder>
#include <algorithm>
#include <array>

#include "core/IntToStr.h"
#include "core/IntegerSyntax.h"
#include "record/AnsiText.h"
#include "record/FighterColumns.h"
#include "roster/ChangeRules.h"
#include "roster/CsvTable.h"
#include "roster/JsonTable.h"
#include "roster/LoadedFighter.h"
#include "roster/Utf8Text.h"

namespace ostrak::roster {

namespace {

std::optional<QString> DecodeUtf8(std::string_view text) {
  QStringDecoder decoder(QStringDecoder::Utf8,
                         QStringDecoder::Flag::Stateless | QStringDecoder::Flag::ConvertInitialBom);
  QString decoded = decoder(QByteArrayView(text.data(), static_cast<qsizetype>(text.size())));
  if (decoder.hasError()) return std::nullopt;
  return decoded;
}

std::string CodePoint(char32_t c) {
  std::string hex;
  for (; c != 0 || hex.size() < 4; c >>= 4) hex.insert(hex.begin(), "0123456789ABCDEF"[c & 0xF]);
  return "U+" + hex;
}

bool IsAscii(std::string_view text) {
  return std::all_of(text.begin(), text.end(), [](char c) { return static_cast<unsigned char>(c) < 0x80; });
}

// The Windows-1252 bytes of the line a UTF-8 cell holds, or the problem.
std::optional<std::string> CellToLine(std::string_view cell, std::string& line) {
  if (auto problem = LineTextProblem(cell)) return problem;
  if (IsAscii(cell)) {
    line.assign(cell);
    return std::nullopt;
  }
  const std::optional<QString> text = DecodeUtf8(cell);
  if (!text) return "is not UTF-8 text";
  if (const auto missing = FirstCharacterWithoutAnsiByte(*text)) {
    const QString character = QString::fromUcs4(&*missing, 1);
    return "'" + character.toUtf8().toStdString() + "' (" + CodePoint(*missing) +
           ") has no Windows-1252 byte";
  }
  line = QStringToAnsi(*text);
  return std::nullopt;
}

// The lines after line 27 that a cell holds, or the problem with the first bad one.
std::optional<std::string> CellToExtraLines(const TableValue& cell, std::vector<std::string>& lines) {
  std::vector<std::string_view> parts;
  if (cell.kind == TableValue::Kind::OtherJson) return "is not a JSON array of strings";
  if (cell.kind == TableValue::Kind::TextList) {
    parts.assign(cell.texts.begin(), cell.texts.end());
  } else if (const std::string_view text = cell.texts.front(); !text.empty() || cell.quoted) {
    for (std::size_t start = 0;;) {
      const std::size_t end = text.find('\n', start);
      parts.push_back(text.substr(start, end - start));
      if (end == std::string_view::npos) break;
      start = end + 1;
    }
  }
  for (std::size_t i = 0; i < parts.size(); ++i) {
    std::string line;
    if (auto problem = CellToLine(parts[i], line)) {
      return "line " + IntToStr(static_cast<long long>(kFighterLineCount + i)) + ": " + *problem;
    }
    lines.push_back(std::move(line));
  }
  return std::nullopt;
}

// A list's line as its item's text where it holds an item's code as the
// editor writes it, else the line as UTF-8.
std::string CellOfLine(int line, const std::string& text, const RowStyle& style) {
  if (style.itemTexts) {
    const auto item = [&](const auto& items, int index, int code) -> std::optional<std::string> {
      if (index == kNoSelection || text != IntToStr(code)) return std::nullopt;
      return std::string(items[static_cast<std::size_t>(index)]);
    };
    const std::optional<std::int32_t> code = TryStrToInt(text);
    if (code && line == LineOf(FighterField::GamePlan)) {
      if (auto shown = item(kGamePlanItems, GamePlanIndexFromCode(*code), *code)) return *shown;
    } else if (code && line == LineOf(FighterField::WeightClass)) {
      if (auto shown = item(kWeightClassItems, WeightClassIndexFromCode(*code), *code)) return *shown;
    }
  }
  return Utf8FromFileText(text);
}

// A rating cell that is not empty must be what the lines give: the ratings
// are the evaluation window's reading of the attributes, nothing a file keeps.
void CheckRatingCells(const RowCells& cells, const TStringList& lines,
                      std::vector<std::pair<std::size_t, std::string>>& found) {
  const bool given = std::any_of(cells.begin() + kFirstRatingIndex, cells.end(), [](const TableValue* cell) {
    return cell && (cell->kind != TableValue::Kind::Text || !cell->texts.front().empty());
  });
  if (!given) return;
  const LoadedFighter loaded = LoadLinesLikeTheEditor(lines);
  if (loaded.failure) return;  // its load problem is named already
  const auto ratings = EvaluateRatings(loaded.form.Attributes()).InBarOrder();
  for (std::size_t i = 0; i < kRatingColumns.size(); ++i) {
    const TableValue* cell = cells[kFirstRatingIndex + i];
    if (!cell || (cell->kind == TableValue::Kind::Text && cell->texts.front().empty())) continue;
    if (cell->kind != TableValue::Kind::Text) {
      found.emplace_back(kFirstRatingIndex + i, "is not a JSON string");
    } else if (TryStrToInt(cell->texts.front()) != ratings[i]) {
      found.emplace_back(kFirstRatingIndex + i, "'" + cell->texts.front() + "': the attributes give " +
                                                    IntToStr(ratings[i]) +
                                                    "; ratings follow from the attributes: change those");
    }
  }
}

}  // namespace

const char* ColumnName(std::size_t index) {
  if (index == 0) return kFileColumn;
  if (index >= kFirstRatingIndex) return kRatingColumns[index - kFirstRatingIndex];
  return index == kExtraIndex ? kExtraColumn : kLineColumns[index - 1];
}

std::optional<std::size_t> TableColumnIndex(std::string_view name) {
  for (std::size_t i = 0; i < kRatingColumns.size(); ++i) {
    if (name == kRatingColumns[i]) return kFirstRatingIndex + i;
  }
  return ColumnIndex(name);
}

std::optional<std::size_t> ColumnIndex(std::string_view name) {
  if (name == kFileColumn) return 0;
  if (name == kExtraColumn) return kExtraIndex;
  if (const auto line = LineOfColumn(name)) return static_cast<std::size_t>(*line) + 1;
  return std::nullopt;
}

void AppendCsvHeader(std::string& out, char separator, bool ratings) {
  for (std::size_t index = 0; index < (ratings ? kTableColumnCount : kColumnCount); ++index) {
    if (index > 0) out += separator;
    out += ColumnName(index);
  }
  out += "\r\n";
}

void AppendCsvRow(std::string& out, std::string_view file, const TStringList& lines, char separator,
                  const RowStyle& style) {
  AppendCsvCell(out, file, Quote::WhereNeeded, separator);
  for (int line = 0; line < kFighterLineCount; ++line) {
    out += separator;
    AppendCsvCell(out, CellOfLine(line, lines.Get(line), style), Quote::WhereNeeded, separator);
  }
  std::string extra;
  for (int line = kFighterLineCount; line < lines.Count(); ++line) {
    if (line > kFighterLineCount) extra += '\n';
    extra += Utf8FromFileText(lines.Get(line));
  }
  // One empty line joins to nothing, as no line does: its quotes tell them apart.
  const bool oneEmptyLine = lines.Count() == kFighterLineCount + 1 && extra.empty();
  out += separator;
  AppendCsvCell(out, extra, oneEmptyLine ? Quote::Always : Quote::WhereNeeded, separator);
  if (style.ratings) {
    for (const int rating : style.ratings->InBarOrder()) {
      out += separator;
      out += IntToStr(rating);
    }
  }
  out += "\r\n";
}

void AppendJsonRow(std::string& out, std::string_view file, const TStringList& lines, const RowStyle& style) {
  out += "{\"file\": " + JsonString(file);
  for (int line = 0; line < kFighterLineCount; ++line) {
    out += ", \"";
    out += kLineColumns[static_cast<std::size_t>(line)];
    out += "\": " + JsonString(CellOfLine(line, lines.Get(line), style));
  }
  out += ", \"extra\": [";
  for (int line = kFighterLineCount; line < lines.Count(); ++line) {
    if (line > kFighterLineCount) out += ", ";
    out += JsonString(Utf8FromFileText(lines.Get(line)));
  }
  out += "]";
  if (style.ratings) {
    const auto ratings = style.ratings->InBarOrder();
    for (std::size_t i = 0; i < ratings.size(); ++i) {
      out += ", \"";
      out += kRatingColumns[i];
      out += "\": \"" + IntToStr(ratings[i]) + "\"";
    }
  }
  out += "}";
}

void CheckColumns(const std::vector<std::string>& names, int row, std::vector<TableProblem>& problems) {
  std::array<bool, kTableColumnCount> seen{};
  for (const std::string& name : names) {
    const auto index = TableColumnIndex(name);
    if (name.empty()) {
      problems.push_back({row, {}, "a column has no name"});
    } else if (!index) {
      problems.push_back({row, name, "unknown column"});
    } else if (seen[*index]) {
      problems.push_back({row, name, "column given twice"});
    } else {
      seen[*index] = true;
    }
  }
  if (!seen[0]) problems.push_back({row, kFileColumn, "missing column"});
}

std::optional<std::string> FileCellProblem(const TableValue& cell) {
  if (cell.kind != TableValue::Kind::Text) return "is not a JSON string";
  const std::string& name = cell.texts.front();
  if (name.empty()) return "is empty";
  if (auto problem = LineTextProblem(name)) return problem;
  if (!IsAscii(name) && !DecodeUtf8(name)) return "is not UTF-8 text";
  return std::nullopt;
}

bool KeepsOldLines(const RowCells& cells) {
  return std::any_of(cells.begin() + 1, cells.begin() + kColumnCount,
                     [](const TableValue* cell) { return !cell; });
}

TStringList LinesOfRow(int row, const RowCells& cells, const TStringList* old,
                       std::vector<TableProblem>& problems) {
  std::vector<std::pair<std::size_t, std::string>> found;  // column index, message
  std::array<bool, kFighterLineCount> failed{};
  TStringList lines;
  for (int line = 0; line < kFighterLineCount; ++line) {
    const std::size_t index = static_cast<std::size_t>(line) + 1;
    const bool oldHasIt = old && line < old->Count();
    std::string text;
    std::optional<std::string> problem;
    if (const TableValue* cell = cells[index]; !cell) {
      if (oldHasIt) text = old->Get(line);
      if (!oldHasIt) problem = "missing column";
    } else if (cell->kind != TableValue::Kind::Text) {
      problem = "is not a JSON string";
    } else {
      const ItemCode item = CodeOfItem(line, cell->texts.front());
      problem = item.problem;
      if (!problem) problem = CellToLine(item.code ? *item.code : cell->texts.front(), text);
      // A cell that holds what the line holds keeps the file's own way of writing it.
      if (!problem && oldHasIt && HoldsTheSame(line, text, old->Get(line))) {
        text = old->Get(line);
      } else if (!problem && oldHasIt) {
        problem = EditorLimitProblem(line, text);
      }
    }
    if (problem) found.emplace_back(index, *problem);
    failed[static_cast<std::size_t>(line)] = problem.has_value();
    lines.Add(std::move(text));
  }
  // A cell that failed above holds no line to load.
  for (const LineProblem& problem : LoadProblems(lines)) {
    const auto line = static_cast<std::size_t>(problem.line);
    if (!failed[line]) found.emplace_back(line + 1, Utf8FromFileText(problem.message));
  }
  std::vector<std::string> extra;
  if (const TableValue* cell = cells[kExtraIndex]) {
    if (auto problem = CellToExtraLines(*cell, extra)) found.emplace_back(kExtraIndex, *problem);
  } else if (old) {
    for (int line = kFighterLineCount; line < old->Count(); ++line) extra.push_back(old->Get(line));
  }
  for (std::string& line : extra) lines.Add(std::move(line));
  if (found.empty()) CheckRatingCells(cells, lines, found);
  std::stable_sort(found.begin(), found.end(),
                   [](const auto& a, const auto& b) { return a.first < b.first; });
  for (auto& [index, message] : found) problems.push_back({row, ColumnName(index), std::move(message)});
  return lines;
}

TStringList LinesAsGiven(int row, const RowCells& cells, std::vector<TableProblem>& problems) {
  TStringList lines;
  for (int line = 0; line < kFighterLineCount; ++line) {
    const std::size_t index = static_cast<std::size_t>(line) + 1;
    std::string text;
    std::optional<std::string> problem;
    if (const TableValue* cell = cells[index]; !cell) {
      problem = "missing column";
    } else if (cell->kind != TableValue::Kind::Text) {
      problem = "is not a JSON string";
    } else {
      const ItemCode item = CodeOfItem(line, cell->texts.front());
      problem = item.problem;
      if (!problem) problem = CellToLine(item.code ? *item.code : cell->texts.front(), text);
    }
    if (problem) problems.push_back({row, ColumnName(index), std::move(*problem)});
    lines.Add(std::move(text));
  }
  std::vector<std::string> extra;
  if (const TableValue* cell = cells[kExtraIndex]) {
    if (auto problem = CellToExtraLines(*cell, extra))
      problems.push_back({row, kExtraColumn, std::move(*problem)});
  }
  for (std::string& line : extra) lines.Add(std::move(line));
  return lines;
}

}  // namespace ostrak::roster
