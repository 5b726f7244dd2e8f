// Ostrak Editor: the application title, the faces and the style, the error
// display, the editor window and the evaluation window (hidden), the fighter
// file named on the command line, if any, or the roster window, then the
// event loop until the editor closes.

#include <QApplication>
#include <QCommandLineParser>
#include <QHashSeed>
#include <QIcon>
#include <cstdio>

#include "app/StartupReport.h"
#include "localisation/SettingsPlace.h"
#include "platform/ConfigDirectory.h"
#include "platform/ErrorDisplay.h"
#include "platform/ErrorGuard.h"
#include "platform/Fonts.h"
#include "platform/ProgramDirectory.h"
#include "platform/QtDialogs.h"
#include "ui/Unit1.h"
#include "ui/Unit2.h"
#include "ui/card/CardCommand.h"
#include "ui/roster/RosterCommand.h"
#include "ui/roster/RosterFolder.h"
#include "ui/roster/RosterOpening.h"
#include "ui/roster/RosterTranslations.h"

int main(int argc, char** argv) {
  using namespace ostrak;
  // The cards and radars it saves are the same bytes on every run (see
  // ui/card/Drawing.h).
  QHashSeed::setDeterministicGlobalSeed();
  QApplication application(argc, argv);
  // The title is the program's own: Qt's display name would be appended to
  // every window title on X11.
  const QString title = QString::fromLatin1(kApplicationTitle);
  // The desktop matches the windows to their desktop entry by this id, and
  // the icon is the one that entry names.
  QGuiApplication::setDesktopFileName(QStringLiteral(OSTRAK_APPLICATION_ID));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral(OSTRAK_APPLICATION_ID)));
  RegisterFonts();
  QApplication::setStyle(QStringLiteral("Fusion"));

  // Qt has taken its own options out by now.
  QCommandLineParser arguments;
  arguments.setApplicationDescription(QStringLiteral("Enters, loads and saves fighter records."));
  arguments.addHelpOption();
  const QCommandLineOption rosterOption(
      QStringLiteral("roster"),
      QStringLiteral("Opens the roster window too, in front: on FOLDER, else on the folder used last."));
  arguments.addOption(rosterOption);
  const QCommandLineOption recoverOption(
      QStringLiteral("recover"),
      QStringLiteral("Brings back the fighter left unsaved at the last exit, as one step Undo takes back."));
  arguments.addOption(recoverOption);
  arguments.addPositionalArgument(
      QStringLiteral("file"),
      QStringLiteral("A fighter file to load at start; with --roster, the roster's folder."),
      QStringLiteral("[FILE | --roster [FOLDER]]"));
  arguments.process(application);
  const bool wantsRoster = arguments.isSet(rosterOption);
  const bool wantsDraft = arguments.isSet(recoverOption);
  const QStringList files = arguments.positionalArguments();
  if (files.size() > 1) {
    std::fprintf(stderr, "%s: one fighter file at a time\n", qPrintable(QCoreApplication::applicationName()));
    return 1;
  }
  if (wantsDraft && !wantsRoster && !files.isEmpty()) {
    std::fprintf(stderr, "%s: --recover brings back the unsaved fighter: name no file with it\n",
                 qPrintable(QCoreApplication::applicationName()));
    return 1;
  }

  QtDialogs dialogs;
  SetErrorSink(MessageBoxErrorSink(dialogs, title));

  const std::string program = ProgramDirectory();
  // An installed copy keeps the settings per user even for root, who could
  // write beside the program and change them for everyone.
  const ProgramFolder folder = IsInstalledProgramDirectory(program) || !IsWritableDirectory(program)
                                   ? ProgramFolder::Installed
                                   : ProgramFolder::Portable;
  TForm1 editor(dialogs, program, SettingsPlaceFor(program, folder, UserConfigDirectory()));
  new TForm2(editor);  // the editor owns it and shows it on Evaluate
  // Qt's own texts (the file dialogs, the question before replacing a file,
  // the edits' menus) speak the editor's language for the whole session, not
  // only while a roster window exists.
  const roster::RosterTranslations translations(roster::RosterLanguageOf(editor.Language()));
  roster::InstallRosterCommand(editor, dialogs);
  InstallCardCommand(editor, dialogs);
  if (FirstPaintReportRequested()) ReportFirstPaintThenQuit(editor);
  editor.show();
  // A window manager gives a new window the keyboard; on a bare X server
  // nothing would.
  editor.activateWindow();
  if (wantsRoster) {
    // The roster window in front of the editor, on FOLDER or the start folder.
    roster::ShowRosterWindow(editor, dialogs, roster::StartFolder(files.value(0)));
  } else if (!files.isEmpty()) {
    // Once the event loop runs, so that a failure notice opens over the
    // window.
    QMetaObject::invokeMethod(
        &editor, [&editor, path = files.front()] { Guard([&] { editor.OpenFighterFile(path); }); },
        Qt::QueuedConnection);
  }
  if (wantsDraft) {
    // Once the event loop runs, so that a notice opens over the window.
    QMetaObject::invokeMethod(
        &editor, [&editor] { Guard([&] { editor.RecoverUnsavedFighter(&editor); }); }, Qt::QueuedConnection);
  }
  const int status = QApplication::exec();
  SetErrorSink(nullptr);
  return status;
}
