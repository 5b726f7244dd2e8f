#include "widgets/gradient/LabelColors.h"

namespace ostrak {

TCustomTextColors::TCustomTextColors(const TCustomTextColors& other)
    : TPersistent(other),
      delineate_(other.delineate_),
      shadow_(other.shadow_),
      highlight_(other.highlight_),
      background_(other.background_) {}

void TCustomTextColors::Set(TColor& field, TColor color) {
  if (color == field) return;
  field = color;
  Changed();
}

void TCustomTextColors::Assign(const TPersistent& source) {
  if (&source == this) return;
  const auto* colors = dynamic_cast<const TCustomTextColors*>(&source);
  if (!colors) {
    TPersistent::Assign(source);
    return;
  }
  delineate_ = colors->delineate_;
  shadow_ = colors->shadow_;
  highlight_ = colors->highlight_;
  background_ = colors->background_;
  Changed();
}

void TCustomTextColors::Changed() {
  if (ChangeCallback) ChangeCallback(*this);
}

}  // namespace ostrak
