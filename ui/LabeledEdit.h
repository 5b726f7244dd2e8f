#pragma once

// TLabeledEdit: a single-line edit with an attached label. The label lives
// beside the edit on the same parent and keeps its place at a fixed spacing
// whenever the edit moves or resizes or the label's text changes: above the
// edit, left-aligned with it, or to its left, centred on its height.

#include <QPointer>

#include "ui/TextLabel.h"
#include "widgets/spin/MaskEditEx.h"

namespace ostrak {

enum class TLabelPosition { lpAbove, lpLeft };

class TLabeledEdit : public TMaskEditEx {
  Q_OBJECT

public:
  // The label is created on `parent` and belongs to it.
  explicit TLabeledEdit(QWidget* parent);
  ~TLabeledEdit() override;

  TLabel* EditLabel() const { return label_; }

  TLabelPosition LabelPosition() const { return labelPosition_; }
  void SetLabelPosition(TLabelPosition position);
  int LabelSpacing() const { return labelSpacing_; }
  void SetLabelSpacing(int spacing);

protected:
  void moveEvent(QMoveEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void showEvent(QShowEvent* event) override;
  void hideEvent(QHideEvent* event) override;

private:
  void PlaceLabel();

  QPointer<TLabel> label_;
  TLabelPosition labelPosition_ = TLabelPosition::lpAbove;
  int labelSpacing_ = 3;
};

}  // namespace ostrak
