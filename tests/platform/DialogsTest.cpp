// The dialogs as Qt builds them, checked without running their modal loops,
// and the general error display.

#include <gtest/gtest.h>

#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QTest>

#include "platform/ErrorDisplay.h"
#include "platform/FileDialog.h"
#include "platform/NoticeDialog.h"
#include "platform/QtDialogs.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDirectory.h"

namespace ostrak {
namespace {

TEST(QtFileDialog, TheSaveDialogListsTextFirstAddsTxtAndLeavesTheReplaceQuestionToUs) {
  test::TempDirectory dir;
  QDir::setCurrent(QString::fromStdString(dir.path()));
  TFileDialog save(FileDialogKind::Save);
  save.SetTitle(QStringLiteral("Guardar luchador"));
  save.SetFilters(
      {{QStringLiteral("Texto"), QStringLiteral("*.txt")}, {QStringLiteral("Todos"), QStringLiteral("*.*")}});
  save.SetDefaultExt(QStringLiteral("txt"));
  save.SetFileName(QStringLiteral("Ann Lee.txt"));
  QFileDialog qt;
  ConfigureQtFileDialog(qt, save);
  EXPECT_EQ(qt.windowTitle(), QStringLiteral("Guardar luchador"));
  EXPECT_EQ(qt.acceptMode(), QFileDialog::AcceptSave);
  EXPECT_EQ(qt.fileMode(), QFileDialog::AnyFile);
  EXPECT_TRUE(qt.testOption(QFileDialog::DontUseNativeDialog));
  EXPECT_TRUE(qt.testOption(QFileDialog::DontConfirmOverwrite));
  EXPECT_EQ(qt.nameFilters(), (QStringList{QStringLiteral("Texto (*.txt)"), QStringLiteral("Todos (*)")}));
  EXPECT_EQ(qt.selectedNameFilter(), QStringLiteral("Texto")) << "shown without its pattern";
  EXPECT_EQ(qt.defaultSuffix(), QStringLiteral("txt"));
  EXPECT_EQ(qt.directory().absolutePath(), QDir::currentPath());
  EXPECT_EQ(qt.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(), QStringLiteral("Ann Lee.txt"));
}

TEST(QtFileDialog, TheNameBoxKeepsAFullPathAndAMissingStartFolderFallsBackToTheCurrentOne) {
  test::TempDirectory dir;
  QDir::setCurrent(QString::fromStdString(dir.path()));
  TFileDialog open(FileDialogKind::Open);
  open.SetFileName(QStringLiteral("/somewhere/else/bo.txt"));
  open.SetInitialDir(QStringLiteral("Fighters"));
  QFileDialog qt;
  ConfigureQtFileDialog(qt, open);
  EXPECT_EQ(qt.acceptMode(), QFileDialog::AcceptOpen);
  EXPECT_EQ(qt.directory().absolutePath(), QDir::currentPath());
  EXPECT_EQ(qt.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text(),
            QStringLiteral("/somewhere/else/bo.txt"));
}

// A typed name without an ending takes the type the user picked last.
TEST(QtFileDialog, ATablesEndingFollowsTheTypeChosen) {
  test::TempDirectory dir;
  FileChoice choice{
      FileDialogKind::Save,
      QStringLiteral("Export"),
      QString::fromStdString(dir.path()),
      {{QStringLiteral("CSV"), QStringLiteral("*.csv")}, {QStringLiteral("JSON"), QStringLiteral("*.json")}},
      {}};
  choice.fileName = QStringLiteral("tabla");
  choice.suffixRule = DefaultSuffix::OfFilter;
  QFileDialog qt;
  ConfigureQtFileChoice(qt, choice);
  EXPECT_EQ(qt.defaultSuffix(), QStringLiteral("csv"));
  auto* types = qt.findChild<QComboBox*>(QStringLiteral("fileTypeCombo"));
  ASSERT_NE(types, nullptr);
  QTest::keyClick(types, Qt::Key_Down);  // the user picks the next type
  EXPECT_EQ(qt.defaultSuffix(), QStringLiteral("json"));
  ASSERT_EQ(qt.selectedFiles().size(), 1);
  EXPECT_EQ(qt.selectedFiles().first(), QString::fromStdString(dir / "tabla.json"));
}

TEST(FileDialog, AnAcceptedDialogMovesTheCurrentDirectoryToTheChosenFolder) {
  test::TempDirectory dir;
  QDir(QString::fromStdString(dir.path())).mkdir(QStringLiteral("Fighters"));
  QDir::setCurrent(QString::fromStdString(dir.path()));
  test::ScriptedDialogs dialogs;
  TFileDialog open(FileDialogKind::Open);
  int shown = 0;
  open.OnShow = [&] { ++shown; };
  open.SetInitialDir(QStringLiteral("Fighters"));
  dialogs.Answer(std::nullopt);
  EXPECT_FALSE(open.Execute(dialogs));
  EXPECT_EQ(QDir::currentPath() + '/', QString::fromStdString(dir.path()));
  dialogs.Answer(QString::fromStdString(dir / "Fighters/a.txt"));
  EXPECT_TRUE(open.Execute(dialogs));
  EXPECT_EQ(QDir::currentPath(), QString::fromStdString(dir / "Fighters"));
  EXPECT_EQ(shown, 2);
  EXPECT_EQ(dialogs.fileDialogs[0].startDirectory, QString::fromStdString(dir / "Fighters"));
}

TEST(NoticeDialog, WrapsAtHalfTheScreenWithOneOkThatEnterAndEscBothClose) {
  NoticeDialog notice(QStringLiteral("El luchador no se ha cargado correctamente"),
                      QStringLiteral("Ostrak Editor"));
  EXPECT_EQ(notice.windowTitle(), QStringLiteral("Ostrak Editor"));
  EXPECT_EQ(notice.windowModality(), Qt::ApplicationModal);
  EXPECT_TRUE(notice.TextLabel()->wordWrap());
  EXPECT_EQ(notice.TextLabel()->textFormat(), Qt::PlainText);
  EXPECT_LE(notice.TextLabel()->maximumWidth(),
            QGuiApplication::primaryScreen()->availableGeometry().width() / 2);
  EXPECT_EQ(notice.OkButton()->text(), QStringLiteral("OK"));
  EXPECT_TRUE(notice.OkButton()->isDefault());
  EXPECT_EQ(notice.findChildren<QPushButton*>().size(), 1);
  const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
  EXPECT_LE((notice.geometry().center() - screen.center()).manhattanLength(), 2);

  for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
    notice.show();
    QTest::keyClick(&notice, key);
    EXPECT_FALSE(notice.isVisible()) << key;
  }
}

// Only a text wider than half the screen is broken into lines.
TEST(NoticeDialog, KeepsAShortTextOnOneLineAndBreaksALongOneAtHalfTheScreen) {
  const int halfScreen = QGuiApplication::primaryScreen()->availableGeometry().width() / 2;
  NoticeDialog shortNotice(QStringLiteral("El luchador no se ha cargado correctamente"),
                           QStringLiteral("Ostrak Editor"));
  const QLabel* label = shortNotice.TextLabel();
  EXPECT_LT(label->height(), 2 * label->fontMetrics().lineSpacing());
  EXPECT_GE(label->width(), label->fontMetrics().horizontalAdvance(label->text()));

  NoticeDialog longNotice(QStringLiteral("El luchador no se ha cargado correctamente ").repeated(8),
                          QStringLiteral("Ostrak Editor"));
  label = longNotice.TextLabel();
  EXPECT_LE(label->width(), halfScreen);
  EXPECT_GE(label->width(), halfScreen * 9 / 10);
  EXPECT_GE(label->height(), 2 * label->fontMetrics().lineSpacing());
}

TEST(ErrorDisplay, ShowsAStopBoxTitledWithTheApplicationAfterThePeriodRule) {
  test::ScriptedDialogs dialogs;
  const ErrorSink previous = SetErrorSink(MessageBoxErrorSink(dialogs, QStringLiteral("Ostrak Editor")));
  Guard(
      [] { throw std::runtime_error("Cannot open file \"/x/Jos\xC3\xA9.txt\". No such file or directory"); });
  Guard([] { throw std::runtime_error("List index out of bounds (85)"); });
  Guard([] {
    throw std::runtime_error(
        "'Pe\xF1"
        "a' is not a valid integer value");
  });
  SetErrorSink(previous);
  ASSERT_EQ(dialogs.messages.size(), 3u);
  EXPECT_EQ(dialogs.messages[0].text,
            QString::fromUtf8("Cannot open file \"/x/José.txt\". No such file or directory."));
  EXPECT_EQ(dialogs.messages[0].title, QStringLiteral("Ostrak Editor"));
  EXPECT_EQ(dialogs.messages[0].icon, MessageIcon::Stop);
  EXPECT_EQ(dialogs.messages[1].text, QStringLiteral("List index out of bounds (85)"));
  EXPECT_EQ(dialogs.messages[2].text, QString::fromUtf8("'Peña' is not a valid integer value."));
}

}  // namespace
}  // namespace ostrak
