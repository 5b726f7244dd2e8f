#pragma once

// Plain signed decimal ("-1", "4"), independent of the user's locale.

#include <charconv>
#include <string>

namespace ostrak {

inline std::string IntToStr(long long value) {
  char buffer[24];
  const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
  return std::string(buffer, result.ptr);
}

}  // namespace ostrak
