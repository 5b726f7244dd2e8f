#include "ui/card/Drawing.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFileInfo>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSaveFile>
#include <QSvgGenerator>
#include <QTemporaryFile>
#include <algorithm>
#include <array>
#include <cerrno>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "ui/card/PngEncoder.h"

namespace ostrak {

namespace {

constexpr int kDotsPerInch = 96;
constexpr double kMetresPerInch = 0.0254;

QByteArray Png(Drawing& drawing, int scale) {
  const QImage image = drawing.Raster(std::clamp(scale, 1, kMaxDrawingScale));
  // A viewer that reads the density shows the picture at its size on screen.
  return EncodePng(image,
                   static_cast<int>(std::lround(kDotsPerInch * image.devicePixelRatio() / kMetresPerInch)));
}

QByteArray Svg(Drawing& drawing) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  QSvgGenerator svg;
  svg.setOutputDevice(&buffer);
  svg.setResolution(kDotsPerInch);
  svg.setSize(drawing.Size());
  svg.setViewBox(QRect(QPoint(0, 0), drawing.Size()));
  svg.setTitle(drawing.Title());
  svg.setDescription(QStringLiteral("Ostrak Editor"));
  QPainter painter(&svg);
  drawing.Paint(painter);
  painter.end();
  return bytes;
}

// The writer stamps the moment of writing into the document's information;
// blanked, in place so that every offset the file lists stays right, the
// same drawing is the same bytes on every run.
void BlankCreationDate(QByteArray& pdf) {
  const QByteArray key = "/CreationDate (";
  const qsizetype start = pdf.indexOf(key);
  if (start < 0) return;
  const qsizetype end = pdf.indexOf(')', start + key.size());
  if (end < 0) return;
  std::fill(pdf.begin() + start, pdf.begin() + end + 1, ' ');
}

QByteArray Pdf(Drawing& drawing) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  {
    QPdfWriter pdf(&buffer);
    pdf.setResolution(kDotsPerInch);
    const QSizeF points = QSizeF(drawing.Size()) * 72.0 / kDotsPerInch;
    pdf.setPageSize(QPageSize(points, QPageSize::Point, QString(), QPageSize::ExactMatch));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    pdf.setTitle(drawing.Title());
    pdf.setCreator(QStringLiteral("Ostrak Editor"));
    QPainter painter(&pdf);
    // Pictures in the page keep their pixels, as the PNG does.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    drawing.Paint(painter);
  }
  BlankCreationDate(bytes);
  return bytes;
}

}  // namespace

std::optional<DrawingFormat> FormatOfName(const QString& name) {
  const auto endsWith = [&](const char* ending) {
    return name.endsWith(QLatin1String(ending), Qt::CaseInsensitive);
  };
  if (endsWith(".png")) return DrawingFormat::Png;
  if (endsWith(".svg")) return DrawingFormat::Svg;
  if (endsWith(".pdf")) return DrawingFormat::Pdf;
  return std::nullopt;
}

QString ExtensionOf(DrawingFormat format) {
  switch (format) {
    case DrawingFormat::Svg:
      return QStringLiteral("svg");
    case DrawingFormat::Pdf:
      return QStringLiteral("pdf");
    case DrawingFormat::Png:
      break;
  }
  return QStringLiteral("png");
}

QByteArray Encode(Drawing& drawing, DrawingFormat format, int scale) {
  switch (format) {
    case DrawingFormat::Svg:
      return Svg(drawing);
    case DrawingFormat::Pdf:
      return Pdf(drawing);
    case DrawingFormat::Png:
      break;
  }
  return Png(drawing, scale);
}

std::optional<QString> WriteWhole(const QString& path, const QByteArray& bytes) {
  if (bytes.isEmpty()) return QCoreApplication::translate("ostrak::Drawing", "the picture could not be made");
  const QFileInfo target(path);
  if (target.exists() || target.isSymLink()) {
    // The file there is replaced only once the new one is whole and on disk.
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return file.errorString();
    if (file.write(bytes) != bytes.size()) {
      const QString reason = file.errorString();
      file.cancelWriting();
      return reason;
    }
    if (!file.commit()) return file.errorString();
    return std::nullopt;
  }
  // A new file puts nothing at stake: it takes its name once it is whole,
  // without waiting for the disk, which a folder of a thousand cards would.
  QTemporaryFile file(target.absolutePath() + QStringLiteral("/.") + target.fileName() +
                      QStringLiteral(".XXXXXX"));
  if (!file.open()) return file.errorString();
  if (file.write(bytes) != bytes.size() || !file.flush()) return file.errorString();
  file.setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup |
                      QFileDevice::ReadOther);
  if (::rename(QFile::encodeName(file.fileName()).constData(), QFile::encodeName(path).constData()) != 0)
    return QString::fromLocal8Bit(std::strerror(errno));
  file.setAutoRemove(false);
  return std::nullopt;
}

std::vector<DrawingType> DrawingTypes() {
  return {{DrawingFormat::Png, 1},
          {DrawingFormat::Png, 2},
          {DrawingFormat::Png, 3},
          {DrawingFormat::Svg, 1},
          {DrawingFormat::Pdf, 1}};
}

std::vector<FileFilter> DrawingFilters() {
  static constexpr std::array<std::pair<const char*, const char*>, 5> kFilters = {{
      {QT_TRANSLATE_NOOP("ostrak::Drawing", "PNG picture"), "*.png"},
      {QT_TRANSLATE_NOOP("ostrak::Drawing", "PNG picture, twice the size"), "*.png"},
      {QT_TRANSLATE_NOOP("ostrak::Drawing", "PNG picture, three times the size"), "*.png"},
      {QT_TRANSLATE_NOOP("ostrak::Drawing", "SVG drawing"), "*.svg"},
      {QT_TRANSLATE_NOOP("ostrak::Drawing", "PDF document"), "*.pdf"},
  }};
  std::vector<FileFilter> filters;
  for (const auto& [name, pattern] : kFilters)
    filters.push_back({QCoreApplication::translate("ostrak::Drawing", name), QLatin1String(pattern)});
  return filters;
}

int PngTypeIndex(int scale) { return std::clamp(scale, 1, kMaxDrawingScale) - 1; }

DrawingTarget TargetOf(const QString& chosen, int type) {
  const std::vector<DrawingType> types = DrawingTypes();
  const DrawingType picked =
      types[static_cast<std::size_t>(std::clamp(type, 0, static_cast<int>(types.size()) - 1))];
  if (const auto format = FormatOfName(chosen)) {
    return {chosen, {*format, *format == picked.format ? picked.scale : 1}};
  }
  return {chosen + QLatin1Char('.') + ExtensionOf(picked.format), picked};
}

}  // namespace ostrak
