// ostrak-gallery OUTDIR: renders every registered widget state to OUTDIR/*.png.

#include <QApplication>
#include <QDir>
#include <QStyleFactory>
#include <cstdio>
#include <cstring>

#include "platform/Fonts.h"
#include "tools/gallery/Gallery.h"

int main(int argc, char** argv) {
  if (argc != 2 || std::strcmp(argv[1], "--help") == 0) {
    std::fprintf(argc == 2 ? stdout : stderr, "usage: ostrak-gallery OUTDIR\n");
    return argc == 2 ? 0 : 2;
  }
  if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  QApplication::setStyle(QStyleFactory::create("Fusion"));
  ostrak::RegisterFonts();

  const QString directory = QString::fromLocal8Bit(argv[1]);
  if (!QDir().mkpath(directory)) {
    std::fprintf(stderr, "ostrak-gallery: cannot create %s\n", argv[1]);
    return 1;
  }
  ostrak::gallery::Output out(directory);
  for (const auto& page : ostrak::gallery::Pages()) page.render(out);
  std::printf("ostrak-gallery: %d pictures in %s\n", out.Written(), argv[1]);
  return out.Failed() == 0 ? 0 : 1;
}
