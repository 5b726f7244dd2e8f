#pragma once

// The rating bar's caption and background colours. A write stores the value
// as given (system colours resolve only when drawing) and, when it differs,
// calls Changed, which runs ChangeCallback.

#include <functional>
#include <string>

#include "core/Colors.h"
#include "core/Persistent.h"

namespace ostrak {

class TCustomTextColors : public TPersistent {
public:
  TCustomTextColors() = default;
  // A copy takes the colours but not ChangeCallback, which belongs to the
  // original's owner. Between live objects, Assign copies and notifies.
  TCustomTextColors(const TCustomTextColors& other);
  TCustomTextColors& operator=(const TCustomTextColors&) = delete;

  std::string ClassName() const override { return "TCustomTextColors"; }

  TColor Delineate() const { return delineate_; }
  void SetDelineate(TColor color) { Set(delineate_, color); }
  TColor Shadow() const { return shadow_; }
  void SetShadow(TColor color) { Set(shadow_, color); }
  TColor Highlight() const { return highlight_; }
  void SetHighlight(TColor color) { Set(highlight_, color); }
  TColor Background() const { return background_; }
  void SetBackground(TColor color) { Set(background_, color); }

  // From another colour set: copies every colour, then calls Changed once,
  // whether or not anything differed. Itself: nothing. Anything else fails
  // with "Cannot assign a <source> to a <target>".
  void Assign(const TPersistent& source) override;

  virtual void Changed();

  std::function<void(TCustomTextColors& changed)> ChangeCallback;

private:
  void Set(TColor& field, TColor color);

  TColor delineate_ = clWhite;
  TColor shadow_ = clBtnShadow;
  TColor highlight_ = clBtnHighlight;
  TColor background_ = clBtnFace;
};

class TSimpleLabelColors : public TCustomTextColors {
public:
  std::string ClassName() const override { return "TSimpleLabelColors"; }
};

}  // namespace ostrak
