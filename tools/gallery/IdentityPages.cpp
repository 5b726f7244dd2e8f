// The roster window's duplicates view, the merge of two files of one fighter
// and the comparison with another roster, in both languages, on a scratch
// copy of the sample roster given a second file of one fighter.

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTemporaryDir>

#include "platform/ProgramDirectory.h"
#include "tools/gallery/Gallery.h"
#include "ui/Unit1.h"
#include "ui/roster/DuplicatesView.h"
#include "ui/roster/MergeDialog.h"
#include "ui/roster/RosterCompare.h"
#include "ui/roster/RosterMerge.h"
#include "ui/roster/RosterWindow.h"

namespace {

using namespace ostrak;

using gallery::NoDialogs;

// The samples, and Lucas Ferreira again under an older name with another
// nationality and common name; `changed` is the samples with one fighter
// gone, one new and one renamed.
bool CopySamples(const QString& into, bool changed) {
  const QDir samples(QStringLiteral(OSTRAK_SAMPLES_DIR));
  QDir().mkpath(into + QStringLiteral("/old"));
  for (const QString& name : samples.entryList({QStringLiteral("*.txt")}, QDir::Files)) {
    if (changed && name == QLatin1String("tomas-rios.txt")) continue;
    const QString target =
        changed && name == QLatin1String("kenji-arai.txt") ? QStringLiteral("arai.txt") : name;
    if (!QFile::copy(samples.filePath(name), into + QLatin1Char('/') + target)) return false;
  }
  QFile source(samples.filePath(QStringLiteral("lucas-ferreira.txt")));
  if (!source.open(QIODevice::ReadOnly)) return false;
  QByteArray bytes = source.readAll();
  bytes.replace("\r\nFerreira\r\n", "\r\nLucas F.\r\n");
  bytes.replace("Brasil", "Portugal");
  QFile copy(into +
             (changed ? QStringLiteral("/lucas-ferreira.txt") : QStringLiteral("/old/ferreira-2019.txt")));
  return copy.open(QIODevice::WriteOnly) && copy.write(bytes) == bytes.size();
}

void RenderIdentity(gallery::Output& out, const char* code, const QString& suffix) {
  QTemporaryDir scratch;
  const QByteArray configHome = qgetenv("XDG_CONFIG_HOME");
  qputenv("XDG_CONFIG_HOME", scratch.path().toLocal8Bit());
  const std::string settings = scratch.filePath(QStringLiteral("Config.txt")).toStdString();
  bool ready = scratch.isValid();
  if (ready) {
    QFile file(QString::fromStdString(settings));
    const QByteArray line = QByteArray(code) + "\r\n";
    ready = file.open(QIODevice::WriteOnly) && file.write(line) == line.size();
  }
  const QString roster = scratch.filePath(QStringLiteral("samples"));
  const QString other = scratch.filePath(QStringLiteral("samples-2024"));
  ready = ready && CopySamples(roster, false) && CopySamples(other, true);
  if (!ready) {
    out.Fail(QStringLiteral("cannot make the scratch roster in %1: the duplicates, merge and comparison "
                            "pages (%2) are not drawn")
                 .arg(scratch.path(), suffix));
  } else {
    NoDialogs dialogs;
    TForm1 editor(dialogs, ProgramDirectory(), SettingsPlace{settings, {}});
    roster::RosterSetup setup = roster::SetupFromEditor(editor);
    setup.threading = roster::Threading::Inline;
    roster::RosterWindow window(editor, dialogs, setup);
    window.resize(1240, 260);
    window.show();
    window.OpenFolder(roster);
    window.Duplicates().SetOn(true);
    window.Table().selectAll();
    QApplication::processEvents();
    out.SaveWidget(window, QStringLiteral("roster-duplicates-") + suffix);

    window.Merge().MergeSelected();
    if (roster::MergeDialog* merge = window.Merge().Dialog()) {
      merge->resize(760, 760);
      QApplication::processEvents();
      out.SaveWidget(*merge, QStringLiteral("merge-dialog-") + suffix);
      merge->reject();
    }

    window.Duplicates().SetOn(false);
    roster::RosterCompare& compare = window.CompareRosters();
    compare.Source().setText(other);
    compare.CompareButton().click();
    // The changed fighter's two versions below the list.
    const auto changed = compare.Results().findItems(QStringLiteral("lucas-ferreira.txt"), Qt::MatchExactly);
    if (!changed.isEmpty()) compare.Results().setCurrentCell(changed.front()->row(), 0);
    compare.show();
    QApplication::processEvents();
    out.SaveWidget(compare, QStringLiteral("compare-rosters-") + suffix);
  }
  if (configHome.isNull()) {
    qunsetenv("XDG_CONFIG_HOME");
  } else {
    qputenv("XDG_CONFIG_HOME", configHome);
  }
}

}  // namespace

OSTRAK_GALLERY_PAGE(IdentityWindows) {
  RenderIdentity(out, "EN", QStringLiteral("en"));
  RenderIdentity(out, "ES", QStringLiteral("es"));
}
