#pragma once

// The drawing surface every widget paints on: a device context over a 32-bit
// image with the platform's pixel rules.
//  - FillRect includes left and top, excludes right and bottom.
//  - MoveTo/LineTo draw from the current point (included) to the end point
//    (excluded), at any slope, and leave the current point at the end.
//  - Text is drawn with QPainter on the same image with antialiasing off, so
//    every text pixel is exactly the text colour or untouched.
// Pens, brushes and fonts are plain values; Select* puts one in and returns
// the one it replaced, and the Selected* guards put it back on scope exit.
// Colours given here may be system colours; the surface resolves them with
// ColorToRGB before drawing. clNone draws nothing.
// The image is Format_RGB32 or Format_ARGB32_Premultiplied; every pixel the
// surface draws is opaque, so on a transparent image what was not drawn lets
// the parent show through.

#include <QFont>
#include <QImage>
#include <QString>
#include <cstdint>

#include "core/Colors.h"
#include "platform/Geometry.h"

namespace ostrak {

// Pen styles.
constexpr int PS_SOLID = 0;
constexpr int PS_DASH = 1;
constexpr int PS_DOT = 2;
constexpr int PS_DASHDOT = 3;
constexpr int PS_DASHDOTDOT = 4;
constexpr int PS_NULL = 5;
constexpr int PS_INSIDEFRAME = 6;

// Hatch styles.
constexpr int HS_HORIZONTAL = 0;
constexpr int HS_VERTICAL = 1;
constexpr int HS_FDIAGONAL = 2;
constexpr int HS_BDIAGONAL = 3;
constexpr int HS_CROSS = 4;
constexpr int HS_DIAGCROSS = 5;

// Background modes.
constexpr int TRANSPARENT = 1;
constexpr int OPAQUE = 2;

// ExtTextOut options.
constexpr unsigned ETO_OPAQUE = 0x0002;
constexpr unsigned ETO_CLIPPED = 0x0004;

// DrawText format flags.
constexpr unsigned DT_LEFT = 0x0000;
constexpr unsigned DT_CENTER = 0x0001;
constexpr unsigned DT_RIGHT = 0x0002;
constexpr unsigned DT_VCENTER = 0x0004;
constexpr unsigned DT_BOTTOM = 0x0008;
constexpr unsigned DT_SINGLELINE = 0x0020;
constexpr unsigned DT_NOCLIP = 0x0100;
constexpr unsigned DT_CALCRECT = 0x0400;
constexpr unsigned DT_NOPREFIX = 0x0800;

// GetDeviceCaps indexes.
constexpr int BITSPIXEL = 12;
constexpr int PLANES = 14;

// Mapping modes.
constexpr int MM_TEXT = 1;

// Raster operation.
constexpr std::uint32_t SRCCOPY = 0x00CC0020;

struct Pen {
  int style = PS_SOLID;
  int width = 1;  // 0 draws as 1
  TColor color = clBlack;
  friend bool operator==(const Pen&, const Pen&) = default;
};

enum class BrushKind { Solid, Hatched, Null };

struct Brush {
  BrushKind kind = BrushKind::Solid;
  TColor color = clWhite;
  int hatch = HS_HORIZONTAL;  // for BrushKind::Hatched; out-of-range hatches draw nothing

  static Brush Solid(TColor color) { return Brush{BrushKind::Solid, color, HS_HORIZONTAL}; }
  static Brush Hatched(int hatch, TColor color) { return Brush{BrushKind::Hatched, color, hatch}; }
  friend bool operator==(const Brush&, const Brush&) = default;
};

class Surface {
public:
  // A surface over its own image of the given size, filled with `fill`
  // (a plain colour 0x00BBGGRR).
  Surface(int width, int height, TColor fill = clBlack);
  // A surface that draws on an image owned elsewhere (a widget's buffer).
  explicit Surface(QImage* target);

  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  QImage& Image();
  const QImage& Image() const;
  int Width() const;
  int Height() const;
  // Resizes the owned image; the content is undefined afterwards.
  void Resize(int width, int height);

  // The colour at (x, y) as 0x00BBGGRR; for tests and the transparent copy.
  TColor Pixel(int x, int y) const;

  // Selection: each returns what it replaced.
  Pen SelectPen(const Pen& pen);
  Brush SelectBrush(const Brush& brush);
  QFont SelectFont(const QFont& font);
  const Pen& CurrentPen() const;
  const Brush& CurrentBrush() const;
  const QFont& CurrentFont() const;

  int SetBkMode(int mode);
  int GetBkMode() const;
  TColor SetBkColor(TColor color);
  TColor GetBkColor() const;
  TColor SetTextColor(TColor color);
  TColor GetTextColor() const;
  int GetMapMode() const;
  int SetMapMode(int mode);
  int GetDeviceCaps(int index) const;

  // Shapes.
  void FillRect(const TRect& rect, const Brush& brush);
  TPoint MoveTo(int x, int y);  // returns the previous current point
  void LineTo(int x, int y);
  TPoint CurrentPoint() const;

  // Text, in the selected font and text colour. (x, y) is the top-left of the
  // text cell. With OPAQUE background mode or ETO_OPAQUE the cell is filled
  // with the background colour first.
  void ExtTextOut(int x, int y, unsigned options, const TRect* clip, const QString& text);
  // Single-line DrawText with the flags above; '&' underlines the next
  // character and "&&" prints one, unless DT_NOPREFIX. Returns the text
  // height; with DT_CALCRECT it only sets rect's right and bottom.
  int DrawText(const QString& text, TRect& rect, unsigned format);
  TSize GetTextExtentPoint32(const QString& text) const;

  // Copies w x h pixels from source (sx, sy) to (x, y); SRCCOPY only.
  void BitBlt(int x, int y, int w, int h, const Surface& source, int sx, int sy, std::uint32_t rop = SRCCOPY);
  // Like BitBlt, but pixels of exactly `transparent` (resolved) are skipped.
  void TransparentBlt(int x, int y, int w, int h, const Surface& source, int sx, int sy, TColor transparent);

private:
  QImage own_;
  QImage* image_;
  Pen pen_;
  Brush brush_;
  QFont font_;
  int bkMode_ = OPAQUE;
  TColor bkColor_ = clWhite;
  TColor textColor_ = clBlack;
  int mapMode_ = MM_TEXT;
  TPoint current_;
};

// Scope guards that select a pen, brush or font and put the previous one back.
class SelectedPen {
public:
  SelectedPen(Surface& surface, const Pen& pen) : surface_(surface), previous_(surface.SelectPen(pen)) {}
  ~SelectedPen() { surface_.SelectPen(previous_); }
  SelectedPen(const SelectedPen&) = delete;
  SelectedPen& operator=(const SelectedPen&) = delete;

private:
  Surface& surface_;
  Pen previous_;
};

class SelectedBrush {
public:
  SelectedBrush(Surface& surface, const Brush& brush)
      : surface_(surface), previous_(surface.SelectBrush(brush)) {}
  ~SelectedBrush() { surface_.SelectBrush(previous_); }
  SelectedBrush(const SelectedBrush&) = delete;
  SelectedBrush& operator=(const SelectedBrush&) = delete;

private:
  Surface& surface_;
  Brush previous_;
};

class SelectedFont {
public:
  SelectedFont(Surface& surface, const QFont& font)
      : surface_(surface), previous_(surface.SelectFont(font)) {}
  ~SelectedFont() { surface_.SelectFont(previous_); }
  SelectedFont(const SelectedFont&) = delete;
  SelectedFont& operator=(const SelectedFont&) = delete;

private:
  Surface& surface_;
  QFont previous_;
};

class SavedBkMode {
public:
  SavedBkMode(Surface& surface, int mode) : surface_(surface), previous_(surface.SetBkMode(mode)) {}
  ~SavedBkMode() { surface_.SetBkMode(previous_); }
  SavedBkMode(const SavedBkMode&) = delete;
  SavedBkMode& operator=(const SavedBkMode&) = delete;

private:
  Surface& surface_;
  int previous_;
};

}  // namespace ostrak
