#pragma once

// CSV as RFC 4180 describes it, read as spreadsheets save it: CR LF or LF row
// ends (or CR alone, as old Mac spreadsheets save them), a last row with or
// without its end, and the separator their locale uses (a comma, a semicolon
// or a tab). Read in pieces, one record at a time. Bytes in, bytes out: the
// reader checks the quoting, not the encoding.

#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "roster/Table.h"

namespace ostrak::roster {

// The separator the header line (the text up to its first CR or LF outside
// quotes) uses most outside quotes, of ',', ';' and '\t'; ',' when it uses none.
char DetectSeparator(std::string_view text);

class CsvReader {
public:
  // `next` hands the text on in pieces, an empty one at the end. Separator 0:
  // detected from the header line.
  explicit CsvReader(std::function<std::string_view()> next, char separator = 0);

  char separator() const { return separator_; }

  // The next record into `cells` (each a Text value, `quoted` telling "" from
  // an empty cell), reusing their storage; false at the end. A lone CR is cell
  // text, unless the header line ends in one: then every CR ends a row, as
  // CR LF and LF do. Throws TableProblem for a quote where RFC 4180 allows
  // none or a quoted cell without its end, naming the column by the first record.
  bool Next(std::vector<TableValue>& cells);
  // The number of the record last read: 0 for the first (the header).
  int number() const { return number_ - 1; }

private:
  bool Ensure(std::size_t count);  // at least `count` bytes ahead, unless the text ends
  int Peek() { return Ensure(1) ? static_cast<unsigned char>(buffer_[at_]) : -1; }
  bool AtRowEnd();
  void SkipRowEnd();
  void TakeUntil(std::string& out, std::string_view stops);
  void ReadCell(TableValue& cell, std::size_t index);

  std::function<std::string_view()> next_;
  std::string buffer_;
  std::size_t at_ = 0;
  bool ended_ = false;
  char separator_ = ',';
  bool crEndsRows_ = false;
  int number_ = 0;
  std::vector<std::string> header_;
};

enum class Quote { WhereNeeded, Always };

// One cell as written: quoted where it holds the separator, a quote or a
// line break, or always (which tells a quoted empty cell from an empty one).
void AppendCsvCell(std::string& out, std::string_view text, Quote quote = Quote::WhereNeeded,
                   char separator = ',');

// RFC 4180: quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view utf8);

}  // namespace ostrak::roster
