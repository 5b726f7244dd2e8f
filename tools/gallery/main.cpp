// ostrak-gallery [--scale RATIOS] OUTDIR: renders every registered widget
// state to OUTDIR/*.png at each device pixel ratio of the comma-separated
// list (default 1,1.5,2); a picture at a ratio other than 1 is named
// NAME@<ratio>x.png.

#include <QApplication>
#include <QDir>
#include <QStringList>
#include <QStyleFactory>
#include <cstdio>
#include <cstring>
#include <vector>

#include "platform/Fonts.h"
#include "tools/gallery/Gallery.h"

namespace {

// The ratios of the list, or none when any of them is not a number from 1
// to 8.
std::vector<double> ParseRatios(const char* list) {
  std::vector<double> ratios;
  for (const QString& item : QString::fromLocal8Bit(list).split(QLatin1Char(','))) {
    bool ok = false;
    const double ratio = item.trimmed().toDouble(&ok);
    if (!ok || !(ratio >= 1 && ratio <= 8)) return {};
    ratios.push_back(ratio);
  }
  return ratios;
}

}  // namespace

int main(int argc, char** argv) {
  const bool scaled = argc == 4 && std::strcmp(argv[1], "--scale") == 0;
  if ((argc != 2 && !scaled) || std::strcmp(argv[1], "--help") == 0) {
    std::fprintf(argc == 2 ? stdout : stderr, "usage: ostrak-gallery [--scale RATIOS] OUTDIR\n");
    return argc == 2 ? 0 : 2;
  }
  const std::vector<double> ratios = ParseRatios(scaled ? argv[2] : "1,1.5,2");
  if (ratios.empty()) {
    std::fprintf(stderr, "ostrak-gallery: RATIOS is a list like 1,1.5,2 of numbers from 1 to 8\n");
    return 2;
  }
  const char* outdir = argv[argc - 1];
  // The pages choose the ratio of each picture; the screen stays at 1.
  qunsetenv("QT_SCALE_FACTOR");
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
  for (double ratio : ratios) {
    out.SetRatio(ratio);
    for (const auto& page : ostrak::gallery::Pages()) page.render(out);
  }
  std::printf("ostrak-gallery: %d pictures in %s\n", out.Written(), outdir);
  return out.Failed() == 0 ? 0 : 1;
}
