#pragma once

// A roster table: one row per fighter file, the columns "file", the 28 line
// columns and "extra" (the lines after line 27). Every cell is a line's text
// exactly as stored, Windows-1252 in the file and UTF-8 in the table.

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "record/FighterLayout.h"
#include "record/StringList.h"
#include "roster/Table.h"

namespace ostrak::roster {

// Export: rows appended to `out`, CSV rows ending in CR LF, a JSON row as
// one object on one line. `lines` holds at least the 28 lines.
void AppendCsvHeader(std::string& out);
void AppendCsvRow(std::string& out, std::string_view file, const TStringList& lines);
void AppendJsonRow(std::string& out, std::string_view file, const TStringList& lines);

// The cells of one row that hold lines: the 28 line columns in line order,
// then extra (absent: no lines after line 27).
using LineCells = std::array<const TableValue*, kFighterLineCount + 1>;

// The file's lines from their cells. Each cell must be UTF-8 whose every
// character has a Windows-1252 byte, and hold nothing a line cannot (see
// LineTextProblem); extra is split at its line feeds (an empty, unquoted cell
// holds no line, a quoted empty one a single empty line) or is a JSON list.
// Then the lines must load in the editor with nothing reported. Problems, for
// `row`, come in column order; the lines mean something only without them.
TStringList LinesOfRow(int row, const LineCells& cells, std::vector<TableProblem>& problems);

struct RosterRow {
  int number = 0;         // in the table, from 1
  std::string file;       // as the table names it
  bool complete = false;  // every cell passed: `lines` are the file's lines
  TStringList lines;
};

struct RosterReading {
  std::vector<RosterRow> rows;  // those whose file cell passed
  std::vector<TableProblem> problems;
};

// Every row checked: the columns (all 28 line columns and "file" present, no
// unknown or repeated one), each cell, and that the editor loads the lines
// with nothing reported. Problems come in row order, then column order.
RosterReading ReadRoster(const Table& table);

}  // namespace ostrak::roster
