#pragma once

// ostrak-fighter run as a separate program, the way its users run it.

#include <string>
#include <vector>

#include "support/TempDirectory.h"

namespace ostrak::test {

struct ToolResult {
  int status = -1;  // the exit status; -1 when the program did not exit normally
  std::string out;
  std::string err;
};

// Runs the tool with `args` in `directory` as its current directory.
ToolResult RunTool(const TempDirectory& directory, std::vector<std::string> args);

}  // namespace ostrak::test
