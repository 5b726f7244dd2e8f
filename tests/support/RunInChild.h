#pragma once

// Runs a piece of a test in a forked child, for what must not touch the test
// process itself: resource limits, mount namespaces, being killed.

#include <functional>
#include <string>

namespace ostrak::test {

// Runs `body` in a child process and returns the text it produced; a child
// that does not finish normally yields "child failed: ..." instead.
std::string RunInChild(const std::function<std::string()>& body);

}  // namespace ostrak::test
