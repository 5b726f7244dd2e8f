// Changes written as expressions and applied to many files in one plan:
// what each expression reads as, the values it gives, and a plan that is
// all or nothing with every refusal under its file.

#include "roster/SetExpression.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "RosterTables.h"
#include "roster/LoadedFighter.h"
#include "roster/Roster.h"
#include "support/TempDirectory.h"
#include "tools/FighterLines.h"

namespace ostrak::test {
namespace {

using roster::Action;
using roster::SetExpression;
using roster::SetOperation;

TEST(SetExpression, ReadsEachForm) {
  const struct {
    const char* text;
    std::optional<SetExpression> expected;
  } cases[] = {
      {"weight_class=Lightweight", SetExpression{"weight_class", SetOperation::Assign, "Lightweight", ""}},
      {"date_of_birth=01/02/1990", SetExpression{"date_of_birth", SetOperation::Assign, "01/02/1990", ""}},
      {"punches+=3", SetExpression{"punches", SetOperation::Add, "3", ""}},
      {"kicks-=2", SetExpression{"kicks", SetOperation::Subtract, "2", ""}},
      {"full_name/Jr./Junior", SetExpression{"full_name", SetOperation::Replace, "Junior", "Jr."}},
      {"nationality/EEUU/", SetExpression{"nationality", SetOperation::Replace, "", "EEUU"}},
      {"nosuch=1", SetExpression{"nosuch", SetOperation::Assign, "1", ""}},
      // Paths, not expressions.
      {"fighters/a.txt", std::nullopt},
      {"full_name/no second slash", std::nullopt},
      {"Fighters", std::nullopt},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.text);
    const std::optional<SetExpression> read = roster::ParseSetExpression(test.text);
    ASSERT_EQ(read.has_value(), test.expected.has_value());
    if (!read) continue;
    EXPECT_EQ(read->column, test.expected->column);
    EXPECT_EQ(read->operation, test.expected->operation);
    EXPECT_EQ(read->value, test.expected->value);
    EXPECT_EQ(read->find, test.expected->find);
    EXPECT_EQ(roster::ExpressionText(*read), test.text);
  }
}

TEST(SetExpression, RefusesWhatAColumnCannotTake) {
  const struct {
    SetExpression expression;
    const char* problem;
  } cases[] = {
      {{"file", SetOperation::Assign, "x.txt", ""}, "the file column cannot be set"},
      {{"nosuch", SetOperation::Assign, "1", ""}, "unknown column"},
      {{"full_name", SetOperation::Add, "1", ""}, "only an attribute takes += and -="},
      {{"punches", SetOperation::Add, "x", ""}, "'x' is no whole number from 0 to 1000"},
      {{"punches", SetOperation::Add, "-1", ""}, "'-1' is no whole number from 0 to 1000"},
      {{"punches", SetOperation::Replace, "1", "2"}, "only a text field takes a replacement"},
      {{"full_name", SetOperation::Replace, "x", ""}, "the text to find is empty"},
      {{"punches", SetOperation::Add, "1000", ""}, ""},
      {{"extra", SetOperation::Assign, "a\nb", ""}, ""},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(roster::ExpressionText(test.expression));
    EXPECT_EQ(roster::SetExpressionProblem(test.expression).value_or(""), test.problem);
  }
}

TEST(SetExpression, AddsToTheShownValueAndClamps) {
  const struct {
    const char* stored;  // punches as the file holds it
    SetOperation operation;
    const char* step;
    const char* cell;
  } cases[] = {
      {"12", SetOperation::Add, "3", "15"},    {"12", SetOperation::Subtract, "3", "9"},
      {"19", SetOperation::Add, "5", "20"},    {"2", SetOperation::Subtract, "5", "1"},
      {"25", SetOperation::Add, "0", "20"},    {"25", SetOperation::Subtract, "1", "19"},
      {"-4", SetOperation::Add, "1", "2"},     {"$A", SetOperation::Add, "1", "11"},
      {"12", SetOperation::Add, "1000", "20"},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(std::string(test.stored) + " " + test.step);
    TStringList lines;
    lines.SetText(Join(With(Sample(), 0, test.stored)));
    const roster::LoadedFighter loaded = roster::LoadLinesLikeTheEditor(lines);
    ASSERT_FALSE(loaded.failure);
    EXPECT_EQ(roster::CellOfExpression({"punches", test.operation, test.step, ""}, lines, &loaded.form),
              test.cell);
  }
  TStringList lines;
  lines.SetText(Join(With(Sample(), 17, "Jos\xE9 Jr. Jr.")));
  EXPECT_EQ(roster::CellOfExpression({"full_name", SetOperation::Replace, "Junior", "Jr."}, lines, nullptr),
            "Jos\xC3\xA9 Junior Junior");
}

// "FILE ACTION" per planned file, then the problems as "ROW: COLUMN: MESSAGE".
std::string Planned(const roster::RosterPlan& plan) {
  constexpr const char* kActions[] = {"create", "replace", "remove", "unchanged", "refused"};
  std::string text;
  for (const roster::PlannedFile& file : plan.Files())
    text += file.file + " " + kActions[static_cast<int>(file.action)] + "\n";
  return text + Problems(plan);
}

TEST(PlanSetMany, OnePlanWithEveryFileUnderItsRow) {
  const std::string sample = Join(Sample());
  const struct {
    const char* name;
    std::vector<SetExpression> expressions;
    std::string expected;
  } cases[] = {
      {"a change and a file already so",
       {{"punches", SetOperation::Add, "3", ""}},
       "a.txt replace\nb.txt unchanged\nsub/c.txt replace\n"},
      {"beyond the editor's limits, each file named by its row",
       {{"kicks", SetOperation::Assign, "25", ""}},
       "a.txt refused\nb.txt refused\nsub/c.txt refused\n"
       "1: kicks: '25' is outside 1..20: the editor would make it 20\n"
       "2: kicks: '25' is outside 1..20: the editor would make it 20\n"
       "3: kicks: '25' is outside 1..20: the editor would make it 20\n"},
      {"a bad expression plans nothing",
       {{"punches", SetOperation::Add, "3", ""}, {"punches", SetOperation::Assign, "3", ""}},
       "0: punches: given twice\n"},
  };
  for (const auto& test : cases) {
    SCOPED_TRACE(test.name);
    TempDirectory dir;
    WriteBytes(dir / "a.txt", sample);
    WriteBytes(dir / "b.txt", Join(With(Sample(), 0, "20")));
    std::filesystem::create_directory(dir / "sub");
    WriteBytes(dir / "sub/c.txt", sample);
    const roster::RosterPlan plan =
        roster::PlanSet({"a.txt", "b.txt", "sub/c.txt"}, test.expressions, {dir.path()});
    EXPECT_EQ(Planned(plan), test.expected);
  }
}

TEST(PlanSetMany, OneRefusalKeepsEveryFileAsItWas) {
  TempDirectory dir;
  const std::string sample = Join(Sample());
  WriteBytes(dir / "a.txt", sample);
  WriteBytes(dir / "short.txt", Join(Cut(Sample(), 3)));
  WriteBytes(dir / "broken.txt", Join(With(Sample(), 5, "x")));
  WriteBytes(dir / "z.txt", sample);
  const std::vector<SetExpression> step = {{"punches", SetOperation::Add, "1", ""}};
  {
    roster::RosterPlan plan = roster::PlanSet(
        {"a.txt", "short.txt", "broken.txt", "gone.txt", "./a.txt", "z.txt"}, step, {dir.path()});
    EXPECT_EQ(Planned(plan),
              "a.txt replace\nshort.txt refused\nbroken.txt refused\ngone.txt refused\n./a.txt refused\n"
              "z.txt replace\n"
              "2: List index out of bounds (3)\n"
              "3: 'x' is not a valid integer value\n"
              "4: Cannot open file \"" +
                  dir.path() + "gone.txt\". No such file or directory\n5: is the same file as a.txt\n");
    EXPECT_FALSE(roster::Commit(plan).ok());
  }
  EXPECT_EQ(ReadBytes(dir / "a.txt"), sample);
  EXPECT_EQ(ReadBytes(dir / "z.txt"), sample);

  roster::RosterPlan plan = roster::PlanSet({"a.txt", "z.txt"}, step, {dir.path()});
  ASSERT_EQ(Problems(plan), "");
  EXPECT_TRUE(roster::Commit(plan).ok());
  EXPECT_EQ(ReadBytes(dir / "a.txt"), Join(With(Sample(), 0, "13")));
  EXPECT_EQ(ReadBytes(dir / "z.txt"), Join(With(Sample(), 0, "13")));
}

}  // namespace
}  // namespace ostrak::test
