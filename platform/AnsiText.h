#pragma once

// File text is Windows-1252 bytes end to end; it becomes a QString only where
// it meets a widget or the terminal, through these two functions.

#include <QString>
#include <optional>
#include <string>

namespace ostrak {

QString AnsiToQString(const std::string& bytes);

// A character with no Windows-1252 byte becomes '?'.
std::string QStringToAnsi(const QString& text);

// A failure's message may quote file text (Windows-1252) or a path (UTF-8 on
// this system): bytes that form valid UTF-8 are read as UTF-8, any others as
// Windows-1252.
QString MessageToQString(const std::string& bytes);

// The first character of `text` that QStringToAnsi would turn into '?' (a
// surrogate pair is one character), or nothing when every one has a byte.
std::optional<char32_t> FirstCharacterWithoutAnsiByte(const QString& text);

}  // namespace ostrak
