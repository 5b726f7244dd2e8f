#pragma once

// The error beep for rejected keys and refused steps. Tests count beeps with
// ScopedBeepCounter instead of sounding them.

namespace ostrak {

void MessageBeep();

// Counts every MessageBeep of its lifetime instead of sounding it, then puts
// back what was there before.
class ScopedBeepCounter {
public:
  ScopedBeepCounter();
  ~ScopedBeepCounter();
  ScopedBeepCounter(const ScopedBeepCounter&) = delete;
  ScopedBeepCounter& operator=(const ScopedBeepCounter&) = delete;

  int Count() const { return count_; }

private:
  friend void MessageBeep();
  int count_ = 0;
  ScopedBeepCounter* previous_;
};

}  // namespace ostrak
