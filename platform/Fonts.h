#pragma once

// The faces the controls draw with. The Tahoma and MS Sans Serif compatible
// faces ship as files that fontconfig does not index, so they are registered
// with Qt at start; where they are missing, DejaVu Sans stands in under their
// names so text still draws.

#include "platform/Font.h"

namespace ostrak {

// Registers the faces once per process; later calls do nothing. Needs the
// QGuiApplication to exist.
void RegisterFonts();

// "Tahoma 11 px": the windows' and controls' font, 8 points at 96 dpi.
TFont TahomaFont(TFontStyles style = {});
inline TFont TahomaBoldFont() { return TahomaFont(TFontStyle::fsBold); }

// The font a control's own canvas starts with, which is what text is
// measured with before a control's Font is selected: 8 points of the face
// the system substitutes for "MS Shell Dlg 2", which is Tahoma on every
// current system (the older "MS Sans Serif" applies only where no such
// substitute exists, which we do not model).
TFont DefaultCanvasFont();

}  // namespace ostrak
