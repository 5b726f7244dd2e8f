#include "widgets/spin/MaskEditEx.h"

#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <limits>

#include "platform/AliveWatch.h"
#include "platform/Beep.h"
#include "platform/ErrorGuard.h"
#include "platform/SystemColors.h"

namespace ostrak {

namespace {

QColor ToQColor(TColor color) {
  const TColor rgb = ColorToRGB(color);
  return QColor(GetRValue(rgb), GetGValue(rgb), GetBValue(rgb));
}

bool SameFace(const TFont& a, const TFont& b) {
  return a.Name() == b.Name() && a.Height() == b.Height() && a.Style() == b.Style() &&
         a.Charset() == b.Charset() && a.Pitch() == b.Pitch();
}

}  // namespace

TCustomMaskEditEx::TCustomMaskEditEx(QWidget* parent) : QLineEdit(parent) {
  // The platform edit takes no dropped text.
  setAcceptDrops(false);
  // Nor does it limit the length: Qt would cut a loaded text at 32767
  // characters, and the cut text would be saved.
  setMaxLength(std::numeric_limits<int>::max());
  setContextMenuPolicy(Qt::DefaultContextMenu);
  font_.OnChange = [this](TFont&) { ApplyFont(); };
  ApplyFont();
  ApplyAlignment();
}

TCustomMaskEditEx::~TCustomMaskEditEx() {
  DestroyHandle();
  font_.OnChange = nullptr;
}

void TCustomMaskEditEx::CreateHandle() {
  if (window_ != WindowState::NotCreated) return;
  window_ = WindowState::Created;
  notifiedText_ = text();
  CreateWnd();
}

void TCustomMaskEditEx::DestroyHandle() { window_ = WindowState::Destroyed; }

void TCustomMaskEditEx::SetText(const QString& text) {
  if (text == QLineEdit::text()) return;
  setText(text);
  NotifyIfTextChanged();
}

void TCustomMaskEditEx::NotifyIfTextChanged() {
  if (window_ != WindowState::Created) return;
  const QString current = text();
  if (current == notifiedText_) return;
  notifiedText_ = current;
  Change();
}

void TCustomMaskEditEx::Change() {
  if (OnChange) OnChange(this);
}

int TCustomMaskEditEx::SelStart() const { return hasSelectedText() ? selectionStart() : cursorPosition(); }

void TCustomMaskEditEx::SetSelStart(int position) {
  setCursorPosition(std::clamp(position, 0, static_cast<int>(text().size())));
}

int TCustomMaskEditEx::SelLength() const { return static_cast<int>(selectedText().size()); }

void TCustomMaskEditEx::SetSelLength(int length) {
  const int start = SelStart();
  setSelection(start, std::clamp(length, 0, static_cast<int>(text().size()) - start));
}

void TCustomMaskEditEx::SetAlignment(TAlignment alignment) {
  if (alignment == alignment_) return;
  alignment_ = alignment;
  ApplyAlignment();
}

// Qt mirrors left and right for a right-to-left control, as the platform does.
void TCustomMaskEditEx::ApplyAlignment() {
  Qt::Alignment horizontal = Qt::AlignLeft;
  if (alignment_ == TAlignment::taRightJustify) horizontal = Qt::AlignRight;
  if (alignment_ == TAlignment::taCenter) horizontal = Qt::AlignHCenter;
  setAlignment(horizontal | Qt::AlignVCenter);
}

void TCustomMaskEditEx::SetBorderStyle(TBorderStyle style) {
  if (style == borderStyle_) return;
  borderStyle_ = style;
  setFrame(style == TBorderStyle::bsSingle);
  ApplyTextArea();
  UpdateOpaqueness();
  // The platform recreates the window for a new border.
  if (HandleAllocated()) CreateWnd();
}

void TCustomMaskEditEx::SetBevel(const TControlBevel& bevel) {
  if (bevel == bevel_) return;
  bevel_ = bevel;
  const int width = bevel_.Width();
  setContentsMargins(width, width, width, width);
  ApplyTextArea();
  UpdateOpaqueness();
  // Like a new border, a new bevel changes the client area.
  if (HandleAllocated()) CreateWnd();
  update();
}

void TCustomMaskEditEx::SetTabStop(bool tabStop) {
  if (tabStop == tabStop_) return;
  tabStop_ = tabStop;
  setFocusPolicy(tabStop ? Qt::StrongFocus : Qt::ClickFocus);
}

bool TCustomMaskEditEx::CanFocus() const {
  return isEnabled() && (isWindow() || isVisibleTo(window())) && window()->isEnabled();
}

// The usual change is the colour alone (a box showing its number in another
// colour band); setting the same face again would only cost the resolving.
void TCustomMaskEditEx::ApplyFont() {
  if (!appliedFace_ || !SameFace(*appliedFace_, font_)) {
    setFont(font_.ToQFont());
    appliedFace_ = font_;
  }
  QPalette colours = palette();
  colours.setColor(QPalette::Text, ToQColor(font_.Color()));
  setPalette(colours);
}

void TCustomMaskEditEx::ErrorBeep() const {
  if (beepOnError_) MessageBeep();
}

bool TCustomMaskEditEx::ClipboardRequestAllowed(TClipboardCommand command) const {
  return clipboardCommands_.Contains(command);
}

void TCustomMaskEditEx::CutToClipboard() {
  if (!ClipboardRequestAllowed(TClipboardCommand::caCut) || isReadOnly()) return;
  cut();
  NotifyIfTextChanged();
}

void TCustomMaskEditEx::CopyToClipboard() {
  if (!ClipboardRequestAllowed(TClipboardCommand::caCopy)) return;
  copy();
}

void TCustomMaskEditEx::PasteFromClipboard() {
  if (!ClipboardRequestAllowed(TClipboardCommand::caPaste) || isReadOnly()) return;
  paste();
  NotifyIfTextChanged();
}

void TCustomMaskEditEx::ClearSelection() {
  if (!ClipboardRequestAllowed(TClipboardCommand::caClear) || isReadOnly()) return;
  del();
  NotifyIfTextChanged();
}

void TCustomMaskEditEx::Undo() {
  if (!ClipboardRequestAllowed(TClipboardCommand::caUndo) || isReadOnly()) return;
  undo();
  NotifyIfTextChanged();
}

// The platform edit knows one undo that undoes itself; Qt's redo is the same
// request.
void TCustomMaskEditEx::Redo() {
  if (!ClipboardRequestAllowed(TClipboardCommand::caUndo) || isReadOnly()) return;
  redo();
  NotifyIfTextChanged();
}

// The line-deleting keys of some desktops (Ctrl+K, Ctrl+U) copy what they
// delete: they are cut requests, refused without a trace like the others.
void TCustomMaskEditEx::CutRange(int start, int end) {
  if (!ClipboardRequestAllowed(TClipboardCommand::caCut) || isReadOnly()) return;
  setSelection(start, end - start);
  CutToClipboard();
}

std::unique_ptr<QMenu> TCustomMaskEditEx::CreateContextMenu() {
  auto menu = std::make_unique<QMenu>();
  const bool selection = hasSelectedText();
  const bool writable = !isReadOnly();
  const QMimeData* clipboard = QApplication::clipboard()->mimeData();
  const bool canPaste = clipboard && clipboard->hasText();
  const auto add = [&](const QString& caption, bool enabled, void (TCustomMaskEditEx::*request)()) {
    QAction* action = menu->addAction(caption);
    action->setEnabled(enabled);
    connect(action, &QAction::triggered, this,
            [this, request] { Guard([this, request] { (this->*request)(); }); });
  };
  add(tr("&Undo"), writable && isUndoAvailable(), &TCustomMaskEditEx::Undo);
  menu->addSeparator();
  add(tr("Cu&t"), writable && selection, &TCustomMaskEditEx::CutToClipboard);
  add(tr("&Copy"), selection, &TCustomMaskEditEx::CopyToClipboard);
  add(tr("&Paste"), writable && canPaste, &TCustomMaskEditEx::PasteFromClipboard);
  add(tr("&Delete"), writable && selection, &TCustomMaskEditEx::ClearSelection);
  menu->addSeparator();
  add(tr("Select &All"), !text().isEmpty() && SelLength() != text().size(), &TCustomMaskEditEx::SelectAll);
  return menu;
}

void TCustomMaskEditEx::SetMargins(int left, int right) {
  leftMargin_ = left;
  rightMargin_ = right;
  ApplyTextArea();
}

void TCustomMaskEditEx::SetFormattingRect(const TRect& rect) {
  hasFormattingRect_ = true;
  formattingRect_ = rect;
  ApplyTextArea();
}

TRect TCustomMaskEditEx::ClientRect() const {
  int border = 0;
  if (hasFrame()) {
    QStyleOptionFrame option;
    option.initFrom(this);
    border = style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, this);
  }
  border += bevel_.Width();
  return TRect{0, 0, std::max(0, width() - 2 * border), std::max(0, height() - 2 * border)};
}

void TCustomMaskEditEx::ApplyTextArea() {
  if (!hasFormattingRect_) {
    setTextMargins(leftMargin_, 0, rightMargin_, 0);
    return;
  }
  const TRect client = ClientRect();
  setTextMargins(std::max(0, formattingRect_.left), std::max(0, formattingRect_.top),
                 std::max(0, client.right - formattingRect_.right),
                 std::max(0, client.bottom - formattingRect_.bottom));
}

void TCustomMaskEditEx::EndLoading() {
  if (loading_ == 0) return;
  if (--loading_ == 0) Loaded();
}

void TCustomMaskEditEx::DoEnter() {
  if (autoSelect_ && !focusFromLeftPress_) selectAll();
  if (OnEnter) OnEnter(this);
}

void TCustomMaskEditEx::DoExit() {
  if (OnExit) OnExit(this);
}

// Every change of the text from inside Qt (typing, deleting, undo, the
// context menu, input methods) passes through here; the notification follows
// the event that caused it.
// Qt's handling may have destroyed the edit (a deferred delete, a handler of
// the event's own).
bool TCustomMaskEditEx::event(QEvent* event) {
  const AliveWatch alive(this);
  const bool handled =
      (event->type() == QEvent::ShortcutOverride && ClaimPlainKey(static_cast<QKeyEvent&>(*event))) ||
      QLineEdit::event(event);
  if (alive) Guard([this] { NotifyIfTextChanged(); });
  return handled;
}

void TCustomMaskEditEx::contextMenuEvent(QContextMenuEvent* event) {
  Guard([&] {
    std::unique_ptr<QMenu> menu = CreateContextMenu();
    menu->exec(event->globalPos());
  });
  event->accept();
}

// The middle-button paste of the windowing system is a paste request too.
void TCustomMaskEditEx::mouseReleaseEvent(QMouseEvent* event) {
  bool refused = false;
  if (event->button() == Qt::MiddleButton) {
    Guard([&] { refused = !ClipboardRequestAllowed(TClipboardCommand::caPaste) || isReadOnly(); });
  }
  if (refused) {
    event->accept();
    return;
  }
  QLineEdit::mouseReleaseEvent(event);
}

// A context menu or a return from another window is no enter: the control
// still is the window's focused control.
void TCustomMaskEditEx::focusInEvent(QFocusEvent* event) {
  const int cursor = cursorPosition();
  const int selectionStart = QLineEdit::selectionStart();
  const int selectionLength = static_cast<int>(selectedText().size());
  const AliveWatch alive(this);
  QLineEdit::focusInEvent(event);
  if (!alive) return;
  // Qt selects on tab focus by itself; whether to select is AutoSelect's.
  if (selectionLength > 0) {
    setSelection(selectionStart, selectionLength);
  } else {
    setCursorPosition(cursor);
  }
  if (event->reason() == Qt::PopupFocusReason || entered_) return;
  entered_ = true;
  focusFromLeftPress_ =
      event->reason() == Qt::MouseFocusReason && (QApplication::mouseButtons() & Qt::LeftButton);
  Guard([this] { DoEnter(); });
  if (alive) focusFromLeftPress_ = false;
}

void TCustomMaskEditEx::focusOutEvent(QFocusEvent* event) {
  const Qt::FocusReason reason = event->reason();
  if (reason == Qt::PopupFocusReason) {
    QLineEdit::focusOutEvent(event);
    return;
  }
  const AliveWatch alive(this);
  Guard([this] { FocusLost(); });
  if (!alive) return;
  QLineEdit::focusOutEvent(event);
  // Another window taking the focus leaves this the focused control of its
  // own window.
  if (!alive || reason == Qt::ActiveWindowFocusReason || !entered_) return;
  Guard([&] {
    try {
      DoExit();
    } catch (...) {
      if (alive) entered_ = hasFocus();
      throw;
    }
    if (alive) entered_ = false;
  });
}

void TCustomMaskEditEx::changeEvent(QEvent* event) {
  const AliveWatch alive(this);
  QLineEdit::changeEvent(event);
  if (!alive) return;
  switch (event->type()) {
    case QEvent::FontChange:
      Guard([this] { FontChanged(); });
      break;
    case QEvent::EnabledChange:
      Guard([this] { EnabledChanged(); });
      break;
    case QEvent::LayoutDirectionChange:
      Guard([this] { ReadingDirectionChanged(); });
      break;
    case QEvent::PaletteChange:
      Guard([this] { UpdateOpaqueness(); });
      break;
    default:
      break;
  }
}

void TCustomMaskEditEx::resizeEvent(QResizeEvent* event) {
  const AliveWatch alive(this);
  QLineEdit::resizeEvent(event);
  if (!alive) return;
  Guard([this] {
    UpdateOpaqueness();
    ApplyTextArea();
  });
}

void TCustomMaskEditEx::UpdateOpaqueness() {
  bool opaque = borderStyle_ == TBorderStyle::bsNone && bevelOverlay_.RingsOpaque(width(), height(), bevel_);
  const QPalette& colours = palette();
  for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    opaque = opaque && colours.brush(group, QPalette::Base).isOpaque();
  }
  if (opaque == opaque_) return;
  opaque_ = opaque;
  setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

void TCustomMaskEditEx::paintEvent(QPaintEvent* event) {
  QLineEdit::paintEvent(event);
  if (bevel_.Width() == 0) return;
  QPainter painter(this);
  bevelOverlay_.Paint(painter, width(), height(), bevel_);
}

TMaskEditEx::TMaskEditEx(QWidget* parent) : TCustomMaskEditEx(parent) { CreateHandle(); }

TMaskEditEx::~TMaskEditEx() = default;

}  // namespace ostrak
