#pragma once

// Who wrote a pending change set, told apart from whoever has its process
// id later: the id with the process's start (boot and start time), so that
// Settle never settles a set whose writer is still at work.

#include <cstdint>
#include <string>

namespace ostrak::history::detail {

struct Writer {
  std::int64_t pid = 0;
  std::string token;  // "BOOT-ID/START-TICKS"; empty when /proc could not say
};

Writer ThisProcess();
// Whether that very process still runs. Without /proc, any process with the
// id counts as the writer, which errs on the side of leaving a set alone.
bool StillRunning(const Writer& writer);

}  // namespace ostrak::history::detail
