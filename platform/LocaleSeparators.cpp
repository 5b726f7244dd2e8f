#include "platform/LocaleSeparators.h"

#include <QLocale>
#include <QString>

namespace ostrak {

namespace {

// A locale may name a separator of several characters; the controls work
// with one, as the platform's locale settings do.
QChar FirstOf(const QString& text, QChar fallback) { return text.isEmpty() ? fallback : text.front(); }

}  // namespace

std::optional<ScopedLocaleSeparators::Pair>& ScopedLocaleSeparators::Override() {
  static std::optional<Pair> current;
  return current;
}

ScopedLocaleSeparators::ScopedLocaleSeparators(QChar decimal, QChar thousands) : previous_(Override()) {
  Override() = Pair{decimal, thousands};
}

ScopedLocaleSeparators::~ScopedLocaleSeparators() { Override() = previous_; }

QChar DecimalSeparator() {
  if (const auto& fixed = ScopedLocaleSeparators::Override()) return fixed->decimal;
  return FirstOf(QLocale::system().decimalPoint(), u'.');
}

QChar ThousandsSeparator() {
  if (const auto& fixed = ScopedLocaleSeparators::Override()) return fixed->thousands;
  return FirstOf(QLocale::system().groupSeparator(), u',');
}

}  // namespace ostrak
