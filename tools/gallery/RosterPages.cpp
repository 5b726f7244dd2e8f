// The roster window on the sample roster (data/samples) in both languages,
// the comparison window for two of its fighters, every attribute as a
// column, "Set for selected…" previewing a change and the import of a table
// previewed. Settings and the remembered folder go to a scratch folder,
// never the user's.

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>

#include "platform/ProgramDirectory.h"
#include "record/FighterLayout.h"
#include "record/StringList.h"
#include "roster/RosterRows.h"
#include "tools/gallery/Gallery.h"
#include "ui/Unit1.h"
#include "ui/card/Radar.h"
#include "ui/card/RadarView.h"
#include "ui/roster/BulkSetDialog.h"
#include "ui/roster/ComparisonWindow.h"
#include "ui/roster/ImportPreview.h"
#include "ui/roster/RosterColumns.h"
#include "ui/roster/RosterWindow.h"

namespace {

using namespace ostrak;

using gallery::NoDialogs;

QByteArray ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

bool WriteAll(const QString& path, const std::string& bytes) {
  QFile file(path);
  return file.open(QIODevice::WriteOnly) &&
         file.write(bytes.data(), static_cast<qint64>(bytes.size())) == static_cast<qint64>(bytes.size());
}

// A table read back into copies of three sample fighters: one moved to
// another weight class, one stronger, one with a cell the editor refuses;
// the rest of the copies as they are.
void RenderImportPreview(gallery::Output& out, roster::RosterWindow& window, const QString& scratch,
                         const QString& suffix) {
  const QString folder = scratch + QStringLiteral("/import/");
  QDir().mkpath(folder);
  struct Edit {
    const char* file;
    FighterField field;
    const char* value;
  };
  const Edit edits[] = {{"kenji-arai.txt", FighterField::WeightClass, "3"},
                        {"lucas-ferreira.txt", FighterField::Punches, "12"},
                        {"iker-solano.txt", FighterField::Kicks, "abc"}};
  std::string table;
  roster::AppendCsvHeader(table);
  for (const char* file :
       {"ana-beltran-goni.txt", "iker-solano.txt", "kenji-arai.txt", "lucas-ferreira.txt"}) {
    const QByteArray bytes = ReadAll(QStringLiteral(OSTRAK_SAMPLES_DIR "/") + QLatin1String(file));
    if (bytes.isEmpty() || !WriteAll(folder + QLatin1String(file), bytes.toStdString())) {
      out.Fail(QStringLiteral("the sample %1 could not be copied").arg(QLatin1String(file)));
      return;
    }
    TStringList lines;
    lines.SetText(bytes.toStdString());
    for (const Edit& edit : edits) {
      if (std::string_view(edit.file) == file) lines.Put(LineOf(edit.field), edit.value);
    }
    roster::AppendCsvRow(table, file, lines);
  }
  const QString tablePath = scratch + QStringLiteral("/roster.csv");
  if (!WriteAll(tablePath, table)) {
    out.Fail(QStringLiteral("the table could not be written"));
    return;
  }
  roster::RosterOptions options;
  options.base = folder.toStdString();
  const auto plan =
      std::make_shared<const roster::RosterPlan>(roster::PlanImport(tablePath.toStdString(), options));
  roster::ImportPreview preview(
      QStringLiteral("roster.csv"), *plan,
      roster::PreviewOf(plan, roster::CaptionsOf(window.Model()), roster::ProblemPlace::FileAndRow), {},
      &window);
  preview.resize(980, 400);
  preview.show();
  QApplication::processEvents();
  out.SaveWidget(preview, QStringLiteral("import-preview-") + suffix);
  preview.Preview().OnlyChanged().setChecked(true);
  preview.Preview().Table().sortByColumn(roster::PreviewModel::Changes, Qt::AscendingOrder);
  out.SaveWidget(preview, QStringLiteral("import-preview-changed-") + suffix);
  preview.close();
}

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
    // Laid out as the event loop would before the window is first painted.
    QApplication::processEvents();
    if (roster::ComparisonWindow* comparison = window.Comparison()) {
      out.SaveWidget(*comparison, QStringLiteral("comparison-window-") + suffix);
      // Four fighters, the window as large as its content (a screen of the
      // gallery's is small), then with the radar of the attributes.
      for (const char* file : {"ana-beltran-goni.txt", "lucas-ferreira.txt"}) {
        window.Table().selectionModel()->select(window.Model().index(window.Model().RowOfFile(file), 0),
                                                QItemSelectionModel::Select | QItemSelectionModel::Rows);
      }
      window.CompareSelected();
      comparison->resize(comparison->WholeSize());
      QApplication::processEvents();
      out.SaveWidget(*comparison, QStringLiteral("comparison-four-") + suffix);
      comparison->Radars().setCurrentIndex(1);
      out.SaveWidget(*comparison, QStringLiteral("comparison-four-attributes-") + suffix);
      for (const auto& [name, view] : {std::pair("radar-ratings-four-", &comparison->RatingsView()),
                                       std::pair("radar-attributes-four-", &comparison->AttributesView())}) {
        RadarDrawing drawing(view->Chart(), QString());
        out.Save(drawing.Raster(out.Scale()), QLatin1String(name) + suffix);
      }
      comparison->close();
    }

    // Every attribute a column, then "Set for selected…" previewing a new
    // weight class for three fighters.
    window.Columns().ShowAllAttributes();
    out.SaveWidget(window, QStringLiteral("roster-attributes-") + suffix);
    window.Columns().Reset();
    window.Table().clearSelection();
    for (const char* file : {"ana-beltran-goni.txt", "iker-solano.txt", "kenji-arai.txt"}) {
      window.Table().selectionModel()->select(window.Model().index(window.Model().RowOfFile(file), 0),
                                              QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
    window.OpenBulkSet();
    if (roster::BulkSetDialog* dialog = window.BulkSet()) {
      dialog->Field().setCurrentIndex(dialog->Field().findText(
          window.Model().headerData(roster::RosterModel::WeightClass, Qt::Horizontal).toString()));
      dialog->Item().setCurrentIndex(3);
      dialog->RunPreview();
      QApplication::processEvents();
      out.SaveWidget(*dialog, QStringLiteral("set-for-selected-") + suffix);
      dialog->close();
    }
    RenderImportPreview(out, window, scratch.path(), suffix);
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
