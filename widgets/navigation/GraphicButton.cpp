#include "widgets/navigation/GraphicButton.h"

#include <QMouseEvent>
#include <vector>

#include "platform/AliveWatch.h"
#include "platform/ErrorGuard.h"
#include "platform/MouseInput.h"
#include "widgets/navigation/AccessibleButton.h"
#include "widgets/navigation/Mnemonic.h"

namespace ostrak {

TCustomGraphicButton::TCustomGraphicButton(QWidget* parent)
    : TGraphicControlEx(parent),
      actionLink_([this](TAction& action, TActionLink::Check check) { ActionChange(action, check); }) {
  // Moves without a held button raise OnMouseMove as well.
  setMouseTracking(true);
  setGeometry(0, 0, 40, 40);
  InstallAccessibleButtons();
}

TCustomGraphicButton::~TCustomGraphicButton() = default;

void TCustomGraphicButton::SetDown(bool down) {
  if (groupIndex_ == 0) down = false;
  if (down == down_) return;
  if (down_ && !allowAllUp_) return;
  down_ = down;
  SendGroupNotice();
  Invalidate();
}

void TCustomGraphicButton::SetAllowAllUp(bool allowAllUp) {
  if (allowAllUp == allowAllUp_) return;
  allowAllUp_ = allowAllUp;
  SendGroupNotice();
}

void TCustomGraphicButton::SetGroupIndex(int groupIndex) {
  if (groupIndex == groupIndex_) return;
  groupIndex_ = groupIndex;
  SendGroupNotice();
}

void TCustomGraphicButton::SetHotTrackFontOptions(TTrackFontOptions options) {
  if (options == hotTrackFontOptions_) return;
  hotTrackFontOptions_ = options;
  FollowFont(hotTrackFont_, Font(), hotTrackFontOptions_);
}

void TCustomGraphicButton::SetFlat(bool flat) { flat_ = flat; }

// Every sibling hears it, the sender included; each decides for itself.
void TCustomGraphicButton::SendGroupNotice() {
  QWidget* parent = parentWidget();
  if (groupIndex_ == 0 || !parent) return;
  std::vector<QPointer<TCustomGraphicButton>> siblings;
  for (QObject* child : parent->children()) {
    if (auto* button = qobject_cast<TCustomGraphicButton*>(child)) siblings.emplace_back(button);
  }
  for (const QPointer<TCustomGraphicButton>& sibling : siblings) {
    if (sibling) sibling->HandleGroupNotice(this, groupIndex_);
  }
}

void TCustomGraphicButton::HandleGroupNotice(TCustomGraphicButton* peer, int groupIndex) {
  if (groupIndex != groupIndex_ || peer == this) return;
  if (peer->Down() && down_) {
    down_ = false;
    ClearPressed();
    RefreshWithBackground();
  }
  allowAllUp_ = peer->AllowAllUp();
}

bool TCustomGraphicButton::PopUpDropDownMenu(TMouseButton button, TShiftState shift, int x, int y) {
  if (button != TMouseButton::mbLeft || !dropDownMenu_) return false;
  TPopupMenu* menu = dropDownMenu_;
  menu->SetPopupComponent(this);
  switch (menu->Alignment()) {
    case TPopupAlignment::paLeft:
      break;
    case TPopupAlignment::paRight:
      x += Width();
      break;
    case TPopupAlignment::paCenter:
      x += Width() / 2;
      break;
  }
  const AliveWatch alive(this);
  menu->Popup(x, y);
  // The release that ended the gesture went to the menu, or is dropped here,
  // so a press that opens the menu never clicks.
  DiscardQueuedMouseInput();
  if (!alive) return true;
  leftPressed_ = false;
  MouseUp(button, shift, x, y);
  return true;
}

const TFont& TCustomGraphicButton::CaptionFont() const {
  return hotTrack_ && state_.Contains(TButtonStateFlag::Hovered) ? hotTrackFont_ : Font();
}

void TCustomGraphicButton::SelectCaptionFont(Surface& canvas, const TFont& font) {
  canvas.SelectFont(font.ToQFont());
  canvas.SetTextColor(font.Color());
}

void TCustomGraphicButton::DrawFace(Surface& canvas) { SelectCaptionFont(canvas, CaptionFont()); }

void TCustomGraphicButton::DrawBorder(Surface&) {}

bool TCustomGraphicButton::HitsButton(int x, int y) const {
  return x >= 0 && y >= 0 && x < Width() && y < Height();
}

void TCustomGraphicButton::RefreshWithBackground() {
  if (QWidget* parent = parentWidget()) parent->update(geometry());
  Repaint();
}

// A small downward triangle, five pixels wide, centred in rect.
void TCustomGraphicButton::DrawArrowGlyph(Surface& canvas, const TRect& rect) {
  const SelectedPen pen(canvas, Pen{PS_SOLID, 1, canvas.GetTextColor()});
  const int cx = (rect.left + rect.right) / 2;
  const int cy = (rect.top + rect.bottom) / 2;
  for (int row = 0; row < 3; ++row) {
    canvas.MoveTo(cx - 2 + row, cy - 1 + row);
    canvas.LineTo(cx + 3 - row, cy - 1 + row);
  }
}

void TCustomGraphicButton::Click() {
  if (groupIndex_ != 0) SetDown(allowAllUp_ ? !down_ : true);
  const AliveWatch alive(this);
  try {
    RunClickHandler();
  } catch (...) {
    if (alive) {
      ClearPressed();
      RefreshWithBackground();
    }
    throw;
  }
}

// The action's handler runs unless OnClick was set to something else.
void TCustomGraphicButton::RunClickHandler() {
  TAction* action = Action();
  if (OnClick && !(action && action->IsExecuteHandler(OnClick))) {
    OnClick(this);
  } else if (action) {
    action->Execute();
  } else if (OnClick) {
    OnClick(this);
  }
}

void TCustomGraphicButton::ActionChange(TAction& action, TActionLink::Check check) {
  const bool all = check == TActionLink::Check::None;
  if (all || Caption().isEmpty() || Caption() == objectName()) SetCaption(action.Caption());
  if (all || Enabled()) SetEnabled(action.Enabled());
  if (all || Hint().isEmpty()) SetHint(action.Hint());
  if (all || Visible()) SetVisible(action.Visible());
  if (all || !OnClick) OnClick = action.ExecuteHandler();
}

void TCustomGraphicButton::Paint(Surface& canvas) {
  DrawBorder(canvas);
  DrawFace(canvas);
}

void TCustomGraphicButton::MouseEnter() {
  if (!Enabled()) return;
  state_.Include(TButtonStateFlag::Hovered);
  if (flat_) RefreshWithBackground();
  if (hotTrack_) Repaint();
}

void TCustomGraphicButton::MouseLeave() {
  if (!Enabled()) return;
  state_.Exclude(TButtonStateFlag::Hovered);
  if (flat_) RefreshWithBackground();
  if (hotTrack_) Repaint();
}

void TCustomGraphicButton::EnabledChanged() {
  if (!Enabled()) state_.Exclude(TButtonStateFlag::Hovered).Exclude(TButtonStateFlag::Pressed);
  RefreshWithBackground();
}

void TCustomGraphicButton::FontChanged() {
  parentFont_ = false;
  FollowFont(hotTrackFont_, Font(), hotTrackFontOptions_);
  Invalidate();
}

void TCustomGraphicButton::CaptionChanged() {
  RefreshWithBackground();
  Invalidate();
}

// Disabled buttons still answer their mnemonic.
bool TCustomGraphicButton::DialogChar(QChar character) {
  if (!IsAccel(character, Caption())) return false;
  Click();
  return true;
}

// The press (and the capture) begins before OnMouseDown runs, so a handler
// that hides, disables or blocks the button ends it like any other press.
void TCustomGraphicButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (!Enabled()) return;
  if (button == TMouseButton::mbLeft) leftPressed_ = true;
  capture_ = true;
  const AliveWatch alive(this);
  TGraphicControlEx::MouseDown(button, shift, x, y);
  if (!alive || !capture_) return;
  if (HitsButton(x, y)) {
    state_ = TButtonState{TButtonStateFlag::Hovered, TButtonStateFlag::Pressed};
    RefreshWithBackground();
  }
  const QPoint corner = mapToGlobal(QPoint(0, Height()));
  PopUpDropDownMenu(button, shift, corner.x(), corner.y());
}

void TCustomGraphicButton::MouseMove(TShiftState shift, int x, int y) {
  const AliveWatch alive(this);
  TGraphicControlEx::MouseMove(shift, x, y);
  if (!alive || !capture_) return;
  const bool hits = HitsButton(x, y);
  if (hits == state_.Contains(TButtonStateFlag::Hovered)) return;
  if (hits) {
    state_.Include(TButtonStateFlag::Hovered);
  } else {
    state_.Exclude(TButtonStateFlag::Hovered);
  }
  RefreshWithBackground();
}

void TCustomGraphicButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  capture_ = false;
  if (!Enabled()) return;
  const AliveWatch alive(this);
  TGraphicControlEx::MouseUp(button, shift, x, y);
  if (!alive) return;
  ClearPressed();
  RefreshWithBackground();
}

// Abandoned as if released outside: nothing stays pressed, and the release
// that comes later clicks nothing. A click already running (its handler
// opened a modal window) has no press left to end and keeps its pressed face.
void TCustomGraphicButton::PressInterrupted() {
  if (!capture_) return;
  capture_ = false;
  leftPressed_ = false;
  if (!state_.Contains(TButtonStateFlag::Pressed)) return;
  ClearPressed();
  RefreshWithBackground();
}

void TCustomGraphicButton::mouseReleaseEvent(QMouseEvent* event) {
  TMouseButton button;
  if (!ToMouseButton(event->button(), button)) return;
  const QPoint at = event->position().toPoint();
  const TShiftState shift = ShiftStateOf(*event);
  Guard([&] { Released(button, shift, at.x(), at.y()); });
}

// A left release inside the button after a left press on it clicks; the click
// runs while Pressed is still set, so the pressed face stays up meanwhile.
void TCustomGraphicButton::Released(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == TMouseButton::mbLeft) {
    capture_ = false;
    const bool clicks = leftPressed_ && x >= 0 && y >= 0 && x < Width() && y < Height();
    leftPressed_ = false;
    if (clicks) {
      const AliveWatch alive(this);
      Click();
      if (!alive) return;
    }
  }
  MouseUp(button, shift, x, y);
}

}  // namespace ostrak
