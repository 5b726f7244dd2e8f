#pragma once

#include <string>

namespace ostrak::test {

// Process-wide set-up shared by the Qt test programs (style, fonts), run once
// after the QApplication exists.
void PrepareApplication();

// Folder of the checked-in fixtures (tests/data), ending in '/'.
std::string DataDirectory();

}  // namespace ostrak::test
