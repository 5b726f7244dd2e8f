#pragma once

// Tables and plans for the roster engine's tests: Sample()'s row in a CSV
// table, a plan's problems as one text, and a folder's files as they are.

#include <algorithm>
#include <filesystem>
#include <string>
#include <utility>
#include <vector>

#include "roster/Roster.h"
#include "support/TempDirectory.h"
#include "tools/FighterLines.h"

namespace ostrak::test {

inline const std::string kHeader =
    "file,punches,kicks,strength,clinch,agility,dodge,motivation,takedowns,takedown_defence,ground_and_pound,"
    "submission,submission_defence,stamina,fortitude,pace,aggressivity,ko_resistance,full_name,common_name,"
    "game_plan,weight_class,height,weight,ground_game,nationality,date_of_birth,sherdog_id,line_27,extra\r\n";
inline const std::string kCells =
    "9,15,7,11,10,13,8,14,6,5,16,17,18,19,20,4,Jos\xC3\xA9 Mu\xC3\xB1oz,Pepe,2,0,180 cm,77 kg,3,Per\xC3\xBA,"
    "01/02/1990,12345,1,";

// Sample()'s row for `file` with its first attribute given.
inline std::string Row(const std::string& file, const std::string& punches = "12") {
  return file + "," + punches + "," + kCells + "\r\n";
}

using Tree = std::vector<std::pair<std::string, std::string>>;  // every file below a folder, with its bytes

inline Tree TreeOf(const std::string& folder) {
  Tree tree;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(folder)) {
    const std::string path = entry.path().string();
    tree.emplace_back(path.substr(folder.size()), entry.is_regular_file() ? ReadBytes(path) : "/");
  }
  std::sort(tree.begin(), tree.end());
  return tree;
}

// "ROW: COLUMN: MESSAGE" lines, the column left out when there is none.
inline std::string Problems(const roster::RosterPlan& plan) {
  std::string text;
  for (const roster::TableProblem& problem : plan.Problems()) {
    text += std::to_string(problem.row) + ": " + (problem.column.empty() ? "" : problem.column + ": ") +
            problem.message + "\n";
  }
  return text;
}

}  // namespace ostrak::test
