#pragma once

// System colours come from one fixed scheme (the Windows 10 defaults), so a
// picture is the same on every desktop and in every test.

#include "core/Colors.h"

namespace ostrak {

constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_BTNFACE = 15;
constexpr int COLOR_BTNSHADOW = 16;
constexpr int COLOR_BTNHIGHLIGHT = 20;
constexpr int COLOR_3DDKSHADOW = 21;
constexpr int COLOR_3DLIGHT = 22;

// 0x00BBGGRR of system colour `index`; 0 for an index outside the table.
TColor GetSysColor(int index);

// A system colour (0xFF0000nn) becomes GetSysColor(nn); anything else,
// clNone included, is returned unchanged.
TColor ColorToRGB(TColor color);

}  // namespace ostrak
