#pragma once

// What assistive technology learns of a spin box: a spin button named by
// its label, whose value (with its limits and step) is read and set through
// the value interface, whose text is read through the text interface, and
// whose step up and step down actions step it as its buttons do. Its stepper
// is part of it, not a control of its own.

namespace ostrak {

class TCustomSpinEdit;

// Installs the accessibility factory for spin boxes; later calls do nothing.
void InstallAccessibleSpinEdits();

// Tells assistive technology that the box's value has changed.
void AnnounceValueChange(TCustomSpinEdit& box);

}  // namespace ostrak
