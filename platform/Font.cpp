#include "platform/Font.h"

#include <algorithm>

#include "core/MulDiv.h"

namespace ostrak {

namespace {
constexpr int kPixelsPerInch = 96;
}

TFont::TFont() : TFont(QStringLiteral("Tahoma"), -11) {}

TFont::TFont(const QString& name, int height, TFontStyles style, TColor color)
    : name_(name), height_(height), style_(style), color_(color) {}

TFont::TFont(const TFont& other)
    : name_(other.name_),
      height_(other.height_),
      style_(other.style_),
      color_(other.color_),
      charset_(other.charset_),
      pitch_(other.pitch_) {}

TFont& TFont::operator=(const TFont& other) {
  if (this != &other) {
    name_ = other.name_;
    height_ = other.height_;
    style_ = other.style_;
    color_ = other.color_;
    charset_ = other.charset_;
    pitch_ = other.pitch_;
  }
  return *this;
}

void TFont::SetName(const QString& name) {
  if (name == name_) return;
  name_ = name;
  Changed();
}

void TFont::SetHeight(int height) {
  if (height == height_) return;
  height_ = height;
  Changed();
}

int TFont::Size() const { return -MulDiv(height_, 72, kPixelsPerInch); }

void TFont::SetSize(int points) { SetHeight(-MulDiv(points, kPixelsPerInch, 72)); }

void TFont::SetStyle(TFontStyles style) {
  if (style == style_) return;
  style_ = style;
  Changed();
}

void TFont::SetColor(TColor color) {
  if (color == color_) return;
  color_ = color;
  Changed();
}

void TFont::SetCharset(std::uint8_t charset) {
  if (charset == charset_) return;
  charset_ = charset;
  Changed();
}

void TFont::SetPitch(TFontPitch pitch) {
  if (pitch == pitch_) return;
  pitch_ = pitch;
  Changed();
}

void TFont::Assign(const TFont& source) {
  if (&source == this) return;
  ++updating_;
  SetName(source.name_);
  SetHeight(source.height_);
  SetStyle(source.style_);
  SetColor(source.color_);
  SetCharset(source.charset_);
  SetPitch(source.pitch_);
  --updating_;
  if (pending_) {
    pending_ = false;
    if (OnChange) OnChange(*this);
  }
}

void TFont::Changed() {
  if (updating_ > 0) {
    pending_ = true;
    return;
  }
  if (OnChange) OnChange(*this);
}

QFont TFont::ToQFont() const {
  QFont font(name_);
  // A positive height is the cell height; Tahoma's em is about 83% of it.
  font.setPixelSize(height_ < 0 ? -height_ : std::max(1, height_ * 5 / 6));
  font.setBold(style_.Contains(TFontStyle::fsBold));
  font.setItalic(style_.Contains(TFontStyle::fsItalic));
  font.setUnderline(style_.Contains(TFontStyle::fsUnderline));
  font.setStrikeOut(style_.Contains(TFontStyle::fsStrikeOut));
  if (pitch_ == TFontPitch::fpFixed) font.setFixedPitch(true);
  font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::NoSubpixelAntialias));
  font.setHintingPreference(QFont::PreferFullHinting);
  font.setKerning(false);
  return font;
}

bool SameAttributes(const TFont& a, const TFont& b) {
  return a.name_ == b.name_ && a.height_ == b.height_ && a.style_ == b.style_ && a.color_ == b.color_ &&
         a.charset_ == b.charset_ && a.pitch_ == b.pitch_;
}

}  // namespace ostrak
