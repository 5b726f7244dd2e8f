#pragma once

// How a control's hot-track font follows its ordinary font.

#include <cstdint>

#include "core/Set.h"
#include "platform/Font.h"

namespace ostrak {

enum class TTrackFontOption : std::uint8_t {
  hoFollowFont,
  hoPreserveCharSet,
  hoPreserveColor,
  hoPreserveHeight,
  hoPreserveName,
  hoPreservePitch,
  hoPreserveStyle,
};
using TTrackFontOptions = TSet<TTrackFontOption>;

inline constexpr TTrackFontOptions kDefaultTrackFontOptions{
    TTrackFontOption::hoFollowFont, TTrackFontOption::hoPreserveColor, TTrackFontOption::hoPreserveStyle};

// With hoFollowFont, copies into trackFont every attribute of font whose
// preserve option is absent, in the order character set, colour, height,
// name, pitch, style; without it, copies nothing.
void FollowFont(TFont& trackFont, const TFont& font, TTrackFontOptions options);

}  // namespace ostrak
