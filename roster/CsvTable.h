#pragma once

// CSV as RFC 4180 describes it, read as spreadsheets save it: a UTF-8
// byte-order mark, CR LF or LF row ends, a last row with or without its end.
// Bytes in, bytes out: the reader checks the quoting, not the encoding.

#include <string>
#include <string_view>
#include <vector>

#include "roster/Table.h"

namespace ostrak::roster {

// The first record names the columns of the others. A lone CR is cell text
// (rows end at CR LF or LF only). A record whose cells are all empty and
// unquoted (a blank line) is no row, though it is counted. Throws TableProblem
// for a quote where RFC 4180 allows none, a quoted cell without its end, or a
// row whose cells do not match the header's.
Table ReadCsvTable(std::string_view text);

enum class Quote { WhereNeeded, Always };

// One cell as written: quoted where it holds a comma, a quote or a line
// break, or always (which tells a quoted empty cell from an empty one).
void AppendCsvCell(std::string& out, std::string_view text, Quote quote = Quote::WhereNeeded);

// RFC 4180: quoted when it holds a comma, a quote or a line break.
std::string CsvField(std::string_view utf8);
bool CsvNeedsQuotes(std::string_view utf8);

}  // namespace ostrak::roster
