#pragma once

// Event signatures of the controls. Events are plain callables raised
// synchronously from our own code, never Qt signals, so a failure inside a
// handler travels back to whoever caused the event.

#include <QObject>
#include <cstdint>
#include <functional>

namespace ostrak {

using TNotifyEvent = std::function<void(QObject* sender)>;

enum class TMouseButton { mbLeft, mbRight, mbMiddle };

// Shift state bits as the toolkit numbers them.
enum TShiftStateBit : std::uint16_t {
  ssShift = 1,
  ssAlt = 2,
  ssCtrl = 4,
  ssLeft = 8,
  ssRight = 16,
  ssMiddle = 32,
  ssDouble = 64,
};
using TShiftState = std::uint16_t;

using TMouseEvent =
    std::function<void(QObject* sender, TMouseButton button, TShiftState shift, int x, int y)>;
using TMouseMoveEvent = std::function<void(QObject* sender, TShiftState shift, int x, int y)>;

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

}  // namespace ostrak
