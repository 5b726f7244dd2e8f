#pragma once

// A roster table: one row per fighter file, the columns "file", the 28 line
// columns and "extra" (the lines after line 27). Every cell is a line's text
// exactly as stored, Windows-1252 in the file and UTF-8 in the table.

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "record/FighterLayout.h"
#include "record/Ratings.h"
#include "record/StringList.h"
#include "roster/Table.h"

namespace ostrak::roster {

// The columns in the export's order: file, the 28 lines, extra.
constexpr std::size_t kColumnCount = kFighterLineCount + 2;
constexpr std::size_t kExtraIndex = kColumnCount - 1;
// A table may add the six ratings after extra, in the evaluation window's
// bar order: what the attributes give, never a line of the file.
inline constexpr std::array<const char*, 6> kRatingColumns = {"ground",  "striking", "defense",
                                                              "fitness", "mental",   "overall"};
constexpr std::size_t kFirstRatingIndex = kColumnCount;
constexpr std::size_t kTableColumnCount = kColumnCount + kRatingColumns.size();
// Any table column's name, the ratings' too.
const char* ColumnName(std::size_t index);
// File, a line or extra; nothing for a rating (which no file holds) and unknown names.
std::optional<std::size_t> ColumnIndex(std::string_view name);
// The same, the ratings too: the columns a table may hold.
std::optional<std::size_t> TableColumnIndex(std::string_view name);

// How an export writes a row beside its lines.
struct RowStyle {
  // game_plan and weight_class as the item the editor's list shows, where
  // the line holds an item's code as the editor writes it (anything else,
  // as it is: an import must give the same bytes back).
  bool itemTexts = false;
  const Ratings* ratings = nullptr;  // given: the rating columns follow extra
};

// Export: rows appended to `out`, CSV rows ending in CR LF, a JSON row as
// one object on one line. `lines` holds at least the 28 lines.
void AppendCsvHeader(std::string& out, char separator = ',', bool ratings = false);
void AppendCsvRow(std::string& out, std::string_view file, const TStringList& lines, char separator = ',',
                  const RowStyle& style = {});
void AppendJsonRow(std::string& out, std::string_view file, const TStringList& lines,
                   const RowStyle& style = {});

// A row's cells by table column index; none where the row lacks the column.
using RowCells = std::array<const TableValue*, kTableColumnCount>;

// The problems with a set of column names (the CSV header, or one JSON
// object's names), for `row`: a name missing, unknown or given twice, and no
// "file" column. Line columns and extra may be left out.
void CheckColumns(const std::vector<std::string>& names, int row, std::vector<TableProblem>& problems);

// What the file cell must be: a text, not empty, one line of UTF-8.
std::optional<std::string> FileCellProblem(const TableValue& cell);

// The new file's lines from one row. Each line cell must be UTF-8 whose every
// character has a Windows-1252 byte, and hold nothing a line cannot (see
// LineTextProblem); game_plan and weight_class also take an item's text for
// its code (CodeOfItem); extra is split at its line feeds (an empty, unquoted
// cell holds no line, a quoted empty one a single empty line) or is a JSON
// list. A column the row lacks takes the `old` file's own lines (no old file:
// a missing line column is a problem), and so does a cell that holds what the
// old line holds (HoldsTheSame); any other cell that changes a line of the old
// file must hold what the editor keeps (EditorLimitProblem). Then the lines
// must load in the editor with nothing reported, and a rating cell that is
// not empty must hold the rating those lines give. Problems, for `row`, come
// in column order; the lines mean something only without them.
TStringList LinesOfRow(int row, const RowCells& cells, const TStringList* old,
                       std::vector<TableProblem>& problems);

// The lines a row holds as they stand, for a comparison rather than a write:
// each cell converted and refused as LinesOfRow converts and refuses it, but
// nothing weighed against an old file or the editor's load. A missing line
// column is a problem; without extra the row has no lines after line 27.
TStringList LinesAsGiven(int row, const RowCells& cells, std::vector<TableProblem>& problems);

// Whether the row takes anything from the old file (lacks a line column or extra).
bool KeepsOldLines(const RowCells& cells);

}  // namespace ostrak::roster
