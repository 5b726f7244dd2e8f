// Reads the input as a roster table, as import reads one, and checks each
// row as import checks it, against no file and against an existing one. The
// first byte picks JSON (odd) or CSV (even; any dialect, found from the
// header); the rest is the table. What must hold: a CSV record written back
// with the reader's separator reads back the same, JSON read one element at
// a time says what QJsonDocument says of the whole text, and a row with no
// problems gives lines the editor loads. Problems of the system's own kinds
// are expected; anything else is a finding.

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>
#include <cstdint>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "record/FighterColumns.h"
#include "roster/ChangeRules.h"
#include "roster/CsvTable.h"
#include "roster/JsonTable.h"
#include "roster/RosterRows.h"
#include "roster/TableSource.h"

namespace {

using namespace ostrak;
using namespace ostrak::roster;

void Check(bool condition) {
  if (!condition) std::abort();
}

TStringList OldFile() {
  TStringList lines;
  for (const char* line :
       {"12", "9", "15",      "7",    "11", "10", "13",  "8",  "14", "6",       "5",  "16", "17", "18",  "19",
        "20", "4", "Jos\xE9", "Pepe", "2",  "0",  "180", "77", "3",  "Per\xFA", "01", "1",  "1",  "kept"}) {
    lines.Add(line);
  }
  return lines;
}

void CheckRow(int number, const RowCells& cells) {
  static const TStringList old = OldFile();
  for (const TStringList* against : {static_cast<const TStringList*>(nullptr), &old}) {
    std::vector<TableProblem> problems;
    if (cells[0]) FileCellProblem(*cells[0]);
    const TStringList lines = LinesOfRow(number, cells, against, problems);
    if (!problems.empty()) continue;
    Check(lines.Count() >= kFighterLineCount);
    Check(LoadProblems(lines).empty());
    for (int line = 0; line < kFighterLineCount; ++line) {
      const bool given = cells[static_cast<std::size_t>(line) + 1] != nullptr;
      if (against && given && lines.Get(line) != against->Get(line))
        Check(!EditorLimitProblem(line, lines.Get(line)));
    }
  }
}

// The record written with `separator` and read again.
std::vector<TableValue> Again(const std::vector<TableValue>& record, char separator) {
  std::string text;
  for (std::size_t i = 0; i < record.size(); ++i) {
    if (i > 0) text += separator;
    const std::string& cell = record[i].texts.front();
    AppendCsvCell(text, cell, cell.empty() && record[i].quoted ? Quote::Always : Quote::WhereNeeded,
                  separator);
  }
  text += "\r\n";
  bool given = false;
  CsvReader reader(
      [&]() -> std::string_view {
        if (given) return {};
        given = true;
        return text;
      },
      separator);
  std::vector<TableValue> read;
  Check(reader.Next(read));
  return read;
}

void ReadCsv(TableSource& source) {
  CsvReader reader([&] { return source.Next(); });
  std::vector<TableValue> record;
  std::vector<std::string> names;
  std::vector<TableProblem> problems;
  while (reader.Next(record)) {
    const std::vector<TableValue> again = Again(record, reader.separator());
    Check(again.size() == record.size());
    for (std::size_t i = 0; i < record.size(); ++i) Check(again[i].texts == record[i].texts);
    if (reader.number() == 0) {
      for (const TableValue& cell : record) names.push_back(cell.texts.front());
      CheckColumns(names, 0, problems);
      continue;
    }
    if (!problems.empty() || record.size() != names.size()) continue;
    RowCells cells{};
    for (std::size_t c = 0; c < record.size(); ++c) cells[*TableColumnIndex(names[c])] = &record[c];
    CheckRow(reader.number(), cells);
  }
}

// Read one element at a time, the table must say what QJsonDocument says of
// the whole text: where it stops being JSON, or else each element's members.
void ReadJson(TableSource& source, TableSource& whole) {
  std::string text;
  for (std::string_view piece; !(piece = whole.Next()).empty();) text += piece;
  std::vector<TableProblem> problems;
  std::vector<std::set<QString>> names;  // each row's
  std::optional<TableProblem> stopped;
  try {
    ReadJsonRows([&] { return source.Next(); },
                 [&](TableRow&& row) {
                   names.resize(static_cast<std::size_t>(row.number));
                   std::vector<std::string> columns;
                   for (const auto& [name, value] : row.cells) {
                     columns.push_back(name);
                     names.back().insert(QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size())));
                   }
                   std::vector<TableProblem> found;
                   CheckColumns(columns, row.number, found);
                   if (!found.empty()) return;
                   RowCells cells{};
                   for (const auto& [name, value] : row.cells) cells[*TableColumnIndex(name)] = &value;
                   CheckRow(row.number, cells);
                 },
                 problems);
  } catch (const TableProblem& problem) {
    stopped = problem;
  }
  QJsonParseError error{};
  const QJsonDocument document = QJsonDocument::fromJson(
      QByteArray::fromRawData(text.data(), static_cast<qsizetype>(text.size())), &error);
  if (error.error != QJsonParseError::NoError) {
    Check(stopped && stopped->message == "is not JSON: " + error.errorString().toStdString() + " at byte " +
                                             std::to_string(error.offset));
    return;
  }
  if (!document.isArray()) {
    Check(stopped && stopped->message == "is not a JSON array of objects");
    return;
  }
  Check(!stopped);
  const QJsonArray elements = document.array();
  names.resize(static_cast<std::size_t>(elements.size()));
  for (qsizetype i = 0; i < elements.size(); ++i) {
    if (!elements[i].isObject()) continue;
    const QStringList keys = elements[i].toObject().keys();
    Check(names[static_cast<std::size_t>(i)] == std::set<QString>(keys.begin(), keys.end()));
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const bool json = (data[0] & 1) != 0;
  std::string bytes(reinterpret_cast<const char*>(data) + 1, size - 1);
  LostBytesProblem(bytes);
  TableSource source = TableSource::FromBytes(bytes);
  try {
    if (json) {
      TableSource whole = TableSource::FromBytes(std::move(bytes));
      ReadJson(source, whole);
    } else {
      ReadCsv(source);
    }
  } catch (const TableProblem&) {
  }
  return 0;
}
