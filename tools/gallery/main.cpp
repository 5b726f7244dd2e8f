// ostrak-gallery [--scale N] OUTDIR: renders every registered widget state to
// OUTDIR/*.png, at N device pixels per pixel (as QT_SCALE_FACTOR does).

#include <QApplication>
#include <QDir>
#include <QStyleFactory>
#include <cstdio>
#include <cstring>

#include "platform/Fonts.h"
#include "tools/gallery/Gallery.h"

int main(int argc, char** argv) {
  const bool scaled = argc == 4 && std::strcmp(argv[1], "--scale") == 0;
  if ((argc != 2 && !scaled) || std::strcmp(argv[1], "--help") == 0) {
    std::fprintf(argc == 2 ? stdout : stderr, "usage: ostrak-gallery [--scale N] OUTDIR\n");
    return argc == 2 ? 0 : 2;
  }
  const char* outdir = argv[argc - 1];
  // Qt reads the factor once, when the application starts.
  if (scaled) qputenv("QT_SCALE_FACTOR", argv[2]);
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  ostrak::RegisterFonts();

  const QString directory = QString::fromLocal8Bit(outdir);
  if (!QDir().mkpath(directory)) {
    std::fprintf(stderr, "ostrak-gallery: cannot create %s\n", outdir);
    return 1;
  }
  ostrak::gallery::Output out(directory);
  for (const auto& page : ostrak::gallery::Pages()) page.render(out);
  std::printf("ostrak-gallery: %d pictures in %s\n", out.Written(), outdir);
  return out.Failed() == 0 ? 0 : 1;
}
