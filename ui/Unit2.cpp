#include "ui/EvaluationBar.h"

#include "platform/Fonts.h"

namespace ostrak {

void ApplyEvaluationBarConfiguration(TGradientProgress& bar, TColor fillFrom, TColor fillTo) {
  bar.SetBevelInner(TBevelCut::bvSpace);
  bar.Colors().SetDelineate(clGray);
  bar.Colors().SetShadow(clBlack);
  bar.Colors().SetBackground(clBlack);
  bar.Gradient().SetFromColor(fillFrom);
  bar.Gradient().SetToColor(fillTo);
  bar.Gradient().SetActive(true);
  bar.Gradient().SetOrientation(TGradientDir::fgdVertical);
  bar.GradientBack().SetFromColor(clYellow);
  bar.GradientBack().SetToColor(clGreen);
  bar.GradientBack().SetOrientation(TGradientDir::fgdVertical);
  bar.GradientBack().SetSteps(100);
  bar.SetPercent(100);
  bar.SetCaptionAlignment(TAlignment::taCenter);
  bar.SetCaptionStyle(TTextStyle::fstNone);
  bar.SetStep(100);
  bar.SetOptions({TProgressOption::fpoDelineatedText, TProgressOption::fpoTransparent});
  TFont font = TahomaFont();
  font.SetColor(clWhite);
  bar.SetFont(font);
}

}  // namespace ostrak
