#pragma once

// Waiting on the event loop without sleeping: events are processed as they
// come (blocking only while none is pending) until a condition holds.

#include <QWidget>
#include <chrono>
#include <functional>

namespace ostrak::bench {

// False when `limit` passed first.
bool ProcessEventsUntil(const std::function<bool()>& done, std::chrono::milliseconds limit);

// Until the window is off the screen and nothing is left queued, so what is
// timed next does not pay for it.
bool SettleHidden(QWidget& window);

// Shows the window and waits until it and all its widgets have been painted.
bool ShowAndWaitPainted(QWidget& window);

}  // namespace ostrak::bench
