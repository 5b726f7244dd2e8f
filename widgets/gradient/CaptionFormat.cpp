#include "widgets/gradient/CaptionFormat.h"

#include <algorithm>
#include <cstdint>

namespace ostrak {

namespace {

// Widths and precisions beyond this are taken as this, so a stray pattern
// cannot ask for a caption of millions of characters.
constexpr int kMaxCount = 9999;

class Formatter {
public:
  Formatter(const QString& pattern, int argument) : pattern_(pattern), argument_(argument) {}

  std::optional<QString> Run() {
    QString out;
    while (at_ < pattern_.size()) {
      const QChar c = pattern_[at_++];
      if (c != QLatin1Char('%')) {
        out += c;
        continue;
      }
      if (at_ == pattern_.size()) break;  // a final lone '%' is dropped
      if (pattern_[at_] == QLatin1Char('%')) {
        out += QLatin1Char('%');
        ++at_;
        continue;
      }
      if (!Specifier(out)) return std::nullopt;
    }
    return out;
  }

private:
  // One specifier after its '%': [index ':'] ['-'] [width] ['.' precision] type.
  bool Specifier(QString& out) {
    const int start = at_;
    int number = 0;
    const bool hadNumber = Number(number);
    if (hadNumber && Peek() == QLatin1Char(':')) {
      ++at_;
      next_ = number;
    } else {
      at_ = start;
    }
    bool left = false;
    if (Peek() == QLatin1Char('-')) {
      left = true;
      ++at_;
    }
    int width = 0;
    if (!Count(width)) return false;
    int precision = -1;
    if (Peek() == QLatin1Char('.')) {
      ++at_;
      precision = 0;
      if (!Count(precision)) return false;
    }
    if (at_ >= pattern_.size()) return false;
    const char type = static_cast<char>(pattern_[at_++].toLower().unicode());
    if (type != 'd' && type != 'u' && type != 'x') return false;
    int value = 0;
    if (!Take(value)) return false;

    QString digits;
    bool negative = false;
    if (type == 'd') {
      negative = value < 0;
      digits =
          QString::number(negative ? -static_cast<std::int64_t>(value) : static_cast<std::int64_t>(value));
    } else {
      digits = QString::number(static_cast<std::uint32_t>(value), type == 'x' ? 16 : 10).toUpper();
    }
    if (precision > digits.size()) digits = QString(precision - digits.size(), QLatin1Char('0')) + digits;
    if (negative) digits = QLatin1Char('-') + digits;
    if (width > digits.size()) {
      const QString padding(width - digits.size(), QLatin1Char(' '));
      digits = left ? digits + padding : padding + digits;
    }
    out += digits;
    return true;
  }

  QChar Peek() const { return at_ < pattern_.size() ? pattern_[at_] : QChar(); }

  bool Number(int& value) {
    const int start = at_;
    value = 0;
    while (at_ < pattern_.size() && pattern_[at_].isDigit() && pattern_[at_].unicode() < 128) {
      value = std::min(value * 10 + (pattern_[at_].unicode() - '0'), kMaxCount);
      ++at_;
    }
    return at_ > start;
  }

  // A width or precision: digits, or '*' taking the next argument.
  bool Count(int& value) {
    if (Peek() == QLatin1Char('*')) {
      ++at_;
      return Take(value);
    }
    Number(value);
    return true;
  }

  // The next argument; there is only one.
  bool Take(int& value) {
    if (next_ != 0) return false;
    ++next_;
    value = argument_;
    return true;
  }

  const QString& pattern_;
  int argument_;
  int at_ = 0;
  int next_ = 0;
};

}  // namespace

std::optional<QString> FormatWithInteger(const QString& pattern, int argument) {
  return Formatter(pattern, argument).Run();
}

}  // namespace ostrak
