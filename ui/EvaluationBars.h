#pragma once

// The evaluation window's six rating bars: where they sit in its black client
// area, how each is set up and captioned, and the whole area drawn onto a
// surface for a given fighter. Every place that shows the bars (the window,
// the comparison, the fighter card) goes through here, so they are one
// drawing, pixel for pixel.

#include <QString>
#include <QWidget>
#include <array>
#include <cstddef>
#include <memory>

#include "core/Colors.h"

namespace ostrak {

class Surface;
class TGradientProgress;

inline constexpr int kEvaluationWidth = 294;
inline constexpr int kEvaluationHeight = 148;
inline constexpr int kEvaluationBarCount = 6;

struct EvaluationBarPlace {
  const char* name;  // the control's name; without its first letter, its caption before the window shows
  int top;
  TColor fillFrom;
  TColor fillTo;
};

// Ground, Striking, Defense, Fitness, Mental, Overall; each 276 x 20 at x = 9.
inline constexpr std::array<EvaluationBarPlace, kEvaluationBarCount> kEvaluationBars = {{
    {"gGround", 8, clRed, clYellow},
    {"gStriking", 28, clRed, clYellow},
    {"gDefense", 48, clRed, clYellow},
    {"gFitness", 68, clRed, clYellow},
    {"gMental", 88, clRed, clYellow},
    {"gOverall", 117, clTeal, clLime},
}};
inline constexpr int kEvaluationBarLeft = 9;
inline constexpr int kEvaluationBarWidth = 276;
inline constexpr int kEvaluationBarHeight = 20;

using BarPercents = std::array<int, kEvaluationBarCount>;
using BarCaptions = std::array<QString, kEvaluationBarCount>;

// The stored settings of one rating bar, applied in their stored order; only
// the fill gradient's colours differ between bars. Bounds, fill percentage
// and caption are the window's to set.
void ApplyEvaluationBarConfiguration(TGradientProgress& bar, TColor fillFrom, TColor fillTo);

// Bar `index` on `window` at its place, set up as the evaluation window
// stores it.
TGradientProgress* NewEvaluationBar(QWidget* window, std::size_t index);

// What the window writes into a bar when it rates a fighter: the fill, then
// the caption followed by the number the bar now holds and '%'.
void ShowRating(TGradientProgress& bar, int percent, const QString& caption);

// The evaluation window's client area as the window shows it for `percents`
// and `captions`: black, and the bars drawn over it by the bars' own paint.
// Made once and reused: it holds the bars as controls of a window that is
// never shown.
class EvaluationPicture {
public:
  EvaluationPicture();
  ~EvaluationPicture();
  EvaluationPicture(const EvaluationPicture&) = delete;
  EvaluationPicture& operator=(const EvaluationPicture&) = delete;

  // The area drawn onto `target` at its scale, its top-left at (left, top)
  // in the target's pixels.
  void Draw(Surface& target, int left, int top, const BarPercents& percents, const BarCaptions& captions);
  // The same without the captions, for a picture that writes them as text.
  void DrawWithoutCaptions(Surface& target, int left, int top, const BarPercents& percents);
  // What bar `index` shows as its caption for `percent` and `caption`.
  QString ShownCaption(std::size_t index, int percent, const QString& caption);

private:
  void Compose(Surface& target, int left, int top);

  std::unique_ptr<QWidget> window_;
  std::array<TGradientProgress*, kEvaluationBarCount> bars_{};
};

}  // namespace ostrak
