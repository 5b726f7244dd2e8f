#pragma once

// File text is Windows-1252 bytes end to end; it becomes a QString only where
// it meets a widget or the terminal, through these two functions.

#include <QString>
#include <string>

namespace ostrak {

QString AnsiToQString(const std::string& bytes);

// A character with no Windows-1252 byte becomes '?'.
std::string QStringToAnsi(const QString& text);

}  // namespace ostrak
