#pragma once

// Sizes the controls lay themselves out by. Like the system colours they come
// from one fixed table (the platform's defaults at 96 dots per inch), so a
// control looks the same on every desktop and in every test.

namespace ostrak {

constexpr int SM_CXVSCROLL = 2;  // width of a vertical scroll bar
constexpr int SM_CYBORDER = 6;   // height of a thin window border

// The metric `index`; 0 for an index outside the table.
int GetSystemMetrics(int index);

}  // namespace ostrak
