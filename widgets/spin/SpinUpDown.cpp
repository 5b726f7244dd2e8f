#include "widgets/spin/SpinUpDown.h"

#include <algorithm>

#include "platform/AliveWatch.h"
#include "platform/SystemMetrics.h"

namespace ostrak {

TSpinUpDown::TSpinUpDown(QWidget* parent) : UpDown(parent) {
  SetRange(-1, 1);
  SetPosition(0);
  SetWrap(UpDownWrap::No);
  // Only the first entry of the acceleration table stays, with increment 1.
  std::vector<UDACCEL> table = Acceleration();
  table.resize(1);
  table.front().nInc = 1;
  SetAcceleration(std::move(table));
  // Whatever size it is given, also while hidden, it keeps the standard width.
  setFixedWidth(StandardWidth());
}

// No click reaches the owner while it is being torn down.
TSpinUpDown::~TSpinUpDown() { OnClick = nullptr; }

int TSpinUpDown::StandardWidth() { return std::min(GetSystemMetrics(SM_CXVSCROLL), 15); }

void TSpinUpDown::Scroll(int code, int position) {
  if (code != SB_THUMBPOSITION || busy_) return;
  busy_ = true;
  // The position goes back to 0 also when a handler fails, so the next press
  // of either arrow still moves it and clicks; a handler that took the
  // control away leaves nothing to reset.
  struct Reset {
    TSpinUpDown& self;
    AliveWatch alive{&self};
    ~Reset() {
      if (!alive) return;
      self.SetPosition(0);
      self.busy_ = false;
    }
  } reset{*this};
  if (position > 0 && OnClick) OnClick(this, TUDBtnType::btNext);
  if (position < 0 && OnClick) OnClick(this, TUDBtnType::btPrev);
}

}  // namespace ostrak
