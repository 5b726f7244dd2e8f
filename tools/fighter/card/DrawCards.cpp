#include "tools/fighter/card/DrawCards.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHashSeed>
#include <filesystem>
#include <system_error>

#include "platform/Fonts.h"
#include "record/StringList.h"
#include "roster/LoadedFighter.h"
#include "tools/fighter/Output.h"
#include "ui/card/FighterCard.h"

namespace ostrak::fighter {

namespace {

// Qt's own notes (a missing runtime folder, a font it substituted) are not
// the companion's output.
void Quiet(QtMsgType type, const QMessageLogContext&, const QString& message) {
  if (type == QtCriticalMsg || type == QtFatalMsg)
    std::fprintf(stderr, "ostrak-fighter: %s\n", qPrintable(message));
}

// The caption tables shipped with the editor, built into the companion.
TStringList CaptionTable(const std::string& language) {
  QFile file(QStringLiteral(":/captions/%1-Translation.txt").arg(QString::fromStdString(language)));
  TStringList table;
  if (file.open(QIODevice::ReadOnly)) table.SetText(file.readAll().toStdString());
  return table;
}

DrawingFormat DrawingFormatOf(CardFormat format) {
  switch (format) {
    case CardFormat::Svg:
      return DrawingFormat::Svg;
    case CardFormat::Pdf:
      return DrawingFormat::Pdf;
    case CardFormat::Png:
      break;
  }
  return DrawingFormat::Png;
}

}  // namespace

int DrawCards(const CardPlan& plan, const std::string& language) {
  if (plan.makeFolder) {
    std::error_code error;
    std::filesystem::create_directories(plan.folder, error);
    if (error) {
      Print(stderr, "ostrak-fighter: card: cannot make the folder " + TerminalSafe(plan.folder) + ": " +
                        error.message() + "\n");
      return 1;
    }
  }
  // Drawn without a display, whatever the session offers; in the same order
  // on every run (see ui/card/Drawing.h).
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QHashSeed::setDeterministicGlobalSeed();
  qInstallMessageHandler(Quiet);
  int argc = 1;
  char name[] = "ostrak-fighter";
  char* argv[] = {name, nullptr};
  QApplication application(argc, argv);
  RegisterFonts();

  const TStringList table = CaptionTable(language);
  const CardCaptions captions = CardCaptionsOf(&table);
  EvaluationPicture bars;
  int status = 0;
  for (const CardJob& job : plan.jobs) {
    const roster::LoadedFighter loaded = roster::LoadLikeTheEditor(job.file);
    if (loaded.failure) {
      Print(stderr, TerminalSafe(job.file) + ": " + TerminalSafe(*loaded.failure) + "\n");
      status = 1;
      continue;
    }
    const QString card = QFile::decodeName(QByteArray::fromStdString(job.card));
    const QString title =
        QFile::decodeName(QByteArray::fromStdString(std::filesystem::path(job.file).stem().string()));
    FighterCard drawing(CardFighterOf(loaded.form), captions, title, bars);
    if (const auto failure = WriteWhole(card, Encode(drawing, DrawingFormatOf(plan.format), plan.scale))) {
      Print(stderr, TerminalSafe(job.file) + ": cannot write " + TerminalSafe(job.card) + ": " +
                        failure->toStdString() + "\n");
      status = 1;
      continue;
    }
    Print(stdout, TerminalSafe(job.file) + ": " + TerminalSafe(job.card) + "\n");
  }
  return status;
}

}  // namespace ostrak::fighter
