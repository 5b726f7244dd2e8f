// Text: ExtTextOut, DrawText and measuring, with QPainter on the surface's
// image and antialiasing off. On a finer device the glyphs come from the face
// at the device's size; measuring always answers from the face at its own.

#include <QFontInfo>
#include <QFontMetrics>
#include <QHash>
#include <QPainter>
#include <QRawFont>
#include <QtEndian>
#include <algorithm>
#include <array>
#include <optional>

#include "core/MulDiv.h"

#include "platform/Surface.h"
#include "platform/SurfacePixels.h"
#include "platform/SystemColors.h"

namespace ostrak {

namespace {

struct PrefixedText {
  QString shown;
  int underline = -1;  // index into `shown`, -1 for none
};

// "&x" shows x underlined (the last such wins), "&&" shows '&', and a lone
// '&' at the end is dropped.
PrefixedText StripPrefixes(const QString& text) {
  PrefixedText result;
  result.shown.reserve(text.size());
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != QLatin1Char('&')) {
      result.shown += text[i];
      continue;
    }
    if (++i == text.size()) break;
    if (text[i] != QLatin1Char('&')) result.underline = static_cast<int>(result.shown.size());
    result.shown += text[i];
  }
  return result;
}

struct CellMetrics {
  int ascent = 0;
  int descent = 0;
};

template <typename T>
T ReadBigEndian(const QByteArray& table, qsizetype offset) {
  if (offset < 0 || offset + static_cast<qsizetype>(sizeof(T)) > table.size()) return T{};
  return qFromBigEndian<T>(table.constData() + offset);
}

// The face's Windows ascent and descent (OS/2 usWinAscent, usWinDescent) in
// pixels, as the platform sizes a text cell; the strike's metrics where the
// face declares none or the strike is taller.
CellMetrics ComputeCellMetrics(const QFont& font) {
  const QFontMetrics metrics(font);
  CellMetrics cell{metrics.ascent(), metrics.descent()};
  const QRawFont raw = QRawFont::fromFont(font);
  const QByteArray head = raw.fontTable("head");
  const QByteArray os2 = raw.fontTable("OS/2");
  const int unitsPerEm = ReadBigEndian<quint16>(head, 18);
  const int pixels = font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
  if (unitsPerEm > 0 && os2.size() >= 78) {
    cell.ascent = std::max(cell.ascent, MulDiv(ReadBigEndian<quint16>(os2, 74), pixels, unitsPerEm));
    cell.descent = std::max(cell.descent, MulDiv(ReadBigEndian<quint16>(os2, 76), pixels, unitsPerEm));
  }
  return cell;
}

CellMetrics CellMetricsOf(const QFont& font) {
  // Painting selects the same few fonts again and again (the surface's
  // default, a control's font, the default again); comparing with those
  // recent ones is much cheaper than building a font's key.
  struct Recent {
    QFont font;
    CellMetrics cell;
  };
  static std::array<std::optional<Recent>, 4> recent;
  static std::size_t next = 0;
  for (const std::optional<Recent>& entry : recent) {
    if (entry && entry->font == font) return entry->cell;
  }
  static QHash<QString, CellMetrics> cache;
  const QString key = font.key();
  auto found = cache.constFind(key);
  if (found == cache.constEnd()) found = cache.insert(key, ComputeCellMetrics(font));
  recent[next] = Recent{font, *found};
  next = (next + 1) % recent.size();
  return *found;
}

TRect Intersect(const TRect& a, const TRect& b) {
  return TRect{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
               std::min(a.bottom, b.bottom)};
}

TextRunLog* currentLog = nullptr;

}  // namespace

TextRunLog::TextRunLog() : previous_(currentLog) { currentLog = this; }

TextRunLog::~TextRunLog() { currentLog = previous_; }

bool TextRunLog::Active() { return currentLog != nullptr; }

void TextRunLog::Record(const QRect& run) {
  if (currentLog && !run.isEmpty()) currentLog->runs_.push_back(run);
}

QFont Surface::SelectFont(const QFont& font) {
  QFont previous = font_;
  font_ = font;
  deviceFontStale_ = true;
  const CellMetrics cell = CellMetricsOf(font_);
  cellAscent_ = cell.ascent;
  cellDescent_ = cell.descent;
  return previous;
}

TSize Surface::GetTextExtentPoint32(const QString& text) const {
  return TSize{QFontMetrics(font_).horizontalAdvance(text), cellAscent_ + cellDescent_};
}

int Surface::GetTextAscent() const { return cellAscent_; }

const QFont& Surface::DeviceFont() {
  if (deviceFontStale_) {
    deviceFont_ = font_;
    if (font_.pixelSize() > 0) {
      deviceFont_.setPixelSize(font_.pixelSize() * scale_);
    } else {
      deviceFont_.setPointSizeF(font_.pointSizeF() * scale_);
    }
    deviceFontStale_ = false;
  }
  return deviceFont_;
}

// Draws one run with its cell top-left at (x, y): the cell in the background
// colour when OPAQUE, the glyphs, and the underline of character `underline`.
void Surface::DrawTextRun(int x, int y, const QString& text, const TRect* clip, int underline) {
  // Qt would normalise an inverted clip rectangle; here it holds no pixel.
  if (clip && IsRectEmpty(*clip)) return;
  if (bkMode_ == OPAQUE && bkColor_ != clNone) {
    const TSize extent = GetTextExtentPoint32(text);
    const TRect cell{x, y, x + extent.cx, y + extent.cy};
    FillRect(clip ? Intersect(cell, *clip) : cell, Brush::Solid(bkColor_));
  }
  if (textColor_ == clNone || text.isEmpty()) return;
  const TColor ink = ColorToRGB(textColor_);
  const int baseline = y + cellAscent_;
  const int k = scale_;
  QRect deviceClip(0, 0, image_->width(), image_->height());
  if (clip) {
    const TRect inside = Intersect(*clip, Rect(0, 0, Width(), Height()));
    deviceClip = IsRectEmpty(inside)
                     ? QRect()
                     : QRect(inside.left * k, inside.top * k, inside.Width() * k, inside.Height() * k);
  }
  if (!deviceClip.isEmpty()) {
    QPainter painter(image_);
    painter.setRenderHint(QPainter::TextAntialiasing, false);
    painter.setRenderHint(QPainter::Antialiasing, false);
    // In device pixels from here on, so the face is drawn at the device's
    // size rather than enlarged.
    if (k > 1) painter.scale(1.0 / k, 1.0 / k);
    if (clip) painter.setClipRect(deviceClip);
    const QFont& face = k > 1 ? DeviceFont() : font_;
    painter.setFont(face);
    painter.setPen(QColor::fromRgb(detail::OpaquePixel(ink)));
    painter.drawText(x * k, baseline * k, text);
    if (TextRunLog::Active()) {
      const TSize extent = GetTextExtentPoint32(text);
      const QRect cell(x * k, y * k, extent.cx * k, extent.cy * k);
      const QRect glyphs = QFontMetrics(face).boundingRect(text).translated(x * k, baseline * k);
      TextRunLog::Record(cell.united(glyphs).intersected(deviceClip));
    }
  }
  if (underline >= 0 && underline < text.size()) {
    const QFontMetrics metrics(font_);
    const int from = x + metrics.horizontalAdvance(text.left(underline));
    const int to = x + metrics.horizontalAdvance(text.left(underline + 1));
    TRect line{from, baseline + 1, to, baseline + 2};
    if (clip) line = Intersect(line, *clip);
    FillRect(line, Brush::Solid(ink));
  }
}

void Surface::ExtTextOut(int x, int y, unsigned options, const TRect* clip, const QString& text) {
  if ((options & ETO_OPAQUE) && clip && bkColor_ != clNone) FillRect(*clip, Brush::Solid(bkColor_));
  DrawTextRun(x, y, text, (options & ETO_CLIPPED) ? clip : nullptr, -1);
}

int Surface::DrawText(const QString& text, TRect& rect, unsigned format) {
  const PrefixedText line = (format & DT_NOPREFIX) ? PrefixedText{text, -1} : StripPrefixes(text);
  // Measuring the width shapes the text; only the placements below need it.
  const bool needsWidth = (format & (DT_CALCRECT | DT_CENTER | DT_RIGHT)) != 0;
  const TSize extent = needsWidth ? GetTextExtentPoint32(line.shown) : TSize{0, cellAscent_ + cellDescent_};
  if (format & DT_CALCRECT) {
    rect.right = rect.left + extent.cx;
    rect.bottom = rect.top + extent.cy;
    return extent.cy;
  }
  int x = rect.left;
  if (format & DT_CENTER) {
    x = (rect.left + rect.right - extent.cx) / 2;
  } else if (format & DT_RIGHT) {
    x = rect.right - extent.cx;
  }
  int y = rect.top;
  if (format & DT_SINGLELINE) {
    if (format & DT_VCENTER) {
      y = rect.top + (rect.Height() - extent.cy) / 2;
    } else if (format & DT_BOTTOM) {
      y = rect.bottom - extent.cy;
    }
  }
  DrawTextRun(x, y, line.shown, (format & DT_NOCLIP) ? nullptr : &rect, line.underline);
  return extent.cy;
}

}  // namespace ostrak
