#pragma once

// The built-in colour themes of the navigation pane.

#include <cstdint>

#include "core/Colors.h"
#include "widgets/navigation/NavPanelColors.h"

namespace ostrak {

enum class TNavPanelTheme : std::uint8_t { nptStandard, nptXPBlue, nptXPSilver, nptXPOlive, nptCustom };

struct TNavPanelThemeValues {
  TNavPanelColors::Values colors;
  TColor headerFontColor;
  TColor navPanelFontColor;
  TColor navPanelHotTrackFontColor;
  TColor dividerFontColor;
};

// The values of one of the four built-in themes; nullptr for nptCustom, which
// sets nothing.
const TNavPanelThemeValues* BuiltInTheme(TNavPanelTheme theme);

}  // namespace ostrak
