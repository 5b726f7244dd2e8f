#pragma once

// Tables and plans for the roster engine's tests: Sample()'s row in a CSV
// table, and a plan's problems as one text.

#include <string>

#include "roster/Roster.h"
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
