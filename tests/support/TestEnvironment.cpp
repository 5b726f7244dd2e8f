#include "support/TestEnvironment.h"

#include <QApplication>
#include <QStyleFactory>
#include <cstdlib>

#include "platform/Fonts.h"

namespace ostrak::test {

void PrepareApplication() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
    QApplication::setStyle(QStyleFactory::create("Fusion"));
  }
  if (qobject_cast<QGuiApplication*>(QCoreApplication::instance())) RegisterFonts();
}

std::string DataDirectory() {
  const char* configured = std::getenv("OSTRAK_TEST_DATA");
  std::string directory = configured ? configured : OSTRAK_TEST_DATA_DIR;
  if (directory.empty() || directory.back() != '/') directory += '/';
  return directory;
}

}  // namespace ostrak::test
