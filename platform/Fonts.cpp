#include "platform/Fonts.h"

#include <QFile>
#include <QFont>
#include <QFontDatabase>
#include <QStringList>

namespace ostrak {

namespace {

constexpr const char* kFontFolder = "/usr/share/wine/fonts/";

struct Face {
  const char* family;
  QStringList files;
};

// True when at least one file of the face registered under its own name.
bool Register(const Face& face) {
  bool registered = false;
  for (const QString& file : face.files) {
    const QString path = QString::fromLatin1(kFontFolder) + file;
    if (!QFile::exists(path)) continue;
    const int id = QFontDatabase::addApplicationFont(path);
    if (id >= 0 && QFontDatabase::applicationFontFamilies(id).contains(QLatin1String(face.family))) {
      registered = true;
    }
  }
  return registered;
}

}  // namespace

void RegisterFonts() {
  static const bool done = [] {
    const QString fallback = QStringLiteral("DejaVu Sans");
    const Face faces[] = {
        {"Tahoma", {QStringLiteral("tahoma.ttf"), QStringLiteral("tahomabd.ttf")}},
        {"MS Sans Serif", {QStringLiteral("ms_sans_serif.ttf")}},
    };
    for (const Face& face : faces) {
      if (!Register(face)) QFont::insertSubstitution(QLatin1String(face.family), fallback);
    }
    QFont::insertSubstitution(QStringLiteral("MS Shell Dlg 2"), QStringLiteral("Tahoma"));
    return true;
  }();
  (void)done;
}

TFont TahomaFont(TFontStyles style) { return TFont(QStringLiteral("Tahoma"), -11, style); }

TFont DefaultCanvasFont() { return TFont(QStringLiteral("Tahoma"), -11); }

}  // namespace ostrak
