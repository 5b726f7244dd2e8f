#include "platform/IconTitleFont.h"

namespace ostrak {

TFont IconTitleFont() { return TFont(QStringLiteral("Tahoma"), -11, TFontStyles{}, clWindowText); }

}  // namespace ostrak
