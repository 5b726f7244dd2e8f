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
// The image is Format_RGB32, Format_ARGB32 or Format_ARGB32_Premultiplied
// (any other format is converted when the surface is made); every pixel the
// surface draws is opaque, so on a transparent image what was not drawn lets
// the parent show through. Coordinates outside the image are clipped.
// A surface may stand for a finer device: at scale k its image holds k x k
// device pixels for every pixel, and every coordinate given here stays in
// pixels. Shapes, lines and blits then draw each pixel as a k x k block, so
// the picture is the scale-1 picture enlarged and every rule above holds
// unchanged; text is drawn from the face at k times its size at the scaled
// place, so its strokes are one device pixel fine. Measuring stays in pixels
// of the face at its own size.

#include <QFont>
#include <QImage>
#include <QRect>
#include <QString>
#include <cstdint>
#include <vector>

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
  // (a plain colour 0x00BBGGRR), `scale` (at least 1) device pixels a pixel
  // on each axis.
  Surface(int width, int height, TColor fill = clBlack, int scale = 1);
  // A surface that draws on an image owned elsewhere (a widget's buffer); its
  // scale is the image's device pixel ratio, rounded to a whole number.
  explicit Surface(QImage* target);

  Surface(const Surface&) = delete;
  Surface& operator=(const Surface&) = delete;

  // The image in device pixels; its device pixel ratio is the scale.
  QImage& Image();
  const QImage& Image() const;
  int Width() const;
  int Height() const;
  int Scale() const { return scale_; }
  // Resizes the image and takes a new scale; the content is undefined
  // afterwards.
  void Resize(int width, int height, int scale);

  // The colour at (x, y) as 0x00BBGGRR (the top-left device pixel of its
  // block); clNone where the pixel is fully transparent (never drawn on a
  // transparent image) or outside the image.
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
  // Only MM_TEXT exists here: any other mode is refused with 0.
  int SetMapMode(int mode);
  // 32 for BITSPIXEL, 1 for PLANES, 0 for anything else.
  int GetDeviceCaps(int index) const;
  // Where the 8 x 8 hatch patterns start; (0, 0), the surface origin, unless
  // set. Returns the previous origin.
  TPoint SetBrushOrg(int x, int y);
  TPoint GetBrushOrg() const;

  // Shapes. An empty or inverted rectangle fills nothing. A hatched brush
  // draws its lines in its colour; the gaps take the background colour in
  // OPAQUE mode and are left alone in TRANSPARENT mode.
  void FillRect(const TRect& rect, const Brush& brush);
  TPoint MoveTo(int x, int y);  // returns the previous current point
  // Horizontal, vertical and 45-degree lines are exact; other slopes step the
  // major axis one pixel at a time and round the minor one, halves toward the
  // end point. Styled pens (dash, dot...) continue their pattern from line to
  // line until the next MoveTo or SelectPen; their gaps follow the background
  // mode like hatches. A pen wider than 1 stamps a width x width square
  // centred on every pixel of the thin line, end point excluded as well.
  void LineTo(int x, int y);
  TPoint CurrentPoint() const;

  // Text, in the selected font and text colour. (x, y) is the top-left of the
  // text cell. With OPAQUE background mode or ETO_OPAQUE the cell is filled
  // with the background colour first.
  void ExtTextOut(int x, int y, unsigned options, const TRect* clip, const QString& text);
  // Single-line DrawText with the flags above (line breaks are not
  // interpreted); '&' underlines the next character with a one-pixel line in
  // the text colour one row below the baseline, "&&" prints one '&' and a
  // final lone '&' is dropped, unless DT_NOPREFIX. DT_VCENTER and DT_BOTTOM
  // apply with DT_SINGLELINE. Clipped to rect unless DT_NOCLIP. Returns the
  // text height; with DT_CALCRECT it draws nothing and only sets rect's right
  // and bottom to fit the text.
  int DrawText(const QString& text, TRect& rect, unsigned format);
  // Advance width and cell height (ascent + descent) of the text in the
  // selected font; an empty text is 0 wide and a cell high. The cell is the
  // platform's: it encloses the face's declared Windows ascent and descent
  // scaled to the pixel size (Tahoma 11 px: 11 + 2), or the bitmap strike's
  // own metrics where those are taller.
  TSize GetTextExtentPoint32(const QString& text) const;
  // The selected font's ascent: the baseline lies this far below a text
  // cell's top.
  int GetTextAscent() const;

  // Copies w x h pixels from source (sx, sy) to (x, y), as they are
  // (transparency included), clipped to both images; SRCCOPY only, any other
  // operation copies nothing. The source may be this surface. A source of
  // another scale is resampled to the nearest device pixel.
  void BitBlt(int x, int y, int w, int h, const Surface& source, int sx, int sy, std::uint32_t rop = SRCCOPY);
  // Like BitBlt, but opaque pixels of exactly `transparent` (resolved with
  // ColorToRGB) are skipped; clNone skips nothing.
  void TransparentBlt(int x, int y, int w, int h, const Surface& source, int sx, int sy, TColor transparent);

private:
  // Fills the pixels [left, right) x [top, bottom), already clipped.
  void FillPixels(int left, int top, int right, int bottom, std::uint32_t argb);
  void FillSquare(int x, int y, int size, std::uint32_t argb);
  void DrawTextRun(int x, int y, const QString& text, const TRect* clip, int underline);
  void Blit(int x, int y, int w, int h, const Surface& source, int sx, int sy, TColor key);
  // The selected face at the device's size.
  const QFont& DeviceFont();

  QImage own_;
  QImage* image_;
  int scale_ = 1;
  QFont deviceFont_;
  bool deviceFontStale_ = true;
  Pen pen_;
  Brush brush_;
  QFont font_;
  int bkMode_ = OPAQUE;
  TColor bkColor_ = clWhite;
  TColor textColor_ = clBlack;
  int mapMode_ = MM_TEXT;
  TPoint current_;
  TPoint brushOrg_;
  int dashPos_ = 0;     // position in the styled pen's pattern
  int cellAscent_ = 0;  // of font_
  int cellDescent_ = 0;
};

// While one lives, every surface reports where its text lands: each run's
// cell widened to the bounds of its glyphs, clipped as drawn, in device
// pixels of the surface's image. For checking pictures, not for drawing.
class TextRunLog {
public:
  TextRunLog();
  ~TextRunLog();
  TextRunLog(const TextRunLog&) = delete;
  TextRunLog& operator=(const TextRunLog&) = delete;

  const std::vector<QRect>& Runs() const { return runs_; }
  static bool Active();
  static void Record(const QRect& run);

private:
  std::vector<QRect> runs_;
  TextRunLog* previous_;
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
