#pragma once

// The stock peers of the editor's windows, made of stock Qt widgets only.
// StockEditor: a bare window of the editor's size holding 60 stock widgets
// where the editor has its controls (labels, spin boxes, line edits with
// their labels, lists, push buttons and an empty label where the flag sits),
// with no data files, no picture and no registered faces.
// StockEvaluation: a stock dialog of the evaluation window's size with six
// progress bars of its bars' size, places and captions.

#include <QDialog>
#include <QWidget>
#include <array>
#include <vector>

class QProgressBar;
class QPushButton;
class QSpinBox;

namespace ostrak::bench {

class StockEditor : public QWidget {
  Q_OBJECT

public:
  StockEditor();

  // Where the editor's Evaluate button is.
  QPushButton* EvaluateButton() const { return evaluate_; }
  // The 18 spin boxes, in the editor's creation order.
  const std::vector<QSpinBox*>& SpinBoxes() const { return boxes_; }

private:
  QPushButton* evaluate_ = nullptr;
  std::vector<QSpinBox*> boxes_;
};

class StockEvaluation : public QDialog {
  Q_OBJECT

public:
  // A dialog of `editor`, shown by its Evaluate button.
  explicit StockEvaluation(StockEditor& editor);

  const std::array<QProgressBar*, 6>& Bars() const { return bars_; }

private:
  // What the editor's Evaluate does: read the boxes, fill and caption the
  // bars, show and raise the window.
  void Evaluate();

  StockEditor& editor_;
  std::array<QProgressBar*, 6> bars_{};
};

}  // namespace ostrak::bench
