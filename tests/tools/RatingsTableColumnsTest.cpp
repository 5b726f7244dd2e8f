// The ratings table lines its columns up in terminal columns: a wide
// character takes two, a combining mark none.

#include <gtest/gtest.h>

#include <string>

#include "ToolRunner.h"
#include "support/TempDirectory.h"

namespace ostrak::test {
namespace {

// Ratings 28, 47, 67, 65, 87 and 58.
std::string SampleFighter() {
  std::string text;
  for (const char* line :
       {"12", "9",      "15",    "7",  "11",      "10",         "13",    "8",       "14",   "6",
        "5",  "16",     "17",    "18", "19",      "20",         "4",     "Jos\xE9", "Pepe", "2",
        "0",  "180 cm", "77 kg", "3",  "Per\xFA", "01/02/1990", "12345", "1"}) {
    text += std::string(line) + "\r\n";
  }
  return text;
}

TEST(RatingsTableColumns, CountWideAndCombiningCharactersAsTheTerminalShowsThem) {
  const std::string wide = "\xE5\xB1\xB1\xE7\x94\xB0.txt";  // two CJK ideographs: 4 + 4 columns
  const std::string combining = "Zoe\xCC\x88.txt";          // e + combining diaeresis: 7 columns
  TempDirectory dir;
  for (const std::string& name : {wide, combining, std::string("a.txt")})
    WriteBytes(dir / name, SampleFighter());
  const ToolResult r = RunTool(dir, {"ratings", wide, combining, "a.txt"});
  const std::string ratings = "     28%       47%      67%      65%     87%      58%\n";
  EXPECT_EQ(r.status, 0);
  EXPECT_EQ(r.out, "File      Ground  Striking  Defense  Fitness  Mental  Overall\n" + wide + ratings +
                       combining + " " + ratings + "a.txt   " + ratings);
}

}  // namespace
}  // namespace ostrak::test
