#include "ui/EvaluationBars.h"

#include <QPainter>

#include "platform/DeviceScale.h"
#include "platform/Fonts.h"
#include "platform/Surface.h"
#include "widgets/gradient/CaptionFormat.h"
#include "widgets/gradient/GradientProgress.h"

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

TGradientProgress* NewEvaluationBar(QWidget* window, std::size_t index) {
  const EvaluationBarPlace& place = kEvaluationBars.at(index);
  auto* bar = new TGradientProgress(window);
  bar->setObjectName(QLatin1String(place.name));
  bar->SetBounds(kEvaluationBarLeft, place.top, kEvaluationBarWidth, kEvaluationBarHeight);
  ApplyEvaluationBarConfiguration(*bar, place.fillFrom, place.fillTo);
  bar->SetCaption(QLatin1String(place.name + 1));
  return bar;
}

// The bar formats its caption with its Percent, so "%%" shows one '%'; the
// number is the fill the bar now holds.
void ShowRating(TGradientProgress& bar, int percent, const QString& caption) {
  bar.Gradient().SetPercentFilling(percent);
  bar.SetCaption(caption + QStringLiteral(" %1%%").arg(bar.Gradient().PercentFilling()));
}

EvaluationPicture::EvaluationPicture() : window_(std::make_unique<QWidget>()) {
  window_->resize(kEvaluationWidth, kEvaluationHeight);
  QPalette colours = window_->palette();
  colours.setColor(QPalette::Window, Qt::black);
  window_->setPalette(colours);
  for (std::size_t i = 0; i < bars_.size(); ++i) bars_[i] = NewEvaluationBar(window_.get(), i);
}

EvaluationPicture::~EvaluationPicture() = default;

void EvaluationPicture::Draw(Surface& target, int left, int top, const BarPercents& percents,
                             const BarCaptions& captions) {
  for (std::size_t i = 0; i < bars_.size(); ++i) ShowRating(*bars_[i], percents[i], captions[i]);
  Compose(target, left, top);
}

void EvaluationPicture::DrawWithoutCaptions(Surface& target, int left, int top, const BarPercents& percents) {
  for (std::size_t i = 0; i < bars_.size(); ++i) {
    bars_[i]->Gradient().SetPercentFilling(percents[i]);
    bars_[i]->SetCaption(QString());
  }
  Compose(target, left, top);
}

QString EvaluationPicture::ShownCaption(std::size_t index, int percent, const QString& caption) {
  TGradientProgress& bar = *bars_.at(index);
  ShowRating(bar, percent, caption);
  return FormatCaption(bar.Caption(), bar.Percent());
}

void EvaluationPicture::Compose(Surface& target, int left, int top) {
  target.FillRect(Rect(left, top, left + kEvaluationWidth, top + kEvaluationHeight), Brush::Solid(clBlack));
  QPainter painter(&target.Image());
  // As the window's paint puts each bar on its black background.
  for (TGradientProgress* bar : bars_)
    DrawScaledImage(painter, QPoint(left + bar->Left(), top + bar->Top()),
                    bar->RenderToImage(target.Scale()));
}

}  // namespace ostrak
