#pragma once

#include "core/Colors.h"
#include "widgets/gradient/GradientProgress.h"

namespace ostrak {

// The stored settings of one rating bar of the evaluation window, applied in
// their stored order; only the fill gradient's colours differ between bars.
// Bounds, fill percentage and caption are the window's to set.
void ApplyEvaluationBarConfiguration(TGradientProgress& bar, TColor fillFrom, TColor fillTo);

}  // namespace ostrak
