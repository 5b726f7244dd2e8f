#pragma once

// A picture the program hands out as a file: a fighter card or a radar. It is
// drawn twice over: as pixels at a whole scale for PNG, and as shapes and text
// for SVG and PDF. The same drawing gives the same bytes on every run, so
// files can be compared and shared: a PDF lists its fonts in the order of
// Qt's hash tables, so a program that writes drawings fixes their seed at
// start (QHashSeed::setDeterministicGlobalSeed).

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>
#include <optional>
#include <vector>

#include "platform/FileDialog.h"

class QPainter;

namespace ostrak {

class Drawing {
public:
  virtual ~Drawing() = default;
  // In pixels at scale 1.
  virtual QSize Size() const = 0;
  // What a document viewer shows as the file's title.
  virtual QString Title() const = 0;
  // The picture at `scale` device pixels a pixel (the image's device pixel ratio).
  virtual QImage Raster(int scale) = 0;
  // The picture as shapes and text, in pixels at scale 1.
  virtual void Paint(QPainter& painter) = 0;
};

enum class DrawingFormat { Png, Svg, Pdf };

inline constexpr int kMaxDrawingScale = 3;

// By the name's ending, case aside: .png, .svg or .pdf.
std::optional<DrawingFormat> FormatOfName(const QString& name);
// "png", "svg" or "pdf".
QString ExtensionOf(DrawingFormat format);

// The file's bytes. `scale` (1 to kMaxDrawingScale) applies to PNG only.
QByteArray Encode(Drawing& drawing, DrawingFormat format, int scale);

// Writes `bytes` to `path` whole or not at all: the file that was there stays
// until every byte is on disk, and a new file takes its name only once it is
// whole. The reason when it could not be written.
std::optional<QString> WriteWhole(const QString& path, const QByteArray& bytes);

// The save dialog's file types for a drawing: PNG at each scale, then SVG and
// PDF, in the program's language.
struct DrawingType {
  DrawingFormat format;
  int scale;
};
std::vector<DrawingType> DrawingTypes();
std::vector<FileFilter> DrawingFilters();
// The PNG type of `scale` in DrawingTypes.
int PngTypeIndex(int scale);

// What a name chosen with type `type` is written as: the format its ending
// names (the type's scale when that is its format, else the least scale of
// the format), else the type's, the type's ending added to the name.
struct DrawingTarget {
  QString path;
  DrawingType type;
};
DrawingTarget TargetOf(const QString& chosen, int type);

}  // namespace ostrak
