#pragma once

// TCustomGraphicButton: a window-less push button. It hot-tracks the pointer,
// shows a pressed state while a mouse button is held on it, clicks when the
// left button is released over it, can stay down inside a group of sibling
// buttons, can pop up a drop-down menu, and clicks on its caption's mnemonic.
// A press that the button loses before its release (hidden, disabled,
// blocked by a modal window) is abandoned without a click. Subclasses draw
// it in DrawFace.

#include <QKeySequence>
#include <QPointer>
#include <cstdint>

#include "core/Set.h"
#include "platform/Font.h"
#include "widgets/ControlsEx.h"
#include "widgets/navigation/Action.h"
#include "widgets/navigation/PopupMenu.h"
#include "widgets/navigation/TrackFont.h"

namespace ostrak {

enum class TButtonStateFlag : std::uint8_t {
  Hovered,  // the pointer is over the button
  Pressed,  // a mouse button went down on the button and is still held
};
using TButtonState = TSet<TButtonStateFlag>;

class TCustomGraphicButton : public TGraphicControlEx {
  Q_OBJECT

public:
  explicit TCustomGraphicButton(QWidget* parent = nullptr);
  ~TCustomGraphicButton() override;

  TButtonState State() const { return state_; }
  bool Flat() const { return flat_; }

  TPopupMenu* DropDownMenu() const { return dropDownMenu_; }
  // The button forgets the menu when the menu is destroyed.
  void SetDropDownMenu(TPopupMenu* menu) { dropDownMenu_ = menu; }

  bool Down() const { return down_; }
  // Only a grouped button can be down, and a down button of a group that
  // does not allow all up cannot be raised directly.
  void SetDown(bool down);
  bool AllowAllUp() const { return allowAllUp_; }
  void SetAllowAllUp(bool allowAllUp);
  int GroupIndex() const { return groupIndex_; }
  void SetGroupIndex(int groupIndex);

  bool HotTrack() const { return hotTrack_; }
  // Stored only: the face changes at the next repaint.
  void SetHotTrack(bool hotTrack) { hotTrack_ = hotTrack; }
  const TFont& HotTrackFont() const { return hotTrackFont_; }
  TFont& HotTrackFont() { return hotTrackFont_; }
  // Copies the attributes; no repaint.
  void SetHotTrackFont(const TFont& font) { hotTrackFont_.Assign(font); }
  TTrackFontOptions HotTrackFontOptions() const { return hotTrackFontOptions_; }
  void SetHotTrackFontOptions(TTrackFontOptions options);

  // Setting Font clears it; there is no parent font to take here, so it
  // is only stored.
  bool ParentFont() const { return parentFont_; }
  void SetParentFont(bool parentFont) { parentFont_ = parentFont; }

  // The key that runs the button's command from anywhere in its window: the
  // window listens for it, the button only tells assistive technology.
  const QKeySequence& Shortcut() const { return shortcut_; }
  void SetShortcut(const QKeySequence& shortcut) { shortcut_ = shortcut; }

  TAction* Action() const { return actionLink_.Action(); }
  // Linking copies the action's properties into the ones still unset; every
  // later change of the action is copied in full.
  void SetAction(TAction* action) { actionLink_.SetAction(action); }

  // A group notice: a sibling of group `groupIndex` changed Down, GroupIndex
  // or AllowAllUp.
  virtual void HandleGroupNotice(TCustomGraphicButton* peer, int groupIndex);

protected:
  // In slot order after HandleGroupNotice.
  // Shows the drop-down menu for a left press; (x, y) is a screen point.
  virtual bool PopUpDropDownMenu(TMouseButton button, TShiftState shift, int x, int y);
  // The base version selects the caption font only.
  virtual void DrawFace(Surface& canvas);
  virtual void DrawBorder(Surface& canvas);
  virtual bool HitsButton(int x, int y) const;
  // Repaints the parent's background under the button, then the button, now.
  virtual void RefreshWithBackground();
  virtual void DrawArrowGlyph(Surface& canvas, const TRect& rect);

public:
  // Toggles Down in a group, then runs the click handler; when the handler
  // fails the pressed state is cleared before the failure goes on.
  virtual void Click();

protected:
  // The font the caption is drawn in for the current state.
  const TFont& CaptionFont() const;
  static void SelectCaptionFont(Surface& canvas, const TFont& font);

  // Copies an action's properties; with Check::Defaults only into the
  // properties that still hold their unset value.
  virtual void ActionChange(TAction& action, TActionLink::Check check);

  void SetFlat(bool flat);
  void ClearPressed() { state_.Exclude(TButtonStateFlag::Pressed); }

  void Paint(Surface& canvas) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void EnabledChanged() override;
  void FontChanged() override;
  void CaptionChanged() override;
  bool DialogChar(QChar character) override;
  void MouseDown(TMouseButton button, TShiftState shift, int x, int y) override;
  void MouseMove(TShiftState shift, int x, int y) override;
  // The release handling: ends the capture and the pressed state.
  void MouseUp(TMouseButton button, TShiftState shift, int x, int y) override;
  void PressInterrupted() override;

  void mouseReleaseEvent(QMouseEvent* event) override;

private:
  void SendGroupNotice();
  void RunClickHandler();
  void Released(TMouseButton button, TShiftState shift, int x, int y);

  TButtonState state_;
  bool flat_ = false;
  QPointer<TPopupMenu> dropDownMenu_;
  bool down_ = false;
  bool allowAllUp_ = false;
  int groupIndex_ = 0;
  bool hotTrack_ = true;
  TFont hotTrackFont_;
  TTrackFontOptions hotTrackFontOptions_ = kDefaultTrackFontOptions;
  bool parentFont_ = true;
  bool capture_ = false;      // a press on this button is in progress
  bool leftPressed_ = false;  // the gesture began with a left press on this button
  TActionLink actionLink_;
  QKeySequence shortcut_;
};

}  // namespace ostrak
