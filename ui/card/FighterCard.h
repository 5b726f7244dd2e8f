#pragma once

// The fighter card: one picture of the fighter as the editor shows it. Names
// on top, the body data, weight class and game plan below them in the
// editor's white boxes, then the evaluation window's six bars, then the
// eighteen attributes in the editor's two columns, each number in the colour
// the editor gives its band. The captions are the editor's.

#include <QFont>
#include <vector>

#include "platform/Font.h"
#include "platform/Geometry.h"
#include "ui/EvaluationBars.h"
#include "ui/card/CardFighter.h"
#include "ui/card/Drawing.h"

namespace ostrak {

class FighterCard : public Drawing {
public:
  // `bars` draws the card's bars and must outlive it; `fallbackTitle` names a
  // fighter without a full name (the file's name, say).
  FighterCard(const CardFighter& fighter, const CardCaptions& captions, const QString& fallbackTitle,
              EvaluationPicture& bars);

  QSize Size() const override;
  QString Title() const override { return title_; }
  QImage Raster(int scale) override;
  void Paint(QPainter& painter) override;

  // Where the evaluation window's client area lies on every card.
  static QRect BarsArea();

  // One run of text: its cell's top-left, clipped at `right`.
  struct Run {
    int x;
    int y;
    int right;
    int ascent;  // from the cell's top to the baseline
    QString text;
    TFont font;
  };
  const std::vector<Run>& Runs() const { return runs_; }

private:
  struct Box {
    TRect rect;
    TColor fill;
    TColor frame;  // clNone: none
  };

  void LayOut(const CardFighter& fighter, const CardCaptions& captions);
  // Text at (x, y) no wider than `width`, shortened with an ellipsis when it
  // must be; aligned right within the width when `right` is set.
  void AddText(int x, int y, int width, const QString& text, const TFont& font, bool alignRight = false);
  // A caption above a white box holding `value`, as the editor's edits are.
  void AddField(int x, int y, int width, const QString& caption, const QString& value);
  void AddAttribute(int x, int y, int width, const QString& caption, int value);

  QString title_;
  EvaluationPicture& bars_;
  BarPercents percents_{};
  BarCaptions captions_;
  std::vector<Box> boxes_;
  std::vector<Run> runs_;
};

}  // namespace ostrak
