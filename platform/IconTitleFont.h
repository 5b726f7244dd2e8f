#pragma once

// The platform's icon-title font: the font the desktop uses under icons, and
// the default of controls that draw their own captions. This system's classic
// scheme uses Tahoma 11 px (8 points at 96 dpi), regular, window-text colour.

#include "platform/Font.h"

namespace ostrak {

TFont IconTitleFont();

}  // namespace ostrak
