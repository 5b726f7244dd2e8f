#pragma once

// What assistive technology learns of a picture: one that takes clicks (the
// language flag) is a push button named by its hint whose press action
// clicks it; any other is decoration.

namespace ostrak {

// Installs the accessibility factory for pictures; later calls do nothing.
void InstallAccessibleImages();

}  // namespace ostrak
