#pragma once

// An Xvfb server of our own on a display it picks itself (-displayfd), so
// runs never meet another program's server. Ended with the object.

#include <string>

#include "support/ChildProcess.h"

namespace ostrak::bench {

class PrivateXServer {
public:
  // Throws std::runtime_error when the server cannot start.
  PrivateXServer();

  // ":N", for DISPLAY.
  const std::string& Display() const { return display_; }

private:
  ChildProcess server_;
  std::string display_;
};

}  // namespace ostrak::bench
