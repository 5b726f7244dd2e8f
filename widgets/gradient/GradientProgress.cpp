#include "widgets/gradient/GradientProgress.h"

#include <QMouseEvent>
#include <QPalette>

#include "platform/ErrorGuard.h"
#include "platform/Fonts.h"
#include "platform/SystemColors.h"
#include "widgets/gradient/AccessibleProgress.h"
#include "widgets/gradient/CaptionFormat.h"
#include "widgets/gradient/DrawUtils.h"

namespace ostrak {

TGradientProgress::TGradientProgress(QWidget* parent) : TGraphicControlEx(parent) {
  InstallAccessibleProgressBars();
  // Opaque until fpoTransparent: the bar covers every pixel it owns.
  setAttribute(Qt::WA_OpaquePaintEvent, true);
  colors_.ChangeCallback = [this](TCustomTextColors&) { RepaintNow(); };
  gradientBack_.ChangeCallback = [this](TColorPair&) { RepaintNow(); };
  gradient_.ChangeCallback = [this](TColorPair&) {
    RepaintNow();
    AnnounceFillChange(*this);
  };
  resize(150, 15);
  Font().SetColor(clWhite);
  SetColor(clBlack);
}

TGradientProgress::~TGradientProgress() {
  colors_.ChangeCallback = nullptr;
  gradientBack_.ChangeCallback = nullptr;
  gradient_.ChangeCallback = nullptr;
}

void TGradientProgress::RepaintNow() {
  if (parentWidget() && isVisible()) repaint();
}

void TGradientProgress::CaptionChanged() {
  RepaintNow();
  AnnounceNameChange(*this);
}

void TGradientProgress::SetBevelInner(TBevelCut cut) {
  bevelInner_ = cut;
  update();
}

void TGradientProgress::SetBevelOuter(TBevelCut cut) {
  bevelOuter_ = cut;
  RepaintNow();
}

void TGradientProgress::SetBevelBold(bool bold) {
  bevelBold_ = bold;
  RepaintNow();
}

void TGradientProgress::SetPercent(int percent) {
  if (percent == percent_ || percent < 0 || percent > 100) return;
  percent_ = percent;
  // The caption is formatted with it.
  AnnounceNameChange(*this);
  // The gradient's notification repaints; when it already holds the value it
  // stays silent, and the bar repaints itself so the new gate shows at once.
  if (gradient_.PercentFilling() == percent) {
    RepaintNow();
  } else {
    gradient_.SetPercentFilling(percent);
  }
}

void TGradientProgress::SetCaptionAlignment(TAlignment alignment) {
  if (alignment == captionAlignment_) return;
  captionAlignment_ = alignment;
  RepaintNow();
}

void TGradientProgress::SetCaptionDirection(TLabelDir direction) {
  if (direction == captionDirection_) return;
  captionDirection_ = direction;
  RepaintNow();
}

void TGradientProgress::SetCaptionStyle(TTextStyle style) {
  if (style == captionStyle_) return;
  captionStyle_ = style;
  RepaintNow();
}

void TGradientProgress::SetStep(int step) {
  if (step == step_) return;
  step_ = step;
  RepaintNow();
}

void TGradientProgress::SetInterspace(int interspace) {
  if (interspace == interspace_) return;
  interspace_ = interspace;
  RepaintNow();
}

void TGradientProgress::SetOptions(TProgressOptions options) {
  options_ = options;
  setAttribute(Qt::WA_OpaquePaintEvent, !Transparent());
  RepaintNow();
}

TColor TGradientProgress::ParentColor() const {
  const QWidget* parent = parentWidget();
  if (!parent) return GetSysColor(COLOR_BTNFACE);
  const QColor color = parent->palette().color(parent->backgroundRole());
  return RGB(static_cast<std::uint8_t>(color.red()), static_cast<std::uint8_t>(color.green()),
             static_cast<std::uint8_t>(color.blue()));
}

// raw is the caption's size in the canvas font, padded that size plus the
// room the style's copies and the outline take.
TPoint TGradientProgress::CaptionOrigin(TSize raw, TSize padded) const {
  const int w = width();
  const int h = height();
  const int cx0 = raw.cx, cy0 = raw.cy, cx = padded.cx, cy = padded.cy;
  const TAlignment a = captionAlignment_;
  const auto pick = [a](int left, int right, int centre) {
    return a == TAlignment::taLeftJustify ? left : a == TAlignment::taRightJustify ? right : centre;
  };
  switch (captionDirection_) {
    case TLabelDir::fldLeftRight:
      return TPoint{pick(2, w - cx, (w - cx) / 2), (h - cy) / 2};
    case TLabelDir::fldRightLeft:
      return TPoint{pick(w - (cx - cx0) - 2, cx0, (w + cx) / 2), cy0};
    case TLabelDir::fldUpDown:
      return TPoint{cy0, pick(1, h - cx, (h - cx) / 2)};
    case TLabelDir::fldDownUp:
      return TPoint{2, pick(h - (cy - cy0) - 2, cx0 - 4, (h + cx0 - (cy - cy0)) / 2)};
  }
  return TPoint{};
}

void TGradientProgress::Paint(Surface& canvas) {
  const int w = width();
  const int h = height();
  if (composition_.Width() != w || composition_.Height() != h || composition_.Scale() != canvas.Scale()) {
    composition_.Resize(w, h, canvas.Scale());
    background_.Resize(w, h, canvas.Scale());
    backgroundStale_ = true;
  }
  const bool transparent = Transparent();
  const TColor parentColor = ParentColor();
  if (transparent && backgroundStale_) {
    background_.FillRect(Rect(0, 0, w, h), Brush::Solid(parentColor));
    backgroundStale_ = false;
  }
  Surface& s = composition_;
  s.BitBlt(0, 0, w, h, background_, 0, 0);
  s.SelectPen(Pen{});

  TRect r = PaintBevelFrame(s, Rect(0, 0, w - 1, h - 1), kAllBevelSides, bevelInner_, bevelOuter_,
                            bevelBold_ ? BevelWeight::Bold : BevelWeight::Normal, colors_.Background(),
                            transparent ? FrameFill::Transparent : FrameFill::Filled);
  // A solid brush also sets the canvas's background colour and mode, which
  // hatched gradients show between their lines.
  s.SelectBrush(Brush::Solid(colors_.Background()));
  s.SetBkColor(colors_.Background());
  s.SetBkMode(OPAQUE);
  r.top += 1;  // the top row inside the bevels stays out of the gradients

  if (percent_ > 0) {
    PaintGradientBands(s, r, gradientBack_, PS_SOLID, 1);
    PaintGradientBands(s, r, gradient_, PS_SOLID, 1);
    // A pitch of 0 or less would not advance: no segments are cut then. The
    // sums are wide, so a step or gap near the ends of int neither overflows
    // nor wraps the loop round.
    const long long pitch = static_cast<long long>(step_) + interspace_;
    if (!transparent && pitch > 0) {
      long long x = r.left;
      for (long long i = 0, times = w / pitch + 2 - r.left; i < times && x < r.right; ++i, x += pitch) {
        const auto gapEnd = static_cast<int>(std::min<long long>(x + interspace_, r.right));
        s.FillRect(Rect(static_cast<int>(x), r.top, gapEnd, r.bottom), s.CurrentBrush());
      }
    }
  }

  const QString text = FormatCaption(Caption(), percent_);
  TSize raw;
  {
    const SelectedFont canvasFont(s, DefaultCanvasFont().ToQFont());
    raw = s.GetTextExtentPoint32(text);
  }
  const bool delineated = options_.Contains(TProgressOption::fpoDelineatedText);
  int padding = 0;
  if (captionStyle_ == TTextStyle::fstShadow || captionStyle_ == TTextStyle::fstVolumetric) padding += 2;
  if (delineated) padding += 2;
  const TPoint at = CaptionOrigin(raw, TSize{raw.cx + padding, raw.cy + padding});
  PaintStyledText(s, at.x, at.y, Rect(0, 0, w, h), text, captionStyle_,
                  delineated ? TextOutline::Delineated : TextOutline::None, Font().Color(),
                  colors_.Delineate(), colors_.Highlight(), colors_.Shadow(), &Font());

  if (transparent) {
    canvas.TransparentBlt(0, 0, w, h, s, 0, 0, parentColor);
  } else {
    canvas.BitBlt(0, 0, w, h, s, 0, 0);
  }
  // A bold bevel would add a themed edit-field border where visual styles are
  // active; they never are on this platform, so the bevel lines stand alone.
}

void TGradientProgress::mouseDoubleClickEvent(QMouseEvent* event) {
  TMouseButton button;
  if (!ToMouseButton(event->button(), button)) return;
  const QPoint at = event->position().toPoint();
  Guard([&] { MouseDown(button, ShiftStateOf(*event) | ssDouble, at.x(), at.y()); });
}

}  // namespace ostrak
