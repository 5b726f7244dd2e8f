#pragma once

namespace ostrak {

// Drops every mouse event (moves, presses, releases, double-clicks, wheel)
// still queued for delivery, so input that arrived while a blocking popup
// was open cannot reach a control afterwards.
void DiscardQueuedMouseInput();

}  // namespace ostrak
