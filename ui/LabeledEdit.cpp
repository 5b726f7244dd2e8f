#include "ui/LabeledEdit.h"

#include <QHideEvent>

#include "platform/ErrorGuard.h"

namespace ostrak {

TLabeledEdit::TLabeledEdit(QWidget* parent) : TMaskEditEx(parent), label_(new TLabel(parent)) {
  label_->OnResize = [this] { PlaceLabel(); };
  // The label names the edit for assistive technology.
  label_->SetFocusControl(this);
  PlaceLabel();
}

TLabeledEdit::~TLabeledEdit() {
  if (label_) label_->OnResize = nullptr;
}

void TLabeledEdit::SetLabelPosition(TLabelPosition position) {
  if (position == labelPosition_) return;
  labelPosition_ = position;
  PlaceLabel();
}

void TLabeledEdit::SetLabelSpacing(int spacing) {
  if (spacing == labelSpacing_) return;
  labelSpacing_ = spacing;
  PlaceLabel();
}

void TLabeledEdit::PlaceLabel() {
  if (!label_) return;
  if (labelPosition_ == TLabelPosition::lpAbove) {
    label_->SetPosition(Left(), Top() - label_->Height() - labelSpacing_);
  } else {
    label_->SetPosition(Left() - label_->Width() - labelSpacing_, Top() + (Height() - label_->Height()) / 2);
  }
}

void TLabeledEdit::moveEvent(QMoveEvent* event) {
  TMaskEditEx::moveEvent(event);
  PlaceLabel();
}

void TLabeledEdit::resizeEvent(QResizeEvent* event) {
  TMaskEditEx::resizeEvent(event);
  PlaceLabel();
}

void TLabeledEdit::showEvent(QShowEvent* event) {
  TMaskEditEx::showEvent(event);
  if (label_) label_->show();
}

void TLabeledEdit::hideEvent(QHideEvent* event) {
  TMaskEditEx::hideEvent(event);
  if (label_ && !event->spontaneous()) label_->hide();
}

}  // namespace ostrak
