#pragma once

// TCustomMaskEditEx: the edit base of the numeric fields, a single-line edit
// (QLineEdit) with the platform edit's contract on top:
//  - a change notification (Change, then OnChange) raised synchronously from
//    our own code whenever the text really changed, by a programmatic set or
//    by the user, and never for a set to the same text;
//  - the clipboard gate: cut, copy, paste, clear and undo requests, from
//    keyboard shortcuts, the context menu or code, are obeyed only when their
//    command is allowed; a refused request does nothing, silently;
//  - key down and key press stages the controls built on it can intercept;
//  - focus enter and exit as the form sees them (a context menu or another
//    window taking the focus is a focus loss, not an exit);
//  - margins and a formatting rectangle for the text.
// Before the concrete control has finished construction it has no window:
// a text set is only stored and notifies nothing.

#include <QLineEdit>
#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "core/Set.h"
#include "platform/Font.h"
#include "platform/Geometry.h"
#include "widgets/Alignment.h"
#include "widgets/ControlBevel.h"
#include "widgets/Events.h"

class QMenu;

namespace ostrak {

enum class TClipboardCommand { caCopy, caCut, caPaste, caClear, caUndo };
using TClipboardCommands = TSet<TClipboardCommand>;

inline constexpr TClipboardCommands kAllClipboardCommands{
    TClipboardCommand::caCopy, TClipboardCommand::caCut, TClipboardCommand::caPaste,
    TClipboardCommand::caClear, TClipboardCommand::caUndo};

enum class TBorderStyle { bsNone, bsSingle };

// Key codes are Qt's; a handler sets the key to 0 to consume it.
using TKeyEvent = std::function<void(QObject* sender, int& key, TShiftState shift)>;
// A handler sets the character to 0 to swallow it.
using TKeyPressEvent = std::function<void(QObject* sender, QChar& key)>;

class TCustomMaskEditEx : public QLineEdit {
  Q_OBJECT

public:
  explicit TCustomMaskEditEx(QWidget* parent = nullptr);
  ~TCustomMaskEditEx() override;

  QString Text() const { return text(); }
  // A different text replaces the old one (clearing the modified flag and the
  // undo history, as the platform edit does) and then notifies.
  void SetText(const QString& text);

  int SelStart() const;
  // Puts the caret at `position` (clamped to the text) with nothing selected.
  void SetSelStart(int position);
  int SelLength() const;
  // Selects `length` characters from SelStart.
  void SetSelLength(int length);
  void SelectAll() { selectAll(); }

  bool Modified() const { return isModified(); }
  void SetModified(bool modified) { setModified(modified); }
  bool ReadOnly() const { return isReadOnly(); }
  void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }
  bool AutoSelect() const { return autoSelect_; }
  void SetAutoSelect(bool autoSelect) { autoSelect_ = autoSelect; }
  bool BeepOnError() const { return beepOnError_; }
  void SetBeepOnError(bool beep) { beepOnError_ = beep; }
  TClipboardCommands ClipboardCommands() const { return clipboardCommands_; }
  void SetClipboardCommands(TClipboardCommands commands) { clipboardCommands_ = commands; }

  TAlignment Alignment() const { return alignment_; }
  virtual void SetAlignment(TAlignment alignment);
  TBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(TBorderStyle style);
  // The bevel inside the bounds, outside the border and the client area.
  const TControlBevel& Bevel() const { return bevel_; }
  void SetBevelKind(TBevelKind kind) { SetBevel({kind, bevel_.inner, bevel_.outer}); }
  void SetBevelInner(TBevelCut cut) { SetBevel({bevel_.kind, cut, bevel_.outer}); }
  void SetBevelOuter(TBevelCut cut) { SetBevel({bevel_.kind, bevel_.inner, cut}); }

  // The owned font; assigning copies its attributes. Its colour is the text
  // colour.
  TFont& Font() { return font_; }
  const TFont& Font() const { return font_; }
  void SetFont(const TFont& font) { font_.Assign(font); }

  int Left() const { return x(); }
  int Top() const { return y(); }
  int Width() const { return width(); }
  int Height() const { return height(); }
  void SetBounds(int left, int top, int width, int height) { setGeometry(left, top, width, height); }

  int Tag() const { return tag_; }
  void SetTag(int tag) { tag_ = tag; }
  bool TabStop() const { return tabStop_; }
  void SetTabStop(bool tabStop);
  bool Enabled() const { return isEnabled(); }
  void SetEnabled(bool enabled) { setEnabled(enabled); }
  // Visible and enabled up to its window.
  bool CanFocus() const;
  void SetFocus() { setFocus(Qt::OtherFocusReason); }
  bool UseRightToLeftReading() const { return layoutDirection() == Qt::RightToLeft; }

  // The clipboard requests, through the gate.
  void CutToClipboard();
  void CopyToClipboard();
  void PasteFromClipboard();
  void ClearSelection();
  void Undo();

  // The text area: margins inside the client area, or, once set, the
  // formatting rectangle, which replaces them.
  void SetMargins(int left, int right);
  void SetFormattingRect(const TRect& rect);
  // The control's own area inside its bevel and border.
  TRect ClientRect() const;

  bool HandleAllocated() const { return window_ == WindowState::Created; }

  // The loading bracket a window puts around applying stored properties;
  // EndLoading runs Loaded.
  void BeginLoading() { ++loading_; }
  void EndLoading();
  bool Loading() const { return loading_ > 0; }

  // The context menu as the platform edit shows it (Undo, Cut, Copy, Paste,
  // Delete, Select All), its entries going through the gate. The caller owns
  // it; the menu shown on a right click is made here.
  std::unique_ptr<QMenu> CreateContextMenu();

  TNotifyEvent OnChange;
  TNotifyEvent OnEnter;
  TNotifyEvent OnExit;
  TKeyEvent OnKeyDown;
  TKeyPressEvent OnKeyPress;

protected:
  // The concrete class calls this as its constructor's last step.
  void CreateHandle();
  // Marks the window gone at the start of destruction: nothing notifies after.
  void DestroyHandle();
  // Runs once the window exists.
  virtual void CreateWnd() {}
  // The text changed; raises OnChange.
  virtual void Change();
  virtual void Loaded() {}
  virtual bool ClipboardRequestAllowed(TClipboardCommand command) const;
  // Selects the whole text when AutoSelect asks for it, then raises OnEnter.
  virtual void DoEnter();
  virtual void DoExit();
  // Keyboard focus went elsewhere, also to another window or application.
  virtual void FocusLost() {}
  // Raise OnKeyDown / OnKeyPress.
  virtual void KeyDown(int& key, TShiftState shift);
  virtual void KeyPress(QChar& key);
  virtual void FontChanged() {}
  virtual void EnabledChanged() {}
  virtual void ReadingDirectionChanged() {}
  // Beeps when BeepOnError is set.
  void ErrorBeep() const;
  // Raises the change notification if the text differs from the last one
  // notified.
  void NotifyIfTextChanged();

  bool event(QEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void inputMethodEvent(QInputMethodEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
  void changeEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void paintEvent(QPaintEvent* event) override;

private:
  enum class WindowState { NotCreated, Created, Destroyed };

  void ApplyFont();
  void ApplyAlignment();
  // A borderless edit whose bevel covers its whole edge, and whose panel the
  // style fills with an opaque base colour, hides what lies beneath it: Qt is
  // told so and need not paint the window under it first.
  void UpdateOpaqueness();
  void ApplyTextArea();
  void SetBevel(const TControlBevel& bevel);
  void DefaultKeyHandling(QKeyEvent* event);
  // Claims a plain typing key asked about before a shortcut, as Qt's edit
  // would; false leaves the question to Qt.
  bool ClaimPlainKey(QKeyEvent& event) const;
  void CutRange(int start, int end);
  void Redo();

  WindowState window_ = WindowState::NotCreated;
  QString notifiedText_;
  bool autoSelect_ = true;
  bool beepOnError_ = true;
  bool tabStop_ = true;
  bool entered_ = false;
  bool focusFromLeftPress_ = false;
  TClipboardCommands clipboardCommands_ = kAllClipboardCommands;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  TBorderStyle borderStyle_ = TBorderStyle::bsSingle;
  TControlBevel bevel_;
  TBevelOverlay bevelOverlay_;
  bool opaque_ = false;
  TFont font_;
  std::optional<TFont> appliedFace_;  // what the widget's font was last made from
  int tag_ = 0;
  int loading_ = 0;
  int leftMargin_ = 0;
  int rightMargin_ = 0;
  bool hasFormattingRect_ = false;
  TRect formattingRect_;
};

// The plain edit, for use on its own.
class TMaskEditEx : public TCustomMaskEditEx {
  Q_OBJECT

public:
  explicit TMaskEditEx(QWidget* parent = nullptr);
  ~TMaskEditEx() override;
};

}  // namespace ostrak
