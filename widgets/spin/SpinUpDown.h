#pragma once

// TSpinUpDown: the standard stepper of the spin box, an up-down control held
// at position 0 inside the range -1..1 that turns each position change into
// one OnClick (btNext for the upper arrow, btPrev for the lower one) and goes
// back to 0, so every press and every repeat tick is exactly one click and
// the control never accelerates.

#include <functional>

#include "platform/UpDown.h"

namespace ostrak {

enum class TUDBtnType { btNext, btPrev };
using TUDClickEvent = std::function<void(QObject* sender, TUDBtnType button)>;

class TSpinUpDown : public UpDown {
  Q_OBJECT

public:
  explicit TSpinUpDown(QWidget* parent = nullptr);
  ~TSpinUpDown() override;

  // Set while a scroll notification is being handled; a notification that
  // arrives meanwhile (from inside a click handler) is ignored.
  bool Busy() const { return busy_; }

  // The width the stepper keeps: the vertical scroll-bar width, at most 15.
  static int StandardWidth();

  TUDClickEvent OnClick;

protected:
  void Scroll(int code, int position) override;

private:
  bool busy_ = false;
};

}  // namespace ostrak
