#pragma once

// The gradient description a rating bar owns: two colours and the settings of
// a banded gradient. Writes compare, store, then call Changed, which runs
// ChangeCallback once; the owner sets the callback to repaint.

#include <functional>
#include <string>

#include "core/Colors.h"
#include "core/Persistent.h"
#include "widgets/DrawTypes.h"

namespace ostrak {

class TColorPair : public TPersistent {
public:
  TColorPair();
  // A copy takes the attributes but not ChangeCallback: the callback belongs
  // to the original's owner, which the copy must never call. Between live
  // objects, Assign copies and notifies.
  TColorPair(const TColorPair& other);
  TColorPair& operator=(const TColorPair&) = delete;

  std::string ClassName() const override { return "TColorPair"; }

  TColor FromColor() const { return fromColor_; }
  void SetFromColor(TColor color);
  TColor ToColor() const { return toColor_; }
  void SetToColor(TColor color);

  // ColorToRGB of each colour, taken when it is written: a system colour is
  // resolved once, and drawing reads only these.
  TColor FromRGB() const { return fromRGB_; }
  TColor ToRGB() const { return toRGB_; }

  // From another colour pair the colours are written one by one (each may
  // notify); between two gradients the other settings are then copied as
  // they are and Changed runs once more. Itself: nothing. Anything else
  // fails with "Cannot assign a <source> to a <target>".
  void Assign(const TPersistent& source) override;

  // Runs ChangeCallback with this object when it is set.
  virtual void Changed();

  std::function<void(TColorPair& changed)> ChangeCallback;

private:
  TColor fromColor_ = clGray;
  TColor toColor_ = clBlack;
  TColor fromRGB_;
  TColor toRGB_;
};

class TCustomGradient : public TColorPair {
public:
  std::string ClassName() const override { return "TCustomGradient"; }

  bool Active() const { return active_; }
  void SetActive(bool active);
  // Stored without notification: it changes how bands are composed, never
  // the picture.
  bool BufferedDraw() const { return bufferedDraw_; }
  void SetBufferedDraw(bool buffered) { bufferedDraw_ = buffered; }
  TGradientDir Orientation() const { return orientation_; }
  void SetOrientation(TGradientDir orientation);
  // Clamped to 1..255 before the comparison.
  int Steps() const { return steps_; }
  void SetSteps(int steps);
  // Values outside 0..100 are ignored.
  int PercentFilling() const { return percentFilling_; }
  void SetPercentFilling(int percent);
  TBrushStyle BrushStyle() const { return brushStyle_; }
  void SetBrushStyle(TBrushStyle style);

private:
  friend class TColorPair;  // Assign copies the fields as they are

  bool active_ = false;
  bool bufferedDraw_ = false;
  TGradientDir orientation_ = TGradientDir::fgdHorizontal;
  int steps_ = 255;
  int percentFilling_ = 100;
  TBrushStyle brushStyle_ = TBrushStyle::bsSolid;
};

class TGradient : public TCustomGradient {
public:
  std::string ClassName() const override { return "TGradient"; }
};

}  // namespace ostrak
