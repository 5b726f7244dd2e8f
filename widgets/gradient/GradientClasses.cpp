#include "widgets/gradient/GradientClasses.h"

#include <algorithm>

#include "platform/SystemColors.h"

namespace ostrak {

TColorPair::TColorPair() : fromRGB_(ColorToRGB(fromColor_)), toRGB_(ColorToRGB(toColor_)) {}

TColorPair::TColorPair(const TColorPair& other)
    : TPersistent(other),
      fromColor_(other.fromColor_),
      toColor_(other.toColor_),
      fromRGB_(other.fromRGB_),
      toRGB_(other.toRGB_) {}

void TColorPair::SetFromColor(TColor color) {
  if (color == fromColor_) return;
  fromColor_ = color;
  fromRGB_ = ColorToRGB(color);
  Changed();
}

void TColorPair::SetToColor(TColor color) {
  if (color == toColor_) return;
  toColor_ = color;
  toRGB_ = ColorToRGB(color);
  Changed();
}

void TColorPair::Assign(const TPersistent& source) {
  if (&source == this) return;
  const auto* pair = dynamic_cast<const TColorPair*>(&source);
  if (!pair) {
    TPersistent::Assign(source);
    return;
  }
  SetFromColor(pair->fromColor_);
  SetToColor(pair->toColor_);
  const auto* from = dynamic_cast<const TCustomGradient*>(pair);
  auto* to = dynamic_cast<TCustomGradient*>(this);
  if (!from || !to) return;
  to->active_ = from->active_;
  to->bufferedDraw_ = from->bufferedDraw_;
  to->orientation_ = from->orientation_;
  to->steps_ = from->steps_;
  to->percentFilling_ = from->percentFilling_;
  to->brushStyle_ = from->brushStyle_;
  Changed();
}

void TColorPair::Changed() {
  if (ChangeCallback) ChangeCallback(*this);
}

void TCustomGradient::SetActive(bool active) {
  if (active == active_) return;
  active_ = active;
  Changed();
}

void TCustomGradient::SetOrientation(TGradientDir orientation) {
  if (orientation == orientation_) return;
  orientation_ = orientation;
  Changed();
}

void TCustomGradient::SetSteps(int steps) {
  steps = std::clamp(steps, 1, 255);
  if (steps == steps_) return;
  steps_ = steps;
  Changed();
}

void TCustomGradient::SetPercentFilling(int percent) {
  if (percent == percentFilling_ || percent < 0 || percent > 100) return;
  percentFilling_ = percent;
  Changed();
}

void TCustomGradient::SetBrushStyle(TBrushStyle style) {
  if (style == brushStyle_) return;
  brushStyle_ = style;
  Changed();
}

}  // namespace ostrak
