#include "roster/CsvTable.h"

#include <algorithm>

#include "core/IntToStr.h"

namespace ostrak::roster {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

struct CsvCell {
  std::string text;
  bool quoted = false;
};
using CsvRecord = std::vector<CsvCell>;

// The length of the row end at `i` (CR LF or LF), or 0.
std::size_t RowEndAt(std::string_view text, std::size_t i) {
  if (i < text.size() && text[i] == '\n') return 1;
  if (i + 1 < text.size() && text[i] == '\r' && text[i + 1] == '\n') return 2;
  return 0;
}

// Reads one cell starting at `i` and moves `i` past it; the message of a
// syntax error otherwise.
std::string ReadCell(std::string_view text, std::size_t& i, CsvCell& cell) {
  if (i >= text.size() || text[i] != '"') {
    const std::size_t start = i;
    for (; i < text.size() && text[i] != ',' && RowEndAt(text, i) == 0; ++i) {
      if (text[i] == '"') return "a quote inside a cell that does not start with one";
    }
    cell.text.assign(text.substr(start, i - start));
    return {};
  }
  cell.quoted = true;
  for (++i;;) {
    const std::size_t quote = text.find('"', i);
    if (quote == std::string_view::npos) return "a quoted cell has no closing quote";
    cell.text.append(text.substr(i, quote - i));
    i = quote + 1;
    if (i >= text.size() || text[i] != '"') break;
    cell.text += '"';
    ++i;
  }
  if (i < text.size() && text[i] != ',' && RowEndAt(text, i) == 0) return "text after a closing quote";
  return {};
}

bool IsBlank(const CsvRecord& record) {
  return std::all_of(record.begin(), record.end(),
                     [](const CsvCell& cell) { return cell.text.empty() && !cell.quoted; });
}

}  // namespace

Table ReadCsvTable(std::string_view text) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  Table table;
  table.hasHeader = true;
  int number = 0;  // of the record being read; the header is 0
  CsvRecord record;
  const auto columnOf = [&](std::size_t cell) {
    return number > 0 && cell < table.header.size() ? table.header[cell] : std::string();
  };

  std::size_t i = 0;
  while (i < text.size()) {
    CsvCell cell;
    if (std::string problem = ReadCell(text, i, cell); !problem.empty()) {
      throw TableProblem{number, columnOf(record.size()), problem};
    }
    record.push_back(std::move(cell));
    if (i < text.size() && text[i] == ',') {
      if (++i < text.size()) continue;
      record.emplace_back();  // a comma at the very end leaves an empty last cell
    }
    i += RowEndAt(text, i);

    if (number == 0) {
      for (CsvCell& name : record) table.header.push_back(std::move(name.text));
    } else if (!IsBlank(record)) {
      if (record.size() != table.header.size()) {
        throw TableProblem{number,
                           {},
                           "has " + IntToStr(static_cast<long long>(record.size())) +
                               " cells where the header has " +
                               IntToStr(static_cast<long long>(table.header.size()))};
      }
      TableRow row{number, {}};
      for (std::size_t c = 0; c < record.size(); ++c) {
        row.cells.emplace_back(
            table.header[c],
            TableValue{TableValue::Kind::Text, {std::move(record[c].text)}, record[c].quoted});
      }
      table.rows.push_back(std::move(row));
    }
    record.clear();
    ++number;
  }
  if (number == 0) throw TableProblem{0, {}, "has no header row"};
  return table;
}

void AppendCsvCell(std::string& out, std::string_view text, Quote quote) {
  if (CsvNeedsQuotes(text)) {
    out += CsvField(text);
  } else if (quote == Quote::Always) {
    out += '"';
    out += text;
    out += '"';
  } else {
    out += text;
  }
}

bool CsvNeedsQuotes(std::string_view utf8) { return utf8.find_first_of(",\"\r\n") != std::string_view::npos; }

std::string CsvField(std::string_view utf8) {
  if (!CsvNeedsQuotes(utf8)) return std::string(utf8);
  std::string quoted = "\"";
  for (const char c : utf8) {
    if (c == '"') quoted += '"';
    quoted += c;
  }
  return quoted + "\"";
}

}  // namespace ostrak::roster
