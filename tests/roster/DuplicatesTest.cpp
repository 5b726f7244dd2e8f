// Which files are probably one fighter, and what the editor would name a
// new fighter's file.

#include "roster/Duplicates.h"

#include <unistd.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "RosterTables.h"
#include "support/TempDirectory.h"

namespace ostrak::test {
namespace {

using roster::DuplicateReason;
using roster::FighterIdentity;

// Each group as "a b: REASON | REASON", the files in order.
std::string Described(const std::vector<roster::DuplicateGroup>& groups) {
  std::string text;
  for (const roster::DuplicateGroup& group : groups) {
    for (const std::string& file : group.files) text += file + " ";
    text.back() = ':';
    for (const roster::DuplicateLink& link : group.links)
      text += (&link == &group.links[0] ? " " : " | ") + link.Message();
    text += '\n';
  }
  return text;
}

std::vector<roster::DuplicateCandidate> Candidates(const std::vector<FighterIdentity>& fighters) {
  std::vector<roster::DuplicateCandidate> candidates;
  for (std::size_t i = 0; i < fighters.size(); ++i) {
    candidates.push_back({std::string(1, static_cast<char>('a' + i)), std::nullopt, fighters[i]});
  }
  return candidates;
}

TEST(FindDuplicates, JoinsTwoFightersByTheirIdOrByTheirNameAndBirth) {
  const struct {
    const char* name;
    FighterIdentity first;
    FighterIdentity second;
    const char* groups;  // "" for none
  } rows[] = {
      {"same id", {"123", "A", "1/1/90"}, {"123", "B", "2/2/91"}, "a b: same Sherdog ID \"123\"\n"},
      {"id with spaces and a tab around it",
       {" 123\t", "A", ""},
       {"123", "B", ""},
       "a b: same Sherdog ID \"123\"\n"},
      {"ids that differ only in a leading zero", {"0123", "A", ""}, {"123", "B", ""}, ""},
      {"empty ids", {"", "A", "1/1/90"}, {" ", "B", "1/1/90"}, ""},
      {"accents and case",
       {"1", "José Muñoz", "01/02/1990"},
       {"2", "JOSE MUNOZ", "01/02/1990"},
       "a b: same full name \"José Muñoz\" and date of birth \"01/02/1990\"\n"},
      {"white space anywhere, a no-break space too",
       {"1", "Jose  Munoz ", "01/02/1990"},
       {"2", "Jose\xC2\xA0Mu\xC3\xB1oz", "01/02/1990"},
       "a b: same full name \"Jose  Munoz \" and date of birth \"01/02/1990\"\n"},
      {"letters spelt out",
       {"1", "Søren Łukasz", "5/5/85"},
       {"2", "soren lukasz", "5/5/85"},
       "a b: same full name \"Søren Łukasz\" and date of birth \"5/5/85\"\n"},
      {"same name, other date of birth", {"1", "Chris Jones", "1/1/80"}, {"2", "Chris Jones", "2/1/80"}, ""},
      {"same name, dates written otherwise",
       {"1", "Chris Jones", "01/01/1980"},
       {"2", "Chris Jones", "1/1/1980"},
       ""},
      {"same name, no dates of birth", {"1", "Chris Jones", ""}, {"2", "Chris Jones", " "}, ""},
      {"no names, same date", {"1", " ", "1/1/80"}, {"2", "", "1/1/80"}, ""},
      {"both rules",
       {"7", "Ana", "3/3/93"},
       {"7", "ana", "3/3/93"},
       "a b: same Sherdog ID \"7\" | same full name \"Ana\" and date of birth \"3/3/93\"\n"},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(Described(roster::FindDuplicates(Candidates({row.first, row.second}))), row.groups) << row.name;
  }
}

TEST(FindDuplicates, MakesOneGroupOfFilesJoinedThroughAnotherAndSaysWhichReasonHoldsWhich) {
  const std::vector<roster::DuplicateGroup> groups = roster::FindDuplicates(Candidates({
      {"5", "Zed", "1/1/70"},    // a: alone
      {"9", "Ana", "3/3/93"},    // b: ID with d
      {"", "Ana", "3/3/93"},     // c: name with b
      {"9", "Other", "4/4/94"},  // d
      {"5", "Zed", "1/1/70"},    // e: both with a
  }));
  EXPECT_EQ(Described(groups),
            "a e: same Sherdog ID \"5\" | same full name \"Zed\" and date of birth \"1/1/70\"\n"
            "b c d: same Sherdog ID \"9\" | same full name \"Ana\" and date of birth \"3/3/93\"\n");
  ASSERT_EQ(groups.size(), 2u);
  const roster::DuplicateGroup& joined = groups[1];
  ASSERT_EQ(joined.LinksOf(0).size(), 2u);
  ASSERT_EQ(joined.LinksOf(1).size(), 1u);
  EXPECT_EQ(joined.LinksOf(1).front()->reason, DuplicateReason::NameAndBirth);
  ASSERT_EQ(joined.LinksOf(2).size(), 1u);
  EXPECT_EQ(joined.LinksOf(2).front()->reason, DuplicateReason::SherdogId);
}

TEST(FindDuplicates, CountsAFileReadUnderTwoNamesOnce) {
  TempDirectory dir;
  WriteBytes(dir / "a.txt", Join(Sample()));
  WriteBytes(dir / "copy.txt", Join(Sample()));
  ASSERT_EQ(::link((dir / "a.txt").c_str(), (dir / "linked.txt").c_str()), 0);
  const roster::RosterContents roster =
      roster::ReadFighterFiles({dir / "a.txt", dir.path(), dir / "linked.txt"});
  const auto groups = roster::FindDuplicates(roster::CandidatesOf(roster));
  ASSERT_EQ(groups.size(), 1u);
  EXPECT_EQ(groups[0].files, (std::vector<std::string>{dir / "a.txt", dir / "copy.txt"}));
}

TEST(DefaultFileName, IsTheFullNameMadeSafeForAFileName) {
  const struct {
    const char* name;
    std::string fullName;
    std::string file;
  } rows[] = {
      {"plain", "José Muñoz", "José Muñoz.txt"},
      {"folders and Windows' reserved characters", "a/b\\c<d>e:f\"g|h?i*j", "a_b_c_d_e_f_g_h_i_j.txt"},
      {"control characters, C1 too",
       "a\tb\x7F"
       "c\xC2\x85"
       "d",
       "a_b_c_d.txt"},
      {"dots and spaces at the ends", " ..Hidden. ", "Hidden.txt"},
      {"nothing left", " . ", ""},
      {"too long, cut at a whole character", std::string(250, 'a') + "ñ", std::string(250, 'a') + ".txt"},
  };
  for (const auto& row : rows) EXPECT_EQ(roster::DefaultFileName(row.fullName), row.file) << row.name;
}

}  // namespace
}  // namespace ostrak::test
