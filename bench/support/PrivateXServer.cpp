#include "support/PrivateXServer.h"

#include <stdexcept>

namespace ostrak::bench {

// The server writes its display number on its standard output once it
// accepts clients.
PrivateXServer::PrivateXServer()
    : server_("/usr/bin/Xvfb", {"-displayfd", "1", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"}, {}) {
  const auto number = server_.ReadLine(std::chrono::seconds(20));
  if (!number || number->empty()) throw std::runtime_error("Xvfb did not start");
  display_ = ':' + *number;
}

}  // namespace ostrak::bench
