// The roster window on the sample roster (data/samples) in both languages,
// and the comparison window for two of its fighters. Settings and the
// remembered folder go to a scratch folder, never the user's.

#include <QDir>
#include <QHeaderView>
#include <QTableView>
#include <QTemporaryDir>

#include "platform/ProgramDirectory.h"
#include "tools/gallery/Gallery.h"
#include "ui/Unit1.h"
#include "ui/roster/ComparisonWindow.h"
#include "ui/roster/RosterWindow.h"

namespace {

using namespace ostrak;

using gallery::NoDialogs;

void RenderRoster(gallery::Output& out, const char* code, const QString& suffix) {
  QTemporaryDir scratch;
  const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", scratch.path().toLocal8Bit());
  const std::string settings = scratch.filePath(QStringLiteral("Config.txt")).toStdString();
  {
    QFile file(QString::fromStdString(settings));
    if (file.open(QIODevice::WriteOnly)) file.write(QByteArray(code) + "\r\n");
  }
  const QString previous = QDir::currentPath();
  // The title shows the folder as it was given: "samples".
  QDir::setCurrent(QStringLiteral(OSTRAK_SAMPLES_DIR "/.."));
  {
    NoDialogs dialogs;
    TForm1 editor(dialogs, ProgramDirectory(), SettingsPlace{settings, {}});
    roster::RosterSetup setup = roster::SetupFromEditor(editor);
    setup.threading = roster::Threading::Inline;
    roster::RosterWindow window(editor, dialogs, setup);
    window.resize(1240, 330);
    window.show();
    window.OpenFolder(QStringLiteral("samples"));
    out.SaveWidget(window, QStringLiteral("roster-window-") + suffix);

    window.Table().selectRow(window.Model().RowOfFile("kenji-arai.txt"));
    window.Table().selectionModel()->select(
        window.Model().index(window.Model().RowOfFile("tomas-rios.txt"), 0),
        QItemSelectionModel::Select | QItemSelectionModel::Rows);
    window.CompareSelected();
    if (roster::ComparisonWindow* comparison = window.Comparison()) {
      out.SaveWidget(*comparison, QStringLiteral("comparison-window-") + suffix);
    }
  }
  QDir::setCurrent(previous);
  if (configHome.isNull()) {
    qunsetenv("XDG_CONFIG_HOME");
  } else {
    qputenv("XDG_CONFIG_HOME", configHome);
  }
}

}  // namespace

OSTRAK_GALLERY_PAGE(RosterWindows) {
  RenderRoster(out, "EN", QStringLiteral("en"));
  RenderRoster(out, "ES", QStringLiteral("es"));
}
