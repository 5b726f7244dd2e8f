// JSON tables read one element at a time: what is not JSON is named as
// QJsonDocument names it for the whole text, however the text is cut into
// pieces, and a row that names a column twice is caught.

#include "roster/JsonTable.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonDocument>
#include <QJsonParseError>
#include <string>
#include <vector>

#include "RosterTables.h"
#include "support/TempDirectory.h"

namespace ostrak::test {
namespace {

struct Read {
  std::vector<std::string> rows;  // "NUMBER: NAME NAME ..."
  std::string problems;           // "ROW: MESSAGE" lines, the table's own last
};

// `text` read in pieces of `piece` bytes.
Read ReadInPieces(const std::string& text, std::size_t piece) {
  Read read;
  std::size_t at = 0;
  std::vector<roster::TableProblem> problems;
  try {
    roster::ReadJsonRows(
        [&] {
          const std::string_view next = std::string_view(text).substr(std::min(at, text.size()), piece);
          at += piece;
          return next;
        },
        [&](roster::TableRow&& row) {
          std::string names = std::to_string(row.number) + ":";
          for (const auto& [name, value] : row.cells) names += " " + name;
          read.rows.push_back(names);
        },
        problems);
  } catch (const roster::TableProblem& problem) {
    problems.push_back(problem);
  }
  for (const roster::TableProblem& problem : problems)
    read.problems += std::to_string(problem.row) + ": " + problem.message + "\n";
  return read;
}

// What QJsonDocument says of the whole text, as the table's problem.
std::string WholeTextProblem(const std::string& text) {
  QJsonParseError error{};
  QJsonDocument::fromJson(QByteArray::fromStdString(text), &error);
  if (error.error == QJsonParseError::NoError) return "";
  return "0: is not JSON: " + error.errorString().toStdString() + " at byte " + std::to_string(error.offset) +
         "\n";
}

TEST(JsonTable, TextThatIsNotJsonIsNamedAsForTheWholeTextHoweverItArrives) {
  const char* texts[] = {
      "",
      "  \n",
      "x",
      "[",
      "[{\"a\": \"1\"}",
      "[{\"a\": \"1\"},",
      "[,{}]",
      "[{},]",
      "[{},,{}]",
      "[{} {}]",
      "[{}}]",
      "[{\"a\" \"1\"}]",
      "[{\"a\": \"b]",
      "[{\"a\": \"\\u00\"}]",
      "[{\"a\": [\"b\", {\"c\": }]}]",
      "[{\"a\": \"b\\\"]\"}, tru]",
      "[{}] x",
      "[{}]]",
      "[{\"a\": 1,}]",
  };
  for (const std::string text : texts) {
    const std::string expected = WholeTextProblem(text);
    ASSERT_NE(expected, "") << text;
    for (const std::size_t piece : {std::size_t{1}, std::size_t{3}, text.size() + 1}) {
      const std::string problems = ReadInPieces(text, piece).problems;
      EXPECT_EQ(problems.substr(problems.rfind("0: ") == std::string::npos ? 0 : problems.rfind("0: ")),
                expected)
          << text << " in pieces of " << piece;
    }
  }
}

TEST(JsonTable, EachElementIsARowOrItsProblemAndAMemberNamedTwiceIsTwice) {
  const struct {
    const char* name;
    std::string text;
    std::vector<std::string> rows;
    std::string problems;
  } cases[] = {
      {"empty array", " [ ] \n", {}, ""},
      {"members in the order of their names", "[{\"b\": \"1\", \"a\": [\"x\"]}]", {"1: a b"}, ""},
      {"elements that are no objects",
       "[1, {\"a\": \"\"}, [\"a\"], null]",
       {"2: a"},
       "1: is not a JSON object\n3: is not a JSON object\n4: is not a JSON object\n"},
      {"a name given twice", "[{\"file\": \"a\", \"b\": \"\", \"file\": \"b\"}]", {"1: b file file"}, ""},
      {"a name given twice, once escaped",
       "[{\"fi\\u006ce\": \"a\", \"file\": \"b\"}, {\"f\\\\\": \"\"}]",
       {"1: file file", "2: f\\"},
       ""},
      {"names inside a value are not the row's",
       "[{\"extra\": {\"a\": 1, \"a\": 2}, \"s\": \"{\\\"a\\\":\"}]",
       {"1: extra s"},
       ""},
      {"rows before the text stops being JSON",
       "[{\"a\": \"\"}, {\"a\": }]",
       {"1: a"},
       "0: is not JSON: object is missing after a comma at byte 19\n"},
      {"not an array", "{\"a\": \"1\"}", {}, "0: is not a JSON array of objects\n"},
  };
  for (const auto& c : cases) {
    for (const std::size_t piece : {std::size_t{1}, std::size_t{65536}}) {
      const Read read = ReadInPieces(c.text, piece);
      EXPECT_EQ(read.rows, c.rows) << c.name;
      EXPECT_EQ(read.problems, c.problems) << c.name;
    }
  }
}

TEST(JsonTable, ARowNamingAColumnTwiceIsRefusedNamingTheRowAndTheColumn) {
  TempDirectory dir;
  const std::string object = "{\"file\": \"a.txt\", \"punches\": \"3\", \"file\": \"b.txt\"}";
  WriteBytes(dir / "t.json", "[" + object + ",\n" + object + "]");
  const roster::RosterPlan plan = roster::PlanImport(dir / "t.json", {dir.path()});
  EXPECT_EQ(Problems(plan), "1: file: column given twice\n2: file: column given twice\n");
}

TEST(JsonTable, ATableIsReadOneElementAtATime) {
  const std::string element = "{\"file\": \"a.txt\", \"extra\": [\"" + std::string(1000, 'x') + "\"]},\n";
  std::size_t pieces = 0;
  int rows = 0;
  std::vector<roster::TableProblem> problems;
  // An array without end, one element a piece: the rows come as it is read.
  const auto next = [&]() -> std::string_view { return ++pieces == 1 ? std::string_view("[") : element; };
  EXPECT_THROW(roster::ReadJsonRows(
                   next,
                   [&](roster::TableRow&& row) {
                     ++rows;
                     if (row.number == 3) throw roster::TableProblem{};
                   },
                   problems),
               roster::TableProblem);
  EXPECT_EQ(rows, 3);
  EXPECT_LE(pieces, 5u);
}

}  // namespace
}  // namespace ostrak::test
