// Files that load but look wrong, and failures said in plain words.

#include "roster/FileWarnings.h"

#include <gtest/gtest.h>

#include <string>

#include "tools/FighterLines.h"

namespace ostrak::test {
namespace {

using roster::FailureKind;

std::string Warned(const Lines& lines) {
  TStringList list;
  list.SetText(Join(lines));
  std::string text;
  for (const roster::FileWarning& warning : roster::WarningsOf(list)) text += warning.Text() + "\n";
  return text;
}

TEST(FileWarnings, EachKindOnItsLine) {
  const struct {
    const char* name;
    Lines lines;
    std::string expected;
  } cases[] = {
      {"none", Sample(), ""},
      {"attributes in range however written", With(With(Sample(), 0, "$14"), 23, " 1"), ""},
      {"attribute above", With(Sample(), 0, "25"), "punches is 25, outside 1..20: the editor shows 20\n"},
      {"ground game below", With(Sample(), 23, "-3"),
       "ground_game is -3, outside 1..20: the editor shows 1\n"},
      {"no weight class", With(Sample(), 20, "5"),
       "weight_class '5' is no weight class: the editor shows none\n"},
      {"no game plan", With(Sample(), 19, "0"), "game_plan '0' is no game plan: the editor shows none\n"},
      {"the lists' edges are items", With(With(Sample(), 19, "3"), 20, "-1"), ""},
      {"empty names and ID", With(With(With(Sample(), 17, ""), 18, ""), 26, ""),
       "full_name is empty: the editor saves no fighter without it\n"
       "sherdog_id is empty: the editor saves no fighter without it\n"},
      {"UTF-8 read as Windows-1252", With(Sample(), 24, "Per\xC3\xBA"),
       "nationality 'Per\xC3\x83\xC2\xBA' looks like UTF-8 read as Windows-1252 ('Per\xC3\xBA')\n"},
      {"Windows-1252 as it should be", With(Sample(), 24, "Per\xFA"), ""},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    EXPECT_EQ(Warned(test.lines), test.expected);
  }
}

TEST(FileWarnings, CheckFailuresExplained) {
  TStringList lines;
  lines.SetText(Join(With(Sample(), 2, "1O")));
  const struct {
    std::string message;
    const TStringList* lines;
    FailureKind kind;
    std::string text;
  } cases[] = {
      {"List index out of bounds (25)", nullptr, FailureKind::FileEnds,
       "the file ends after line 25; a fighter file has 28 lines"},
      {"List index out of bounds (0)", nullptr, FailureKind::FileEnds,
       "the file is empty; a fighter file has 28 lines"},
      {"'1O' is not a valid integer value", &lines, FailureKind::NotANumber,
       "strength holds '1O', which is no whole number"},
      {"'' is not a valid integer value", nullptr, FailureKind::NotANumber,
       "a line the editor reads as a number holds '', which is no whole number"},
      {"Cannot open file \"/r/a.txt\". No such file or directory", nullptr, FailureKind::Missing,
       "the file is not there: it was moved, renamed or removed"},
      {"Cannot open file \"/r/a\". Is a directory\". Permission denied", nullptr, FailureKind::NotAllowed,
       "you are not allowed to read the file"},
      {"Cannot open file \"/r/a.txt\". File too large", nullptr, FailureKind::TooLarge,
       "the file is larger than the 16 MiB the editor loads"},
      {"Cannot open file \"/r/a.txt\". Is a directory", nullptr, FailureKind::Folder,
       "it is a folder, not a fighter file"},
      {"Cannot open file \"/r/a.txt\". Input/output error", nullptr, FailureKind::Unreadable,
       "the file cannot be read: Input/output error"},
      {"Stream write error", nullptr, FailureKind::Other, ""},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.message);
    const roster::FailureExplanation explanation = roster::ExplainFailure(test.message, test.lines);
    EXPECT_EQ(explanation.kind, test.kind);
    EXPECT_EQ(explanation.Text(), test.text);
  }
}

}  // namespace
}  // namespace ostrak::test
