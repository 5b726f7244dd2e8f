#pragma once

// File text is Windows-1252 bytes end to end; it becomes a QString only where
// it meets a widget, a table or the terminal, through these functions. They
// use QtCore alone, so the roster engine shares them with the windows.

#include <QString>
#include <optional>
#include <string>

namespace ostrak {

QString AnsiToQString(const std::string& bytes);

// A character with no Windows-1252 byte becomes '?'.
std::string QStringToAnsi(const QString& text);

// The first character of `text` that QStringToAnsi would turn into '?' (a
// surrogate pair is one character), or nothing when every one has a byte.
std::optional<char32_t> FirstCharacterWithoutAnsiByte(const QString& text);

}  // namespace ostrak
