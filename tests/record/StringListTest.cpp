#include "record/StringList.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/Errors.h"

namespace ostrak {
namespace {

std::vector<std::string> LinesOf(const TStringList& list) {
  std::vector<std::string> lines;
  for (int i = 0; i < list.Count(); ++i) lines.push_back(list.Get(i));
  return lines;
}

struct SplitCase {
  const char* name;
  std::string bytes;
  std::vector<std::string> lines;
};

void PrintTo(const SplitCase& c, std::ostream* os) { *os << c.name; }

const SplitCase kSplitCases[] = {
    {"empty text", "", {}},
    {"CR LF", "a\r\nb\r\n", {"a", "b"}},
    {"lone LF", "a\nb\n", {"a", "b"}},
    {"lone CR", "a\rb\r", {"a", "b"}},
    {"LF CR is two breaks", "a\n\rb", {"a", "", "b"}},
    {"CR CR LF", "a\r\r\nb", {"a", "", "b"}},
    {"last line without a break", "a\r\nb", {"a", "b"}},
    {"one break at the end adds no line", "a\r\n", {"a"}},
    {"empty lines kept", "\r\n\r\n", {"", ""}},
    {"lone break", "\n", {""}},
    {"NUL ends the last line", "a\r\nb\0c\r\nd", {"a", "b"}},
    {"NUL right after a break", std::string("a\r\n\0xyz", 7), {"a"}},
    {"NUL first", std::string("\0abc", 4), {}},
    {"NUL between CR and LF", std::string("a\r\0\nb", 6), {"a"}},
    {"LF CR alone", "\n\r", {"", ""}},
    {"no trimming", " \ta \t\r\n  ", {" \ta \t", "  "}},
    {"byte-order mark is text",
     "\xEF\xBB\xBF"
     "ES\r\n",
     {"\xEF\xBB\xBF"
      "ES"}},
    {"8-bit bytes untouched", "Pu\xF1os\r\n\x81\x8D", {"Pu\xF1os", "\x81\x8D"}},
    {"mixed breaks", "a\r\nb\nc\rd", {"a", "b", "c", "d"}},
};

class LineSplitting : public ::testing::TestWithParam<SplitCase> {};

TEST_P(LineSplitting, FollowsTheFileRules) {
  TStringList list;
  list.Add("previous");
  list.SetText(GetParam().bytes);
  EXPECT_EQ(LinesOf(list), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(Table, LineSplitting, ::testing::ValuesIn(kSplitCases), [](const auto& info) {
  std::string name = info.param.name;
  for (char& c : name) {
    if (!std::isalnum(static_cast<unsigned char>(c))) c = '_';
  }
  return name;
});

TEST(LineListText, EveryLineEndsInCrLf) {
  TStringList list;
  EXPECT_EQ(list.Text(), "");
  list.Add("a");
  list.Add("");
  list.Add(" b ");
  EXPECT_EQ(list.Text(), "a\r\n\r\n b \r\n");
}

TEST(LineListText, WritingThenReadingGivesTheSameLines) {
  TStringList list;
  for (const char* line : {"", "x", "", " y\t", ""}) list.Add(line);
  TStringList again;
  again.SetText(list.Text());
  EXPECT_EQ(again, list);
}

TEST(LineListIndex, GetAndPutFailOutsideTheLines) {
  TStringList list;
  list.Add("a");
  list.Add("b");
  list.Put(1, "c");
  EXPECT_EQ(list.Get(1), "c");
  for (const int index : {-1, 2, 27}) {
    try {
      list.Get(index);
      ADD_FAILURE() << "Get(" << index << ")";
    } catch (const ListError& failure) {
      EXPECT_EQ(failure.message(), "List index out of bounds (" + std::to_string(index) + ")");
    }
    EXPECT_THROW(list.Put(index, "x"), ListError);
  }
  EXPECT_EQ(list.Count(), 2);
}

}  // namespace
}  // namespace ostrak
