#pragma once

// The user's decimal and thousands separators, read from the system locale at
// every call so a change of locale applies at once. Tests fix them with
// ScopedLocaleSeparators.

#include <QChar>
#include <optional>

namespace ostrak {

QChar DecimalSeparator();
QChar ThousandsSeparator();

// Overrides both separators for its lifetime, then restores what was there
// before (nested overrides unwind in order).
class ScopedLocaleSeparators {
public:
  ScopedLocaleSeparators(QChar decimal, QChar thousands);
  ~ScopedLocaleSeparators();
  ScopedLocaleSeparators(const ScopedLocaleSeparators&) = delete;
  ScopedLocaleSeparators& operator=(const ScopedLocaleSeparators&) = delete;

private:
  struct Pair {
    QChar decimal;
    QChar thousands;
  };
  std::optional<Pair> previous_;
  friend QChar DecimalSeparator();
  friend QChar ThousandsSeparator();
  static std::optional<Pair>& Override();
};

}  // namespace ostrak
