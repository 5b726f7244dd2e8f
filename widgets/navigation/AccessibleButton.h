#pragma once

// What assistive technology learns of a graphic button: a push button named
// by its caption, whose press action clicks it.

namespace ostrak {

// Installs the accessibility factory for graphic buttons; later calls do
// nothing.
void InstallAccessibleButtons();

}  // namespace ostrak
