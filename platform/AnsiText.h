#pragma once

// Where file text meets widgets: the code page conversions (which live in
// record/ so that the QtCore-only layers share them) and the reading of a
// message that may mix file text with a path.

#include <QString>
#include <string>

#include "record/AnsiText.h"

namespace ostrak {

// A failure's message may quote file text (Windows-1252) or a path (UTF-8 on
// this system): bytes that form valid UTF-8 are read as UTF-8, any others as
// Windows-1252.
QString MessageToQString(const std::string& bytes);

}  // namespace ostrak
