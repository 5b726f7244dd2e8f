#include "platform/ErrorGuard.h"

#include <cstdio>

namespace ostrak {

namespace {

void WriteToStandardError(const std::string& message) {
  const std::string text = DisplayedErrorText(message);
  std::fprintf(stderr, "%s\n", text.c_str());
}

ErrorSink& CurrentSink() {
  static ErrorSink sink = WriteToStandardError;
  return sink;
}

}  // namespace

ErrorSink SetErrorSink(ErrorSink sink) {
  ErrorSink previous = std::move(CurrentSink());
  CurrentSink() = sink ? std::move(sink) : ErrorSink(WriteToStandardError);
  return previous;
}

void ShowError(const std::string& message) { CurrentSink()(message); }

std::string DisplayedErrorText(const std::string& message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') return message + '.';
  return message;
}

namespace detail {

void ReportCurrentException() noexcept {
  // A failing sink must not escape either; it falls back to standard error.
  try {
    try {
      throw;
    } catch (const std::exception& failure) {
      ShowError(failure.what());
    } catch (...) {
      ShowError("Unknown failure");
    }
  } catch (...) {
    std::fputs("error display failed\n", stderr);
  }
}

}  // namespace detail

ScopedErrorCapture::ScopedErrorCapture()
    : previous_(SetErrorSink([this](const std::string& message) { messages_.push_back(message); })) {}

ScopedErrorCapture::~ScopedErrorCapture() { SetErrorSink(std::move(previous_)); }

}  // namespace ostrak
