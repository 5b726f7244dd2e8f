#pragma once

// A tool tip is shown as the plain text it was given. Qt guesses rich text
// from the text itself, so a caption such as "<b>x</b>" would show a bold
// "x"; captions come from the language files, which anyone may edit. Every
// control that shows a tool tip hands this each event it receives first.

class QEvent;
class QWidget;

namespace ostrak {

// Shows the control's tool tip for a tool-tip event and answers true; false
// for any other event, and for a control without one (the event goes on).
bool ShowPlainToolTip(QWidget& control, QEvent& event);

}  // namespace ostrak
