#pragma once

// A font object as the controls own it: name, height, style, colour,
// character set and pitch, with a change event. Every real change of an
// attribute fires OnChange once; Assign copies all attributes and fires once
// when anything differed. The drawing surface takes a QFont made from it.

#include <QFont>
#include <QString>
#include <cstdint>
#include <functional>

#include "core/Colors.h"

namespace ostrak {

enum class TFontStyle : std::uint8_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFontStyles {
public:
  constexpr TFontStyles() = default;
  constexpr TFontStyles(TFontStyle style) : bits_(static_cast<std::uint8_t>(style)) {}
  constexpr bool Contains(TFontStyle style) const { return (bits_ & static_cast<std::uint8_t>(style)) != 0; }
  constexpr TFontStyles operator|(TFontStyles other) const { return FromBits(bits_ | other.bits_); }
  constexpr TFontStyles Without(TFontStyle style) const {
    return FromBits(bits_ & ~static_cast<std::uint8_t>(style));
  }
  constexpr std::uint8_t Bits() const { return bits_; }
  static constexpr TFontStyles FromBits(unsigned bits) {
    TFontStyles styles;
    styles.bits_ = static_cast<std::uint8_t>(bits & 0x0F);
    return styles;
  }
  friend constexpr bool operator==(TFontStyles, TFontStyles) = default;

private:
  std::uint8_t bits_ = 0;
};

constexpr TFontStyles operator|(TFontStyle a, TFontStyle b) { return TFontStyles(a) | TFontStyles(b); }

enum class TFontPitch { fpDefault, fpVariable, fpFixed };

constexpr std::uint8_t DEFAULT_CHARSET = 1;
constexpr std::uint8_t ANSI_CHARSET = 0;

class TFont {
public:
  TFont();
  TFont(const QString& name, int height, TFontStyles style = {}, TColor color = clWindowText);
  TFont(const TFont& other);
  TFont& operator=(const TFont& other);  // copies attributes only, never OnChange

  const QString& Name() const { return name_; }
  void SetName(const QString& name);
  // Pixels; negative is the character height without internal leading, the
  // way the forms store it (-11 is "Tahoma 11 px", 8 points at 96 dpi).
  int Height() const { return height_; }
  void SetHeight(int height);
  // Points at 96 dots per inch, derived from Height.
  int Size() const;
  void SetSize(int points);
  TFontStyles Style() const { return style_; }
  void SetStyle(TFontStyles style);
  TColor Color() const { return color_; }
  void SetColor(TColor color);
  std::uint8_t Charset() const { return charset_; }
  void SetCharset(std::uint8_t charset);
  TFontPitch Pitch() const { return pitch_; }
  void SetPitch(TFontPitch pitch);

  // Copies every attribute; OnChange fires once if any differed.
  void Assign(const TFont& source);

  // The face to draw with: not antialiased, so every text pixel is exactly the
  // text colour.
  QFont ToQFont() const;

  std::function<void(TFont&)> OnChange;

  friend bool SameAttributes(const TFont& a, const TFont& b);

private:
  void Changed();

  QString name_;
  int height_;
  TFontStyles style_;
  TColor color_;
  std::uint8_t charset_ = DEFAULT_CHARSET;
  TFontPitch pitch_ = TFontPitch::fpDefault;
  int updating_ = 0;
  bool pending_ = false;
};

}  // namespace ostrak
