#pragma once

// What assistive technology learns of a graphic button: a push button named
// by its caption, whose press action clicks it and names the button's
// shortcut as its key binding.

namespace ostrak {

// Installs the accessibility factory for graphic buttons; later calls do
// nothing.
void InstallAccessibleButtons();

}  // namespace ostrak
