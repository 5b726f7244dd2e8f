#pragma once

// The spin box's number syntax, independent of the C locale: the separators
// are passed in (the box reads them from the user's locale at each use).

#include <QChar>
#include <QString>
#include <cstdint>
#include <optional>

namespace ostrak {

// Optional '+' or '-', then decimal digits, nothing else; -2147483648 to
// 2147483647.
std::optional<std::int32_t> ParseDecimalInt32(const QString& text);

// Leading and trailing spaces, an optional sign, digits with at most one
// `decimalSeparator` (at least one digit in all), then optionally 'E' or 'e',
// an optional sign and digits. A number beyond the range of long double
// fails.
std::optional<long double> ParseFloat(const QString& text, QChar decimalSeparator);

// What is left of a text formatted by a display picture once the literals
// and group separators are dropped: sign, digits, the first decimal
// separator and an exponent written as E or e followed by a sign or digit.
QString CleanPictureText(const QString& text, QChar decimalSeparator);

// Upper-case hexadecimal of the 32-bit pattern, at least one digit.
QString Hex32Text(std::int32_t value);

// `value` truncated toward zero, low 32 bits; 0 when not finite.
std::int32_t TruncateToInt32(long double value);

// The text without every occurrence of `separator`.
QString WithoutSeparator(const QString& text, QChar separator);

}  // namespace ostrak
