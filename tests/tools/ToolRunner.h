#pragma once

// ostrak-fighter run as a separate program, the way its users run it.

#include <string>
#include <utility>
#include <vector>

#include "support/TempDirectory.h"

namespace ostrak::test {

struct ToolResult {
  int status = -1;  // the exit status; -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// Runs the tool with `args` in `directory` as its current directory. Its
// history and its history setting are the test program's own (one store for
// every run of the program), unless `environment` names other places.
ToolResult RunTool(const TempDirectory& directory, std::vector<std::string> args,
                   const std::vector<std::pair<std::string, std::string>>& environment = {});

// Where the runs of this test program keep their history: XDG_DATA_HOME and
// XDG_CONFIG_HOME, each ending in '/'.
const std::string& ToolDataHome();
const std::string& ToolConfigHome();

}  // namespace ostrak::test
