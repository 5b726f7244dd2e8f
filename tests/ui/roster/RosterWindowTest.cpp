// The roster window as a user drives it, offscreen, with the editor beside
// it, its dialogs scripted and its work done inline (no thread, no waits).

#include <gtest/gtest.h>

#include <QApplication>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>

#include "roster/Roster.h"
#include "ui/EditorHarness.h"
#include "ui/roster/ComparisonWindow.h"
#include "ui/roster/RosterCommand.h"
#include "ui/roster/RosterFixtures.h"
#include "ui/roster/RosterFolder.h"
#include "ui/roster/RosterOpening.h"
#include "ui/roster/RosterTransfer.h"
#include "ui/roster/RosterWindow.h"
#include "ui/roster/RosterWindowOpening.h"
#include "widgets/gradient/GradientProgress.h"

namespace ostrak::roster {
namespace {

using test::FighterTraits;
using test::ReadBytes;
using test::WriteBytes;
using test::WriteFighter;

class RosterWindowTest : public ::testing::Test {
protected:
  explicit RosterWindowTest(RosterLanguage language = RosterLanguage::Spanish) {
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path()));
    WriteFighter(folder, "goni.txt",
                 {"Ana Go\xF1i",
                  "Espa\xF1"
                  "a",
                  -1, 16, 20});
    WriteFighter(folder, "ferreira.txt", {"Lucas Ferreira", "Brasil", 1, 8, 5});
    WriteFighter(folder, "sub/lindqvist.txt", {"S\xF8ren Lindqvist", "Danmark", 4, 12, 12});
    WriteBytes(folder / "broken.txt", "14\r\nabc\r\n");
    window = OpenRosterWindow(editor, folder.path(), language);
  }
  ~RosterWindowTest() override { qunsetenv("XDG_CONFIG_HOME"); }

  int RowOf(const char* file) const { return window->Model().RowOfFile(file); }
  void Select(std::initializer_list<const char*> files) {
    window->Table().clearSelection();
    for (const char* file : files) window->Table().selectRow(RowOf(file));
  }
  void Key(QWidget* target, int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(target, static_cast<Qt::Key>(key), modifiers);
  }

  test::TempDirectory config;
  test::TempDirectory folder;
  test::EditorHarness editor;
  std::unique_ptr<RosterWindow> window;
};

TEST_F(RosterWindowTest, ShowsTheFolderInSpanishAndFiltersSortsAndSwitchesFromTheKeyboard) {
  EXPECT_EQ(window->windowTitle(), QString::fromUtf8("Plantilla — ") + QString::fromStdString(folder.path()));
  EXPECT_EQ(window->Status().text(), "4 de 4 luchadores mostrados, 1 con problemas");
  EXPECT_EQ(LastFolder() + '/', QString::fromStdString(folder.path()));

  Key(window.get(), Qt::Key_F, Qt::ControlModifier);
  EXPECT_TRUE(window->Filter().hasFocus());
  QTest::keyClicks(&window->Filter(), "GONI");
  window->ApplyFilterNow();
  EXPECT_EQ(window->Status().text(), "1 de 4 luchadores mostrados, 0 con problemas");
  window->Filter().clear();
  window->ApplyFilterNow();

  // Ctrl+7: the seventh column, Ground, best first; again, the other way.
  window->Table().setFocus();
  Key(&window->Table(), Qt::Key_7, Qt::ControlModifier);
  EXPECT_EQ(window->Model().SortOrder(), Qt::DescendingOrder);
  EXPECT_EQ(window->Model().RowAt(0).file, "goni.txt");
  Key(&window->Table(), Qt::Key_7, Qt::ControlModifier);
  EXPECT_EQ(window->Model().RowAt(3).file, "goni.txt");
  EXPECT_EQ(window->Table().horizontalHeader()->sortIndicatorSection(), RosterModel::FirstRating);

  test::TempDirectory other;
  WriteFighter(other, "one.txt", {"Ivo Ramos"});
  editor.dialogs.Answer(QString::fromStdString(other.path()));
  Key(window.get(), Qt::Key_O, Qt::ControlModifier);
  EXPECT_EQ(window->Model().TotalCount(), 1);
  EXPECT_EQ(window->Model().RowAt(0).fullName, "Ivo Ramos");
}

TEST_F(RosterWindowTest, EnterLoadsTheCurrentRowIntoTheEditorThroughItsLoadCommand) {
  window->Table().setCurrentIndex(window->Model().index(RowOf("goni.txt"), RosterModel::FullName));
  Key(&window->Table(), Qt::Key_Return);
  EXPECT_EQ(editor.Form().edNombre->Text(), QString::fromUtf8("Ana Goñi"));
  EXPECT_EQ(editor.Line(0), "20");

  // A file that does not load gets the editor's own notice; the form stays.
  window->Table().setCurrentIndex(window->Model().index(RowOf("broken.txt"), 0));
  Key(&window->Table(), Qt::Key_Enter);
  ASSERT_EQ(editor.dialogs.messages.size(), 1u);
  EXPECT_TRUE(editor.dialogs.messages[0].notice);
  EXPECT_EQ(editor.Form().edNombre->Text(), QString::fromUtf8("Ana Goñi"));
}

class RosterWindowInEnglish : public RosterWindowTest {
protected:
  RosterWindowInEnglish() : RosterWindowTest(RosterLanguage::English) {}
};

TEST_F(RosterWindowInEnglish, CompareShowsTheEvaluationBarsAndMarksEachAttributesHighest) {
  Select({"goni.txt"});
  Key(&window->Table(), Qt::Key_D, Qt::ControlModifier);
  ASSERT_EQ(editor.dialogs.messages.size(), 1u);
  EXPECT_EQ(editor.dialogs.messages[0].text, "Select two to four fighters that load, then compare them.");
  EXPECT_EQ(window->Comparison(), nullptr);

  Select({"goni.txt", "ferreira.txt"});
  Key(&window->Table(), Qt::Key_D, Qt::ControlModifier);
  ComparisonWindow* comparison = window->Comparison();
  ASSERT_NE(comparison, nullptr);
  EXPECT_TRUE(comparison->isVisible());
  ASSERT_EQ(comparison->Fighters().size(), 2u);
  const auto bars = comparison->Bars(0);  // ferreira.txt, first in file order
  // The editor's captions are Spanish: the bars read as the evaluation window's.
  EXPECT_EQ(bars[0]->accessibleName(), "Suelo 40%");
  EXPECT_EQ(bars[0]->Gradient().PercentFilling(), 40);
  EXPECT_EQ(bars[5]->accessibleName(), "Global 39%");

  const QTableWidget& attributes = comparison->Attributes();
  ASSERT_EQ(attributes.rowCount(), 18);
  EXPECT_EQ(attributes.verticalHeaderItem(0)->text(), QString::fromUtf8("Puños"));
  EXPECT_EQ(attributes.item(0, 1)->data(Qt::AccessibleTextRole).toString(), "20, highest");
  EXPECT_TRUE(attributes.item(0, 1)->font().bold());
  EXPECT_FALSE(attributes.item(0, 0)->font().bold());
  QApplication::setActiveWindow(comparison);
  Key(comparison, Qt::Key_Escape);
  EXPECT_FALSE(comparison->isVisible());
}

TEST_F(RosterWindowInEnglish, ExportsTheShownRowsAndAppliesATableOnlyAfterItsPreview) {
  window->Model().sort(RosterModel::FullName, Qt::DescendingOrder);
  const std::string table = config / "roster.csv";
  // CSV as a Spanish spreadsheet reads it: semicolons, a byte-order mark.
  editor.dialogs.Answer(QString::fromStdString(table));
  editor.dialogs.AnswerFilter(1);
  Key(window.get(), Qt::Key_E, Qt::ControlModifier | Qt::ShiftModifier);
  const std::vector<std::string> shown = {"sub/lindqvist.txt", "ferreira.txt", "goni.txt", "broken.txt"};
  ExportOptions options;
  options.separator = ';';
  options.byteOrderMark = true;
  options.base = folder.path();
  EXPECT_EQ(ReadBytes(table), ExportFiles(shown, options).bytes);
  EXPECT_EQ(editor.dialogs.messages.back().text.left(20), "Fighters written to ");

  std::string edited = ReadBytes(table);
  edited.replace(edited.find("Lucas Ferreira"), 14, "Lucas Pereira");
  WriteBytes(table, edited);
  const std::string before = ReadBytes(folder / "ferreira.txt");
  for (const bool apply : {false, true}) {
    editor.dialogs.Answer(QString::fromStdString(table));
    Key(window.get(), Qt::Key_I, Qt::ControlModifier | Qt::ShiftModifier);
    ImportPreview* preview = window->Transfer().Preview();
    ASSERT_NE(preview, nullptr);
    const ChangePreview& shown = preview->Preview();
    EXPECT_EQ(shown.Text(1, PreviewModel::File), "ferreira.txt");
    EXPECT_EQ(shown.Text(1, PreviewModel::Result), "would replace");
    EXPECT_EQ(shown.Text(0, PreviewModel::Result), "unchanged");
    (apply ? preview->ApplyButton() : preview->CancelButton()).click();
    EXPECT_EQ(ReadBytes(folder / "ferreira.txt") == before, !apply);
  }
  EXPECT_EQ(editor.dialogs.messages.back().text, "Files written: 1.");
  EXPECT_EQ(window->Model().RowAt(window->Model().RowOfFile("ferreira.txt")).fullName, "Lucas Pereira");

  // A refused cell is listed with its row and column, and nothing can be applied.
  edited = ReadBytes(table);
  edited.replace(edited.find("goni.txt;20;"), 12, "goni.txt;abc;");
  WriteBytes(table, edited);
  editor.dialogs.Answer(QString::fromStdString(table));
  window->Transfer().ImportTable();
  ImportPreview* preview = window->Transfer().Preview();
  ASSERT_NE(preview, nullptr);
  EXPECT_GT(preview->Problems().count(), 0);
  EXPECT_FALSE(preview->ApplyButton().isEnabled());
  preview->CancelButton().click();
}

TEST_F(RosterWindowInEnglish, TheExportsNameEndsAsItsTypeDoesAndJsonHasNoMark) {
  constexpr int kSemicolons = 1;
  constexpr int kJson = 3;
  std::vector<std::string> shown;
  for (int row = 0; row < window->Model().rowCount(); ++row) shown.push_back(window->Model().RowAt(row).file);
  const struct {
    const char* name;
    std::vector<std::pair<const char*, int>> typed;  // each time the dialog opens: name and type
    std::vector<bool> answers;                       // to the questions, in order
    const char* written;                             // empty: nothing
    int kind;
  } rows[] = {
      {"no ending typed: the type's", {{"tabla", kJson}}, {}, "tabla.json", kJson},
      {"no ending typed, a spreadsheet's CSV", {{"tabla2", kSemicolons}}, {}, "tabla2.csv", kSemicolons},
      {"the ending in capitals agrees", {{"T.JSON", kJson}}, {}, "T.JSON", kJson},
      {"a CSV ending for JSON, renamed", {{"tabla.csv", kJson}}, {true}, "tabla.json", kJson},
      {"a JSON ending for CSV, renamed", {{"tabla2.json", kSemicolons}}, {true}, "tabla2.csv", kSemicolons},
      {"another ending is kept and the type's added",
       {{"roster 2024.05", kJson}},
       {true},
       "roster 2024.05.json",
       kJson},
      {"No goes back to the dialog, which keeps name and type",
       {{"tabla.csv", kJson}, {"mine", -1}},
       {false},
       "mine.json",
       kJson},
      {"a file under the new name is asked about",
       {{"old.csv", kJson}, {"fresh", -1}},
       {true, false},
       "fresh.json",
       kJson},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    const test::TempDirectory out;
    WriteBytes(out / "old.json", "kept");
    editor.dialogs.questions.clear();
    editor.dialogs.fileDialogs.clear();
    for (const auto& [typed, kind] : row.typed) editor.dialogs.Answer(QString::fromStdString(out / typed));
    for (const bool answer : row.answers) editor.dialogs.AnswerQuestion(answer);
    editor.dialogs.AnswerFilter(row.typed.front().second);
    window->Transfer().ExportShownRows();
    EXPECT_EQ(editor.dialogs.questions.size(), row.answers.size());
    EXPECT_EQ(editor.dialogs.fileDialogs.size(), row.typed.size());
    if (row.typed.size() > 1) {
      EXPECT_EQ(editor.dialogs.fileDialogs[1].fileName.toStdString(), row.typed[0].first);
    }
    std::vector<std::string> entries = {"old.json", row.written};
    std::sort(entries.begin(), entries.end());
    EXPECT_EQ(out.Entries(), entries);
    EXPECT_EQ(ReadBytes(out / "old.json"), "kept");
    ExportOptions options;
    options.format = row.kind == kJson ? TableFormat::Json : TableFormat::Csv;
    options.separator = row.kind == kSemicolons ? ';' : ',';
    options.byteOrderMark = row.kind == kSemicolons;
    options.base = folder.path();
    EXPECT_EQ(ReadBytes(out / row.written), ExportFiles(shown, options).bytes);
  }
  EXPECT_EQ(editor.dialogs.questions.front(),
            "\"old.csv\" does not end in .json, as a file of the type \"JSON table\" does.\n\n"
            "Export it as \"old.json\"?");
  EXPECT_EQ(editor.dialogs.questions.back(), "old.json already exists.\nDo you want to replace it?");
}

TEST_F(RosterWindowTest, TheEnginesRefusalsNotesAndFailuresSpeakSpanish) {
  const std::string table = config / "t.csv";
  // Windows-1252, with a column the engine does not know.
  WriteBytes(table,
             "file,zzz\r\ngoni.txt,Espa\xF1"
             "a\r\n");
  editor.dialogs.Answer(QString::fromStdString(table));
  window->Transfer().ImportTable();
  ImportPreview* preview = window->Transfer().Preview();
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(preview->Problems().item(0)->text(), "La tabla: zzz: columna desconocida");
  EXPECT_TRUE(
      preview->Summary().text().endsWith(QString::fromUtf8("\nno es UTF-8: se ha leído como Windows-1252")))
      << preview->Summary().text().toStdString();
  preview->CancelButton().click();

  // The file changes between the preview and Apply.
  ExportOptions options;
  options.base = folder.path();
  std::string edited = ExportFiles({"ferreira.txt"}, options).bytes;
  edited.replace(edited.find("Lucas Ferreira"), 14, "Lucas Pereira");
  WriteBytes(table, edited);
  editor.dialogs.Answer(QString::fromStdString(table));
  window->Transfer().ImportTable();
  preview = window->Transfer().Preview();
  ASSERT_NE(preview, nullptr);
  WriteFighter(folder, "ferreira.txt", {"Lucas Ferreira", "Brasil", 1, 9, 5});
  preview->ApplyButton().click();
  EXPECT_EQ(
      editor.dialogs.messages.back().text,
      QString::fromUtf8("No se ha aplicado la tabla.\nferreira.txt: ha cambiado desde que se comprobó"));
}

TEST_F(RosterWindowTest, AFileWrittenInPlaceShowsAfterTheWatchKeepingSortFilterAndSelection) {
  window->Model().sort(RosterModel::LastRating, Qt::DescendingOrder);
  window->Filter().setText("a");
  window->ApplyFilterNow();
  Select({"ferreira.txt"});
  ASSERT_FALSE(window->RescanPending());
  WriteFighter(folder, "ferreira.txt", {"Lucas Ferreira", "Brasil", 1, 20, 20});
  QCoreApplication::processEvents();  // the watch's events are queued by the write
  ASSERT_TRUE(window->RescanPending());
  WriteFighter(folder, "new.txt", {"Ivo Ramos", "Portugal"});
  window->RescanNow();
  EXPECT_EQ(window->Model().RowAt(0).file, "ferreira.txt");
  const auto selected = window->Table().selectionModel()->selectedRows();
  ASSERT_EQ(selected.size(), 1);
  EXPECT_EQ(selected[0].row(), 0);
  EXPECT_EQ(window->Filter().text(), "a");
  EXPECT_EQ(window->Status().text(), "4 de 5 luchadores mostrados, 0 con problemas");
}

TEST(RosterCommand, CtrlRInTheEditorOpensOneRosterWindowOnTheStartFolder) {
  test::TempDirectory config;
  qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path()));
  test::EditorHarness editor;
  InstallRosterCommand(editor.Form(), editor.dialogs);
  QApplication::setActiveWindow(&editor.Form());
  for (int twice = 0; twice < 2; ++twice) QTest::keyClick(&editor.Form(), Qt::Key_R, Qt::ControlModifier);
  RosterWindow* window = FindRosterWindow(editor.Form());
  ASSERT_NE(window, nullptr);
  EXPECT_TRUE(window->isVisible());
  EXPECT_EQ(editor.Form().findChildren<RosterWindow*>().size(), 1);
  // No folder given, none remembered, no Fighters: the current folder.
  EXPECT_EQ(window->FolderPath(), editor.Files().path());
  qunsetenv("XDG_CONFIG_HOME");
}

}  // namespace
}  // namespace ostrak::roster
