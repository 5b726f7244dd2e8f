#include "roster/TableRows.h"

#include <algorithm>

#include "core/IntToStr.h"
#include "record/FighterColumns.h"
#include "roster/CsvTable.h"
#include "roster/JsonTable.h"

namespace ostrak::roster {

namespace {

bool IsBlank(const std::vector<TableValue>& record) {
  return std::all_of(record.begin(), record.end(),
                     [](const TableValue& cell) { return cell.texts.front().empty() && !cell.quoted; });
}

// The column names' problems for `row`, into `problems`; whether there were none.
bool ColumnsPass(const std::vector<std::string>& names, int row, FileColumn file,
                 std::vector<TableProblem>& problems) {
  const std::size_t before = problems.size();
  CheckColumns(names, row, problems);
  if (file == FileColumn::Optional) {
    const auto missingFile = [](const TableProblem& p) {
      return p.column == kFileColumn && p.message == "missing column";
    };
    const auto start = problems.begin() + static_cast<std::ptrdiff_t>(before);
    problems.erase(std::remove_if(start, problems.end(), missingFile), problems.end());
  }
  return problems.size() == before;
}

void ReadCsv(TableSource& source, const std::function<void(int, const RowCells&)>& row,
             std::vector<TableProblem>& problems, FileColumn file) {
  CsvReader reader([&] { return source.Next(); });
  std::vector<TableValue> record;
  if (!reader.Next(record)) throw TableProblem{0, {}, "has no header row"};
  std::vector<std::string> names;
  for (const TableValue& cell : record) names.push_back(cell.texts.front());
  if (!ColumnsPass(names, 0, file, problems)) return;
  while (reader.Next(record)) {
    if (IsBlank(record)) continue;
    if (record.size() != names.size()) {
      problems.push_back({reader.number(),
                          {},
                          "has " + IntToStr(static_cast<long long>(record.size())) +
                              " cells where the header has " +
                              IntToStr(static_cast<long long>(names.size()))});
      continue;
    }
    RowCells cells{};
    for (std::size_t c = 0; c < record.size(); ++c) cells[*TableColumnIndex(names[c])] = &record[c];
    row(reader.number(), cells);
  }
}

void ReadJson(TableSource& source, const std::function<void(int, const RowCells&)>& row,
              std::vector<TableProblem>& problems, FileColumn file) {
  ReadJsonRows([&] { return source.Next(); },
               [&](TableRow&& read) {
                 std::vector<std::string> names;
                 for (const auto& [name, value] : read.cells) names.push_back(name);
                 if (!ColumnsPass(names, read.number, file, problems)) return;
                 RowCells cells{};
                 for (const auto& [name, value] : read.cells) cells[*TableColumnIndex(name)] = &value;
                 row(read.number, cells);
               },
               problems);
}

}  // namespace

TableSyntax SyntaxOfName(const std::string& path) {
  std::string name = path;
  std::transform(name.begin(), name.end(), name.begin(),
                 [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : c; });
  return name.ends_with(".json") ? TableSyntax::Json : TableSyntax::Csv;
}

void ReadTableRows(TableSource& source, TableSyntax syntax,
                   const std::function<void(int number, const RowCells& cells)>& row,
                   std::vector<TableProblem>& problems, FileColumn file) {
  if (syntax == TableSyntax::Json) {
    ReadJson(source, row, problems, file);
  } else {
    ReadCsv(source, row, problems, file);
  }
}

}  // namespace ostrak::roster
