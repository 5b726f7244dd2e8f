#include "ui/roster/RosterTransfer.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QSaveFile>
#include <algorithm>
#include <array>

#include "platform/AnsiText.h"
#include "platform/Dialogs.h"
#include "platform/ErrorGuard.h"
#include "recorded/ChangeWords.h"
#include "ui/roster/EngineMessages.h"
#include "ui/roster/ImportPreview.h"
#include "ui/roster/RosterJournal.h"
#include "ui/roster/RosterUndo.h"
#include "ui/roster/RosterWindow.h"

namespace ostrak::roster {

namespace {

// A message names at most this many files and counts the rest.
constexpr std::size_t kNamedFailures = 10;

// The tables an export can write, as the save dialog's filters offer them:
// the companion's own CSV, CSV as spreadsheets read it on a double click
// (Spanish ones with ';', English ones with ','; UTF-8 only with the mark)
// and JSON. The same bytes as `ostrak-fighter export` with those options.
struct ExportKind {
  const char* name;
  const char* pattern;
  TableFormat format;
  char separator;
  bool byteOrderMark;
};
constexpr std::array<ExportKind, 4> kExportKinds = {{
    {QT_TRANSLATE_NOOP("ostrak::roster::RosterTransfer", "CSV table"), "*.csv", TableFormat::Csv, ',', false},
    {QT_TRANSLATE_NOOP("ostrak::roster::RosterTransfer", "CSV for a spreadsheet, semicolons"), "*.csv",
     TableFormat::Csv, ';', true},
    {QT_TRANSLATE_NOOP("ostrak::roster::RosterTransfer", "CSV for a spreadsheet, commas"), "*.csv",
     TableFormat::Csv, ',', true},
    {QT_TRANSLATE_NOOP("ostrak::roster::RosterTransfer", "JSON table"), "*.json", TableFormat::Json, ',',
     false},
}};

std::string LocalPath(const QString& path) { return QFile::encodeName(path).toStdString(); }

// `path` ending in `ending`: another table's ending is replaced, anything else
// ("roster 2024.05") is kept and the ending added.
QString WithEnding(const QString& path, const QString& ending) {
  const QString suffix = QFileInfo(path).suffix();
  const bool tableEnding = std::any_of(kExportKinds.begin(), kExportKinds.end(), [&](const ExportKind& kind) {
    return suffix.compare(QLatin1String(kind.pattern).mid(2), Qt::CaseInsensitive) == 0;
  });
  const QString stem = tableEnding ? path.chopped(suffix.size() + 1) : path;
  return stem + (stem.endsWith(QLatin1Char('.')) ? QString() : QStringLiteral(".")) + ending;
}

QString FailureLines(const std::vector<FileFailure>& failures) {
  QString lines;
  for (std::size_t i = 0; i < failures.size() && i < kNamedFailures; ++i) {
    lines += QStringLiteral("\n") + MessageToQString(failures[i].file) + QStringLiteral(": ") +
             TranslateEngineMessage(failures[i].message);
  }
  if (failures.size() > kNamedFailures) {
    lines += QStringLiteral("\n") + RosterTransfer::tr("… and %1 more").arg(failures.size() - kNamedFailures);
  }
  return lines;
}

}  // namespace

RosterTransfer::RosterTransfer(RosterWindow& window, Dialogs& dialogs, Threading threading)
    : QObject(&window), window_(window), dialogs_(dialogs), worker_(threading) {}

RosterTransfer::~RosterTransfer() = default;

// The name's ending and the chosen type agree before a byte is written, so
// that an import reads the table back as what it is: a name typed without an
// ending gets the type's (the dialog adds it), one with another ending is
// asked about; No goes back to the dialog.
std::optional<RosterTransfer::ExportTarget> RosterTransfer::ChooseExportTarget() {
  std::vector<FileFilter> filters;
  for (const ExportKind& kind : kExportKinds) filters.push_back({tr(kind.name), QLatin1String(kind.pattern)});
  FileChoice choice{FileDialogKind::Save, tr("Export shown rows"), StartDirectory(), filters, {}};
  choice.suffixRule = DefaultSuffix::OfFilter;
  for (;;) {
    const std::optional<ChosenFile> chosen = dialogs_.ChooseFile(choice);
    if (!chosen) return std::nullopt;
    const int index = std::clamp(chosen->filter, 0, static_cast<int>(kExportKinds.size()) - 1);
    const auto kind = static_cast<std::size_t>(index);
    const QFileInfo file(chosen->path);
    const QString ending = FilterSuffix(filters[kind]);
    if (file.suffix().compare(ending, Qt::CaseInsensitive) == 0) return ExportTarget{chosen->path, kind};
    const QString renamed = WithEnding(chosen->path, ending);
    const QString name = QFileInfo(renamed).fileName();
    if (dialogs_.Ask(
            tr("\"%1\" does not end in .%2, as a file of the type \"%3\" does.\n\nExport it as \"%4\"?")
                .arg(file.fileName(), ending, tr(kExportKinds[kind].name), name),
            tr("Export shown rows")) &&
        (!QFileInfo::exists(renamed) ||
         dialogs_.Ask(
             QCoreApplication::translate("QFileDialog", "%1 already exists.\nDo you want to replace it?")
                 .arg(name),
             tr("Export shown rows")))) {
      return ExportTarget{renamed, kind};
    }
    choice.directory = file.absolutePath();
    choice.fileName = file.fileName();
    choice.filter = index;
  }
}

QString RosterTransfer::StartDirectory() const {
  return lastDirectory_.isEmpty() ? QFile::decodeName(QByteArray::fromStdString(window_.FolderPath()))
                                  : lastDirectory_;
}

void RosterTransfer::ExportShownRows() {
  const RosterModel& model = window_.Model();
  std::vector<std::string> files;
  files.reserve(static_cast<std::size_t>(model.rowCount()));
  for (int row = 0; row < model.rowCount(); ++row) files.push_back(model.RowAt(row).file);
  if (files.empty()) {
    dialogs_.ShowMessage(tr("No rows are shown: there is nothing to export."), tr("Export shown rows"),
                         MessageIcon::Information);
    return;
  }
  const std::optional<ExportTarget> target = ChooseExportTarget();
  if (!target) return;
  const QString path = target->path;
  lastDirectory_ = QFileInfo(path).absolutePath();
  const ExportKind& kind = kExportKinds[target->kind];
  ExportOptions options;
  options.format = kind.format;
  options.separator = kind.separator;
  options.byteOrderMark = kind.byteOrderMark;
  options.base = window_.FolderPath();
  worker_.Post([this, path, files = std::move(files), options] {
    auto written = std::make_shared<Written>();
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
      written->failure = out.errorString();
    } else {
      bool failed = false;
      ExportFiles(files, options,
                  {[&](std::string_view bytes) {
                     if (!failed && out.write(bytes.data(), static_cast<qint64>(bytes.size())) !=
                                        static_cast<qint64>(bytes.size())) {
                       failed = true;
                     }
                   },
                   [&](const FileFailure& failure) { written->leftOut.push_back(failure); }});
      if (failed || !out.commit()) written->failure = out.errorString();
      written->rows = files.size() - written->leftOut.size();
    }
    worker_.Deliver(this, [this, path, written] { Guard([&] { Exported(path, *written); }); });
  });
}

void RosterTransfer::Exported(const QString& path, const Written& written) {
  if (!written.failure.isEmpty()) {
    dialogs_.ShowMessage(tr("The table \"%1\" could not be written: %2").arg(path, written.failure),
                         tr("Export shown rows"), MessageIcon::Stop);
  } else {
    QString text = tr("Fighters written to \"%1\": %2.").arg(path).arg(written.rows);
    if (!written.leftOut.empty()) {
      text += QStringLiteral("\n\n") + tr("Left out, as they do not load cleanly:") +
              FailureLines(written.leftOut);
    }
    dialogs_.ShowMessage(text, tr("Export shown rows"), MessageIcon::Information);
  }
  emit ExportFinished();
}

void RosterTransfer::ImportTable() {
  if (preview_) return;
  const auto chosen = dialogs_.ChooseFile(
      {FileDialogKind::Open,
       tr("Import table"),
       StartDirectory(),
       {{tr("Tables"), QStringLiteral("*.csv *.json")}, {tr("All files"), QStringLiteral("*")}},
       {}});
  if (!chosen) return;
  lastDirectory_ = QFileInfo(chosen->path).absolutePath();
  Plan(chosen->path, ImportMatch::File);
}

void RosterTransfer::Plan(const QString& path, ImportMatch match) {
  RosterOptions options;
  options.base = window_.FolderPath();
  worker_.Post([this, path, options, match, captions = CaptionsOf(window_.Model())] {
    // An import cut short before (a crash, a kill) is put back first: a plan
    // is not made over its leftovers.
    auto recovered = std::make_shared<std::vector<std::string>>(RecoverInterrupted(options));
    auto plan = std::make_shared<RosterPlan>(PlanImport(LocalPath(path), options, match));
    auto lines = std::make_shared<PreviewLines>(PreviewOf(plan, captions, ProblemPlace::FileAndRow));
    worker_.Deliver(this, [this, path, plan, lines, recovered, match] {
      Guard([&] { Planned(path, plan, std::move(*lines), *recovered, match); });
    });
  });
}

void RosterTransfer::Planned(const QString& path, const std::shared_ptr<RosterPlan>& plan, PreviewLines lines,
                             const std::vector<std::string>& recovered, ImportMatch match) {
  preview_ =
      new ImportPreview(QFileInfo(path).fileName(), *plan, std::move(lines), recovered, &window_, match);
  preview_->setAttribute(Qt::WA_DeleteOnClose);
  connect(preview_, &ImportPreview::ApplyRequested, this,
          [this, plan, path] { Guard([&] { Apply(plan, path); }); });
  // Closed, it is deleted later: a new import need not wait for that.
  connect(preview_, &QDialog::finished, this, [this] { preview_ = nullptr; });
  connect(preview_, &QDialog::rejected, this, [this] {
    if (!replanning_) emit ImportFinished(false);
  });
  // The other match is a new plan, shown in a preview of its own.
  connect(preview_, &ImportPreview::MatchChanged, this, [this, path](ImportMatch next) {
    Guard([&] {
      if (!preview_) return;
      replanning_ = true;
      preview_->CancelButton().click();
      replanning_ = false;
      Plan(path, next);
    });
  });
  preview_->open();
  emit PreviewShown();
}

void RosterTransfer::Apply(const std::shared_ptr<RosterPlan>& plan, const QString& path) {
  if (!preview_) return;
  preview_->ShowCommitting();
  worker_.Post([this, path, plan] {
    const auto journal = RosterJournal(recorded::ImportWords(LocalPath(path)));
    const CommitResult result = Commit(
        *plan,
        [this](std::size_t done, std::size_t total) {
          worker_.Deliver(this, [this, done, total] {
            Guard([&] {
              if (preview_) preview_->ShowProgress(done, total);
            });
          });
        },
        journal.get());
    worker_.Deliver(
        this, [this, result, problem = journal->Problem()] { Guard([&] { Committed(result, problem); }); });
  });
}

void RosterTransfer::Committed(const CommitResult& result, const std::string& noHistory) {
  if (preview_) preview_->done(QDialog::Accepted);
  if (result.ok()) {
    dialogs_.ShowMessage(tr("Files written: %1.").arg(result.written), tr("Import table"),
                         MessageIcon::Information);
  } else {
    const FileFailure& failure = *result.failure;
    dialogs_.ShowMessage(tr("The table was not applied.\n%1").arg(FailureLines({failure}).trimmed()),
                         tr("Import table"), MessageIcon::Stop);
  }
  // The watch would see the new files too; the table need not wait for it.
  window_.RescanNow();
  window_.Undo().Committed(noHistory);
  emit ImportFinished(result.ok());
}

}  // namespace ostrak::roster
