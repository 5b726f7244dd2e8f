#pragma once

// TGradientProgress: a window-less bar showing 0..100 as a bevelled frame
// with a banded gradient filled from the left and a one-line caption over it.
// Each paint is composed off-screen and put on the control in one copy. With
// fpoTransparent, every pixel of exactly the parent's background colour is
// left out of that copy, so the parent shows through.

#include <QString>

#include "core/Set.h"
#include "platform/Surface.h"
#include "widgets/Alignment.h"
#include "widgets/ControlsEx.h"
#include "widgets/DrawTypes.h"
#include "widgets/gradient/GradientClasses.h"
#include "widgets/gradient/LabelColors.h"

namespace ostrak {

// Where the caption is placed; it is always drawn horizontally.
enum class TLabelDir { fldLeftRight, fldRightLeft, fldUpDown, fldDownUp };

enum class TProgressOption { fpoDelineatedText, fpoTransparent };
using TProgressOptions = TSet<TProgressOption>;

class TGradientProgress : public TGraphicControlEx {
  Q_OBJECT

public:
  explicit TGradientProgress(QWidget* parent = nullptr);
  ~TGradientProgress() override;

  // Stored even when equal; invalidates (the repaint comes with the next
  // paint cycle).
  TBevelCut BevelInner() const { return bevelInner_; }
  void SetBevelInner(TBevelCut cut);
  // Stored even when equal; repaints now.
  TBevelCut BevelOuter() const { return bevelOuter_; }
  void SetBevelOuter(TBevelCut cut);
  bool BevelBold() const { return bevelBold_; }
  void SetBevelBold(bool bold);

  // Owned objects: assigning copies attributes into them, and their changes
  // repaint the bar now.
  TSimpleLabelColors& Colors() { return colors_; }
  const TSimpleLabelColors& Colors() const { return colors_; }
  void SetColors(const TSimpleLabelColors& colors) { colors_.Assign(colors); }
  TGradient& Gradient() { return gradient_; }
  const TGradient& Gradient() const { return gradient_; }
  void SetGradient(const TGradient& gradient) { gradient_.Assign(gradient); }
  TGradient& GradientBack() { return gradientBack_; }
  const TGradient& GradientBack() const { return gradientBack_; }
  void SetGradientBack(const TGradient& gradient) { gradientBack_.Assign(gradient); }

  // 0..100; other values and the current one are ignored. Gates all gradient
  // painting and is written on to Gradient.PercentFilling.
  int Percent() const { return percent_; }
  void SetPercent(int percent);

  // Equal: nothing; else store and repaint now.
  TAlignment CaptionAlignment() const { return captionAlignment_; }
  void SetCaptionAlignment(TAlignment alignment);
  TLabelDir CaptionDirection() const { return captionDirection_; }
  void SetCaptionDirection(TLabelDir direction);
  TTextStyle CaptionStyle() const { return captionStyle_; }
  void SetCaptionStyle(TTextStyle style);
  int Step() const { return step_; }
  void SetStep(int step);
  int Interspace() const { return interspace_; }
  void SetInterspace(int interspace);

  // Stored even when equal, then repaints now. fpoTransparent makes the
  // control non-opaque, so Qt paints the parent beneath it first.
  TProgressOptions Options() const { return options_; }
  void SetOptions(TProgressOptions options);

protected:
  void Paint(Surface& canvas) override;
  void CaptionChanged() override;
  void FontChanged() override { update(); }
  // The bar takes double clicks, but raises no click events: the second
  // press of a double click is a mouse-down with ssDouble.
  void mouseDoubleClickEvent(QMouseEvent* event) override;

private:
  // Qt's immediate repaint of the control, only while it is shown on a
  // parent.
  void RepaintNow();
  bool Transparent() const { return options_.Contains(TProgressOption::fpoTransparent); }
  // The parent's background colour; clBtnFace without a parent.
  TColor ParentColor() const;
  TPoint CaptionOrigin(TSize raw, TSize padded) const;

  TSimpleLabelColors colors_;
  TGradient gradientBack_;
  TGradient gradient_;
  TBevelCut bevelInner_ = TBevelCut::bvLowered;
  TBevelCut bevelOuter_ = TBevelCut::bvNone;
  bool bevelBold_ = false;
  int percent_ = 0;
  TAlignment captionAlignment_ = TAlignment::taCenter;
  TLabelDir captionDirection_ = TLabelDir::fldLeftRight;
  TTextStyle captionStyle_ = TTextStyle::fstShadow;
  int step_ = 3;
  int interspace_ = 1;
  TProgressOptions options_;

  Surface composition_{0, 0};
  Surface background_{0, 0};
  bool backgroundStale_ = false;
};

}  // namespace ostrak
