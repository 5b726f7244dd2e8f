// Cells edited in the roster window from the keyboard, offscreen: the
// editor's own controls, the file written, the row following it, refusals
// said in the status line and the cell's tool tip; the columns a user
// chooses, kept for the next window; and many files changed at once, for the
// selected rows or from a table read back, previewed as a user and a screen
// reader meet the preview.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QTableView>

#include "record/FighterLayout.h"
#include "record/StringList.h"
#include "roster/RosterRows.h"
#include "ui/EditorHarness.h"
#include "ui/roster/BulkSetDialog.h"
#include "ui/roster/ImportPreview.h"
#include "ui/roster/RosterColumns.h"
#include "ui/roster/RosterFixtures.h"
#include "ui/roster/RosterTransfer.h"
#include "ui/roster/RosterWindow.h"
#include "ui/roster/RosterWindowOpening.h"
#include "ui/roster/SavedSelections.h"

namespace ostrak::roster {
namespace {

using test::FighterFile;
using test::FighterTraits;
using test::ReadBytes;
using test::WriteBytes;
using test::WriteFighter;

const FighterTraits kGoni{.fullName = "Ana Go\xF1i", .weightClassCode = -1, .attribute = 16, .punches = 20};
const FighterTraits kFerreira{"Lucas Ferreira", "Brasil", 1, 8, 5};

class RosterEditTest : public ::testing::Test {
protected:
  RosterEditTest() {
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path()));
    WriteFighter(folder, "goni.txt", kGoni);
    WriteFighter(folder, "ferreira.txt", kFerreira);
    Open(RosterLanguage::English);
  }
  ~RosterEditTest() override { qunsetenv("XDG_CONFIG_HOME"); }

  void Open(RosterLanguage language) {
    window.reset();
    window = OpenRosterWindow(editor, folder.path(), language);
    window->Table().setFocus();
  }

  QModelIndex Cell(const char* file, int column) const {
    return window->Model().index(window->Model().RowOfFile(file), column);
  }
  // F2 on the cell; the control it opens has the keyboard.
  QWidget* StartEdit(const char* file, int column) {
    window->Table().setCurrentIndex(Cell(file, column));
    QTest::keyClick(&window->Table(), Qt::Key_F2);
    return QApplication::focusWidget();
  }
  // Enter ends an edit through a queued call of Qt's delegate.
  static void Enter(QWidget* editor) {
    QTest::keyClick(editor, Qt::Key_Return);
    QCoreApplication::processEvents();
  }
  std::string File(const char* name) const { return ReadBytes(folder / name); }
  // Each row the preview shows: file | result | before → after | ratings | problem.
  static std::vector<std::string> Lines(const ChangePreview& shown) {
    std::vector<std::string> lines;
    for (int row = 0; row < shown.ShownCount(); ++row) {
      std::string line = shown.Text(row, PreviewModel::File).toStdString();
      for (int column = PreviewModel::Result; column <= PreviewModel::Problem; ++column)
        line += " | " + shown.Text(row, column).toStdString();
      lines.push_back(line);
    }
    return lines;
  }
  static std::vector<std::string> Problems(const ChangePreview& shown) {
    std::vector<std::string> problems;
    for (int row = 0; row < shown.Problems().count(); ++row)
      problems.push_back(shown.Problems().item(row)->text().toStdString());
    return problems;
  }

  test::TempDirectory config;
  test::TempDirectory folder;
  test::EditorHarness editor;
  std::unique_ptr<RosterWindow> window;
};

TEST_F(RosterEditTest, EnterWritesATextCellAndTheRowShowsTheFileAsWritten) {
  auto* edit = qobject_cast<QLineEdit*>(StartEdit("goni.txt", RosterModel::FullName));
  ASSERT_NE(edit, nullptr);
  EXPECT_EQ(edit->text(), QString::fromUtf8("Ana Goñi"));
  edit->selectAll();
  QTest::keyClicks(edit, "Ana Ruiz");
  Enter(edit);

  EXPECT_NE(File("goni.txt").find("\r\nAna Ruiz\r\nShort\r\n"), std::string::npos);
  EXPECT_EQ(Cell("goni.txt", RosterModel::FullName).data().toString(), "Ana Ruiz");
  EXPECT_EQ(window->EditNote().text(), "Full name of \"goni.txt\" saved.");
  EXPECT_EQ(editor.Form().edNombre->Text(), QString());  // Enter ended the edit; it opened nothing
}

TEST_F(RosterEditTest, AnAttributeTypedOutsideItsRangeIsClampedAsTheEditorClampsItAndTheRatingsFollow) {
  window->Columns().ShowAllAttributes();
  const QString overallBefore = Cell("ferreira.txt", RosterModel::LastRating).data().toString();
  auto* spin = qobject_cast<QSpinBox*>(StartEdit("ferreira.txt", RosterModel::FirstAttribute));
  ASSERT_NE(spin, nullptr);
  EXPECT_EQ(spin->value(), 5);
  spin->selectAll();
  QTest::keyClicks(spin, "25");
  QTest::keyClick(spin, Qt::Key_Tab);

  EXPECT_EQ(File("ferreira.txt").substr(0, 4), "20\r\n");
  EXPECT_EQ(Cell("ferreira.txt", RosterModel::FirstAttribute).data().toString(), "20");
  EXPECT_NE(Cell("ferreira.txt", RosterModel::LastRating).data().toString(), overallBefore);
}

TEST_F(RosterEditTest, TheWeightClassIsChosenFromTheEditorsItems) {
  auto* combo = qobject_cast<QComboBox*>(StartEdit("goni.txt", RosterModel::WeightClass));
  ASSERT_NE(combo, nullptr);
  ASSERT_EQ(combo->count(), 6);
  EXPECT_EQ(combo->currentIndex(), 0);
  QTest::keyClick(combo, Qt::Key_Down);
  Enter(combo);
  EXPECT_EQ(File("goni.txt"),
            FighterFile({.fullName = "Ana Go\xF1i", .weightClassCode = 0, .attribute = 16, .punches = 20}));
  EXPECT_EQ(Cell("goni.txt", RosterModel::WeightClass).data().toString(), "Lightweight: Max 155 lb / 70 kg");
}

TEST_F(RosterEditTest, ARefusedValueKeepsTheFileAndSaysWhyInTheStatusLineAndTheCellsToolTip) {
  auto* edit = qobject_cast<QLineEdit*>(StartEdit("goni.txt", RosterModel::FullName));
  ASSERT_NE(edit, nullptr);
  edit->clear();
  Enter(edit);

  EXPECT_EQ(File("goni.txt"), FighterFile(kGoni));
  EXPECT_EQ(Cell("goni.txt", RosterModel::FullName).data().toString(), QString::fromUtf8("Ana Goñi"));
  const QString why =
      "Full name of \"goni.txt\" was not saved: is empty: the editor saves no fighter without it";
  EXPECT_EQ(window->EditNote().text(), why);
  EXPECT_EQ(Cell("goni.txt", RosterModel::FullName).data(Qt::ToolTipRole).toString(), why);
  EXPECT_FALSE(Cell("goni.txt", RosterModel::CommonName).data(Qt::ToolTipRole).isValid());
}

TEST_F(RosterEditTest, EscapeCancelsTheEdit) {
  auto* edit = qobject_cast<QLineEdit*>(StartEdit("goni.txt", RosterModel::Nationality));
  ASSERT_NE(edit, nullptr);
  QTest::keyClicks(edit, "xyz");
  QTest::keyClick(edit, Qt::Key_Escape);
  EXPECT_EQ(File("goni.txt"), FighterFile(kGoni));
  EXPECT_FALSE(window->EditNote().isVisible());
}

TEST_F(RosterEditTest, AFileChangedOnDiskWhileItsCellWasEditedIsNotOverwritten) {
  auto* edit = qobject_cast<QLineEdit*>(StartEdit("goni.txt", RosterModel::CommonName));
  ASSERT_NE(edit, nullptr);
  edit->selectAll();
  QTest::keyClicks(edit, "Mine");
  const std::string theirs =
      FighterFile({.fullName = "Ana Gomez", .weightClassCode = 2, .attribute = 16, .punches = 20});
  WriteBytes(folder / "goni.txt", theirs);
  Enter(edit);

  EXPECT_EQ(File("goni.txt"), theirs);
  EXPECT_EQ(Cell("goni.txt", RosterModel::FullName).data().toString(), "Ana Gomez");
  EXPECT_EQ(Cell("goni.txt", RosterModel::CommonName).data().toString(), "Short");
  EXPECT_EQ(window->EditNote().text(),
            "\"goni.txt\" changed on disk while its cell was edited: nothing was written, and its row now "
            "shows the file as it is.");
}

TEST_F(RosterEditTest, ChosenColumnsTheirOrderAndWidthsAreKeptForTheNextWindow) {
  QHeaderView& header = *window->Table().horizontalHeader();
  EXPECT_TRUE(header.isSectionHidden(RosterModel::FirstAttribute));
  EXPECT_TRUE(header.isSectionHidden(RosterModel::SherdogId));
  window->Columns().ShowAllAttributes();
  window->Columns().SetShown(RosterModel::CommonName, false);
  header.moveSection(header.visualIndex(RosterModel::Nationality), 1);
  header.resizeSection(RosterModel::File, 201);

  Open(RosterLanguage::Spanish);
  QHeaderView& again = *window->Table().horizontalHeader();
  for (int column = RosterModel::FirstAttribute; column <= RosterModel::LastAttribute; ++column)
    EXPECT_FALSE(again.isSectionHidden(column)) << column;
  EXPECT_TRUE(again.isSectionHidden(RosterModel::CommonName));
  EXPECT_EQ(again.visualIndex(RosterModel::Nationality), 1);
  EXPECT_EQ(again.sectionSize(RosterModel::File), 201);
  // Headed by the editor's own labels.
  EXPECT_EQ(window->Model().headerData(RosterModel::FirstAttribute, Qt::Horizontal).toString(),
            QString::fromUtf8("Puños"));

  window->Columns().Reset();
  EXPECT_TRUE(again.isSectionHidden(RosterModel::FirstAttribute));
  EXPECT_FALSE(again.isSectionHidden(RosterModel::CommonName));
  EXPECT_EQ(again.visualIndex(RosterModel::Nationality), RosterModel::Nationality);
}

struct BulkCase {
  const char* name;
  const char* field;  // as the dialog offers it
  int operation;
  int number;
  const char* text;
  std::vector<std::string> preview;  // each file: result | before → after | ratings | problem
  std::vector<std::string> problems;
};

class RosterBulkSet : public RosterEditTest, public ::testing::WithParamInterface<BulkCase> {};

TEST_P(RosterBulkSet, PreviewsEveryFileBeforeAndAfterAndNamesTheFileOfEveryRefusal) {
  const BulkCase& bulk = GetParam();
  window->Table().selectAll();
  QTest::keyClick(window.get(), Qt::Key_S, Qt::ControlModifier | Qt::ShiftModifier);
  BulkSetDialog* dialog = window->BulkSet();
  ASSERT_NE(dialog, nullptr);
  EXPECT_EQ(dialog->TargetChoice().currentText(), "Selected rows (2 fighters)");
  dialog->Field().setCurrentIndex(dialog->Field().findText(QString::fromUtf8(bulk.field)));
  ASSERT_GE(dialog->Field().currentIndex(), 0);
  dialog->Operation().setCurrentIndex(bulk.operation);
  dialog->Number().setValue(bulk.number);
  dialog->NewText().setText(QString::fromUtf8(bulk.text));
  dialog->RunPreview();
  EXPECT_EQ(Lines(dialog->Preview()), bulk.preview);
  EXPECT_EQ(Problems(dialog->Preview()), bulk.problems);

  // Cancel leaves every file as it was.
  dialog->CancelButton().click();
  EXPECT_EQ(File("goni.txt"), FighterFile(kGoni));
  EXPECT_EQ(File("ferreira.txt"), FighterFile(kFerreira));
}

INSTANTIATE_TEST_SUITE_P(
    Changes, RosterBulkSet,
    ::testing::Values(
        // Goni's 20 stays 20, clamped: unchanged.
        BulkCase{"AttributeAddedAndClamped",
                 "Puños",
                 1,
                 5,
                 "",
                 // Striking (5 + 8 + 8) / 3 = 7, 35%, to (10 + 8 + 8) / 3, 43%.
                 {"ferreira.txt | would replace | Puños: 5 → 10 | Golpeo 35% → 43%; Global 39% → 41% | ",
                  "goni.txt | unchanged |  |  | "},
                 {}},
        BulkCase{
            "TextRefusedForEachFile",
            "Full name",
            0,
            1,
            "",
            {"ferreira.txt | refused |  |  | Full name: is empty: the editor saves no fighter without it",
             "goni.txt | refused |  |  | Full name: is empty: the editor saves no fighter without it"},
            {"ferreira.txt: Full name: is empty: the editor saves no fighter without it",
             "goni.txt: Full name: is empty: the editor saves no fighter without it"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RosterEditTest, ApplySetsTheWeightClassOfEveryTargetFileAsOneChangeAndTheRowsFollow) {
  window->Table().selectAll();
  window->OpenBulkSet();
  BulkSetDialog* dialog = window->BulkSet();
  ASSERT_NE(dialog, nullptr);
  dialog->Field().setCurrentIndex(dialog->Field().findText("Weight class"));
  dialog->Item().setCurrentIndex(5);  // Heavyweight
  dialog->RunPreview();
  dialog->Preview().OnlyChanged().setChecked(true);
  EXPECT_EQ(dialog->Preview().ShownCount(), 2);
  EXPECT_EQ(dialog->Preview().Text(1, PreviewModel::Changes).toStdString(),
            "Weight class: Featherweight: Max Max 145 lb / 66 kg → Heavyweight: Max 265 lb / 120 kg");
  dialog->ApplyButton().click();

  EXPECT_FALSE(dialog->isVisible());
  EXPECT_EQ(File("goni.txt"),
            FighterFile({.fullName = "Ana Go\xF1i", .weightClassCode = 4, .attribute = 16, .punches = 20}));
  EXPECT_EQ(File("ferreira.txt"), FighterFile({"Lucas Ferreira", "Brasil", 4, 8, 5}));
  EXPECT_EQ(Cell("goni.txt", RosterModel::WeightClass).data().toString(), "Heavyweight: Max 265 lb / 120 kg");
}

TEST_F(RosterEditTest, ATablesPreviewShowsEachChangeNamesTheFileOfEachRefusalNarrowsSortsAndIsNamedAloud) {
  const FighterTraits lind{"Ivo Lind"};
  WriteFighter(folder, "lind.txt", lind);
  std::string table;
  AppendCsvHeader(table);
  for (const char* file : {"ferreira.txt", "goni.txt", "lind.txt"}) {
    TStringList lines;
    lines.SetText(File(file));
    if (file == std::string("ferreira.txt")) {
      lines.Put(LineOf(FighterField::Punches), "10");
      lines.Put(LineOf(FighterField::WeightClass), "3");
    }
    if (file == std::string("goni.txt")) lines.Put(LineOf(FighterField::Kicks), "abc");
    AppendCsvRow(table, file, lines);
  }
  WriteBytes(config / "roster.csv", table);
  Open(RosterLanguage::Spanish);
  editor.dialogs.Answer(QString::fromStdString(config / "roster.csv"));
  window->Transfer().ImportTable();
  ImportPreview* preview = window->Transfer().Preview();
  ASSERT_NE(preview, nullptr);
  ChangePreview& shown = preview->Preview();
  // The attributes and ratings are headed by the editor's captions; the
  // refusal is the editor's own message.
  const std::string changes =
      "Puños: 5 → 10; Categoría: Welterweight: Max 170 lb / 77 kg → Light Heavyweight: Max 205 lb / 93 kg";
  const std::string ferreira =
      "ferreira.txt | se sustituiría | " + changes + " | Golpeo 35% → 43%; Global 39% → 41% | ";
  const std::string goni = "goni.txt | rechazado |  |  | Patadas: 'abc' is not a valid integer value";
  EXPECT_EQ(Lines(shown), (std::vector<std::string>{ferreira, goni, "lind.txt | sin cambios |  |  | "}));
  EXPECT_EQ(Problems(shown),
            std::vector<std::string>{"goni.txt (fila 2): Patadas: 'abc' is not a valid integer value"});
  EXPECT_FALSE(preview->ApplyButton().isEnabled());

  shown.OnlyChanged().click();
  shown.Table().horizontalHeader()->setSortIndicator(PreviewModel::Result, Qt::AscendingOrder);
  EXPECT_EQ(Lines(shown), (std::vector<std::string>{goni, ferreira}));  // "rechazado" before "se sustituiría"

  // Each control the keyboard reaches is named aloud.
  const auto name = [](QWidget* control) {
    return QAccessible::queryAccessibleInterface(control)->text(QAccessible::Name);
  };
  for (QWidget* control : preview->findChildren<QWidget*>()) {
    if (control->focusPolicy() != Qt::NoFocus && control->isVisibleTo(preview)) {
      EXPECT_FALSE(name(control).isEmpty()) << control->metaObject()->className();
    }
  }
  EXPECT_EQ(name(&shown.Table()), "Archivos");

  preview->CancelButton().click();
  EXPECT_EQ(File("goni.txt"), FighterFile(kGoni));
  EXPECT_EQ(File("ferreira.txt"), FighterFile(kFerreira));
  EXPECT_EQ(File("lind.txt"), FighterFile(lind));
}

TEST_F(RosterEditTest, ASelectionKeptUnderANameIsReappliedInTheNextWindow) {
  window->Filter().setText("bras");
  window->WeightClasses().setCurrentIndex(3);  // Welterweight
  window->ApplyFilterNow();
  editor.dialogs.AnswerText(QString("Welterweights from Brazil "));
  QTest::keyClick(window.get(), Qt::Key_L, Qt::ControlModifier | Qt::ShiftModifier);
  ASSERT_EQ(editor.dialogs.textQuestions.size(), 1u);
  // Cancelled, nothing is kept.
  editor.dialogs.AnswerText(std::nullopt);
  window->Selections().SaveCurrent();

  Open(RosterLanguage::English);
  EXPECT_EQ(window->Selections().All(),
            (std::vector<SavedSelection>{{"Welterweights from Brazil", "bras", 2}}));
  EXPECT_EQ(window->Model().rowCount(), 2);
  EXPECT_TRUE(window->Selections().Apply("Welterweights from Brazil"));
  EXPECT_EQ(window->Filter().text(), "bras");
  EXPECT_EQ(window->WeightClasses().currentIndex(), 3);
  ASSERT_EQ(window->Model().rowCount(), 1);
  EXPECT_EQ(window->Model().RowAt(0).file, "ferreira.txt");
  EXPECT_EQ(window->Model().FilesPassing("", 0), std::vector<std::string>{"goni.txt"});

  window->Selections().Forget("Welterweights from Brazil");
  EXPECT_TRUE(LoadSelections().empty());
}

}  // namespace
}  // namespace ostrak::roster
