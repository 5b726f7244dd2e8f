// The stock peer of the editor's start-up: the stock window of 60 widgets in
// the Fusion style, reporting its first complete paint through the same hook
// as the editor.

#include <QApplication>

#include "app/StartupReport.h"
#include "peers/StockEditor.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setStyle(QStringLiteral("Fusion"));
  ostrak::bench::StockEditor window;
  if (ostrak::FirstPaintReportRequested()) ostrak::ReportFirstPaintThenQuit(window);
  window.show();
  return QApplication::exec();
}
