#pragma once

// A press (a mouse button held since it went down on a control) normally ends
// with its release. When the control is hidden, disabled or blocked by a
// modal window, Qt delivers that release elsewhere or not at all, so the
// press must end there. Every pressable control asks this of each event it
// receives and ends its press when the answer is yes.

class QEvent;
class QWidget;

namespace ostrak {

bool InterruptsPress(const QWidget& control, const QEvent& event);

}  // namespace ostrak
