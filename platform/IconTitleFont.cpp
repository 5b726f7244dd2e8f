#include "platform/IconTitleFont.h"

#include "platform/Fonts.h"

namespace ostrak {

TFont IconTitleFont() { return TahomaFont(); }

}  // namespace ostrak
