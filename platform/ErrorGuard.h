#pragma once

// No exception may cross a Qt frame: Debian's QtGui and QtWidgets are built
// without exception support. Every entry from Qt into our code (slot, event
// override, timer, paint) runs its body through Guard(), which hands any
// failure to the application's general error display and lets Qt carry on.

#include <exception>
#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace ostrak {

// Receives the failure's message as raised (no period added yet).
using ErrorSink = std::function<void(const std::string& message)>;

// Replaces the sink and returns the one it replaced. The default sink writes
// the displayed text to standard error; the editor installs its message box.
ErrorSink SetErrorSink(ErrorSink sink);

// Hands a message to the current sink.
void ShowError(const std::string& message);

// The text the general error display shows: a period is appended unless the
// message is empty or ends in '.' or in a byte that sorts below it (space,
// '!', quotes, ')' and the like).
std::string DisplayedErrorText(const std::string& message);

namespace detail {
void ReportCurrentException() noexcept;
}

template <typename Body>
void Guard(Body&& body) noexcept {
  try {
    std::forward<Body>(body)();
  } catch (...) {
    detail::ReportCurrentException();
  }
}

// Installs a sink that records every message for the lifetime of the object,
// then restores the previous one. For tests and tools.
class ScopedErrorCapture {
public:
  ScopedErrorCapture();
  ~ScopedErrorCapture();
  ScopedErrorCapture(const ScopedErrorCapture&) = delete;
  ScopedErrorCapture& operator=(const ScopedErrorCapture&) = delete;

  const std::vector<std::string>& messages() const { return messages_; }

private:
  std::vector<std::string> messages_;
  ErrorSink previous_;
};

}  // namespace ostrak
