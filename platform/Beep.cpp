#include "platform/Beep.h"

#include <QApplication>

namespace ostrak {

namespace {

ScopedBeepCounter*& ActiveCounter() {
  static ScopedBeepCounter* counter = nullptr;
  return counter;
}

}  // namespace

ScopedBeepCounter::ScopedBeepCounter() : previous_(ActiveCounter()) { ActiveCounter() = this; }

ScopedBeepCounter::~ScopedBeepCounter() { ActiveCounter() = previous_; }

void MessageBeep() {
  if (ScopedBeepCounter* counter = ActiveCounter()) {
    ++counter->count_;
    return;
  }
  QApplication::beep();
}

}  // namespace ostrak
