#pragma once

// What assistive technology learns of a rating bar: a progress bar named by
// its caption exactly as drawn ("Suelo 64%", the pattern already formatted),
// whose value is the gradient's fill percentage, 0 to 100.

namespace ostrak {

class TGradientProgress;

// Installs the accessibility factory for rating bars; later calls do nothing.
void InstallAccessibleProgressBars();

// Tell assistive technology that the bar's name or value has changed.
void AnnounceNameChange(TGradientProgress& bar);
void AnnounceFillChange(TGradientProgress& bar);

}  // namespace ostrak
