#pragma once

// TForm2: the evaluation window. A small black tool window with six rating
// bars; each time it goes from hidden to shown it reads the editor window's
// attribute boxes, rates the fighter and captions the bars. While it is
// shown it follows the record, so it never shows a fighter that has gone.
// Esc closes it.

#include <QWidget>
#include <array>

#include "core/Colors.h"
#include "ui/EvaluationBars.h"
#include "widgets/gradient/GradientProgress.h"

namespace ostrak {

class TForm1;

class TForm2 : public QWidget {
  Q_OBJECT

public:
  // Created hidden, as a tool window of `editor`, which owns it and shows it
  // on Evaluate.
  explicit TForm2(TForm1& editor);
  ~TForm2() override;

  TGradientProgress* gGround;
  TGradientProgress* gStriking;
  TGradientProgress* gDefense;
  TGradientProgress* gFitness;
  TGradientProgress* gMental;
  TGradientProgress* gOverall;

  // Ground, Striking, Defense, Fitness, Mental, Overall.
  std::array<TGradientProgress*, 6> Bars() const {
    return {gGround, gStriking, gDefense, gFitness, gMental, gOverall};
  }

  void FormShow(QObject* sender);

protected:
  void showEvent(QShowEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

private:
  // The six ratings of the fighter in the editor's boxes, in bar order.
  std::array<int, 6> Percentages() const;
  // Rates the fighter and sets the bars, their captions and the title.
  void Evaluate();
  // After each change that reached the record, while shown: the bars whose
  // rating moved are drawn again, together, once the change is over.
  void FollowRecord();

  TForm1& editor_;
  bool placed_ = false;
};

}  // namespace ostrak
