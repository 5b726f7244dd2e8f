#include "support/TestEnvironment.h"

#include <QApplication>
#include <QStyleFactory>
#include <cstdlib>

namespace ostrak::test {

void PrepareApplication() {
  if (qobject_cast<QApplication*>(QCoreApplication::instance())) {
    QApplication::setStyle(QStyleFactory::create("Fusion"));
  }
}

std::string DataDirectory() {
  const char* configured = std::getenv("OSTRAK_TEST_DATA");
  std::string directory = configured ? configured : OSTRAK_TEST_DATA_DIR;
  if (directory.empty() || directory.back() != '/') directory += '/';
  return directory;
}

}  // namespace ostrak::test
