#pragma once

// A caption used as a format pattern with one integer argument: "%d" (with an
// optional argument index and ':', '-' for left alignment, a field width and
// '.' with a precision, or '*' taking the width or precision from the
// arguments), "%u", "%x" (upper-case digits), "%%" for '%', and a '%' that
// ends the pattern is dropped. Type letters may be either case.

#include <QString>
#include <optional>

namespace ostrak {

// The formatted text, or nothing when the pattern does not fit one integer:
// another type after '%', or a second argument asked for.
std::optional<QString> FormatWithInteger(const QString& pattern, int argument);

// The caption as the bar draws it: formatted, or unchanged when the pattern
// does not fit.
inline QString FormatCaption(const QString& caption, int argument) {
  return FormatWithInteger(caption, argument).value_or(caption);
}

}  // namespace ostrak
