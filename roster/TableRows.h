#pragma once

// A roster table's rows one at a time, each as its cells by column, for
// every reader of a table (an import's plan, a comparison): CSV with the
// separator its header line shows, or a JSON array of objects.

#include <functional>
#include <string>
#include <vector>

#include "roster/RosterRows.h"
#include "roster/Table.h"
#include "roster/TableSource.h"

namespace ostrak::roster {

enum class TableSyntax { Csv, Json };

enum class FileColumn {
  Required,
  Optional,  // rows found by something else (their Sherdog ID) may leave it out
};

// JSON when the name ends in .json (any case), CSV otherwise.
TableSyntax SyntaxOfName(const std::string& path);

// Hands `row` each row that is not blank and whose column names pass
// CheckColumns, with its number (from 1 after the header). A CSV header
// that fails them, a CSV row of another length and a JSON row with wrong
// names go to `problems` instead. Throws TableProblem where the table cannot
// be read on (the rows before it were handed on).
void ReadTableRows(TableSource& source, TableSyntax syntax,
                   const std::function<void(int number, const RowCells& cells)>& row,
                   std::vector<TableProblem>& problems, FileColumn file = FileColumn::Required);

}  // namespace ostrak::roster
