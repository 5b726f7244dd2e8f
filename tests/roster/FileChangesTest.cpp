// One file before and after: the fields a user is shown as changed, and the
// ratings on each side.

#include "roster/FileChanges.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "tools/FighterLines.h"

namespace ostrak::test {
namespace {

// "COLUMN:OLD>NEW" for each field, then "ratings" when both sides rate, or
// "failed:" with the side that does not load.
std::string Described(const roster::FileChanges& changes) {
  std::string text;
  for (const roster::FieldChange& field : changes.fields)
    text += field.column + ":" + field.before + ">" + field.after + " ";
  if (changes.ratingsBefore) text += "rated-before ";
  if (changes.ratingsAfter) text += "rated-after ";
  if (changes.failureBefore) text += "failed-before ";
  if (changes.failureAfter) text += "failed-after ";
  return text;
}

TEST(FileChangesTest, FieldsAndRatingsOfEachSide) {
  const std::string sample = Join(Sample());
  struct Case {
    const char* name;
    std::optional<std::string> before;
    std::optional<std::string> after;
    std::string expected;
  };
  const Case cases[] = {
      {"same bytes", sample, sample, ""},
      {"only line ends", sample, Join(Sample(), "\n"), ""},
      {"one attribute", sample, Join(With(Sample(), 0, "13")), "punches:12>13 rated-before rated-after "},
      {"text as UTF-8", sample, Join(With(Sample(), 18, "Pep\xE9")),
       "common_name:Pepe>Pep\xC3\xA9 rated-before rated-after "},
      {"extra lines joined", sample, sample + "a\r\nb\r\n", "extra:>a\nb rated-before rated-after "},
      {"a short file's missing lines are empty", Join(Cut(Sample(), 27)), sample,
       "line_27:>1 rated-before rated-after "},
      {"a side that fails", sample, Join(With(Sample(), 0, "x")), "punches:12>x rated-before failed-after "},
      {"created", std::nullopt, Join(Cut(Sample(), 1)), "punches:>12 failed-after "},
      {"removed", Join(Cut(Sample(), 1)), std::nullopt, "punches:12> failed-before "},
  };
  for (const Case& test : cases) {
    SCOPED_TRACE(test.name);
    const auto view = [](const std::optional<std::string>& bytes) {
      return bytes ? std::optional<std::string_view>(*bytes) : std::nullopt;
    };
    EXPECT_EQ(Described(roster::ChangesOf(view(test.before), view(test.after))), test.expected);
  }
}

}  // namespace
}  // namespace ostrak::test
