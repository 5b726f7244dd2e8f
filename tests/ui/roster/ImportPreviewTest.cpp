// A table read back into the roster window, previewed as "Set for
// selected…" previews: every field before → after, the ratings before →
// after, each refusal naming its file and row; narrowed to the files that
// change and sorted by a header.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QCheckBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>

#include "record/FighterLayout.h"
#include "record/StringList.h"
#include "roster/RosterRows.h"
#include "ui/EditorHarness.h"
#include "ui/roster/ImportPreview.h"
#include "ui/roster/RosterFixtures.h"
#include "ui/roster/RosterTransfer.h"
#include "ui/roster/RosterWindow.h"
#include "ui/roster/RosterWindowOpening.h"

namespace ostrak::roster {
namespace {

using test::FighterFile;
using test::FighterTraits;
using test::ReadBytes;
using test::WriteBytes;
using test::WriteFighter;

const FighterTraits kFerreira{"Lucas Ferreira", "Brasil", 1, 8, 5};
const FighterTraits kGoni{"Ana Go\xF1i",
                          "Espa\xF1"
                          "a",
                          0, 16, 20};

struct Cell {
  const char* file;
  FighterField field;
  const char* value;
};

class ImportPreviewTest : public ::testing::Test {
protected:
  ImportPreviewTest() {
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path()));
    WriteFighter(folder, "ferreira.txt", kFerreira);
    WriteFighter(folder, "goni.txt", kGoni);
  }
  ~ImportPreviewTest() override { qunsetenv("XDG_CONFIG_HOME"); }

  // The files' rows as they are, but for `cells`; then the preview of it.
  ImportPreview* Preview(RosterLanguage language, const std::vector<Cell>& cells) {
    window = OpenRosterWindow(editor, folder.path(), language);
    std::string table;
    AppendCsvHeader(table);
    for (const char* file : {"ferreira.txt", "goni.txt"}) {
      TStringList lines;
      lines.SetText(ReadBytes(folder / file));
      for (const Cell& cell : cells) {
        if (std::string_view(cell.file) == file) lines.Put(LineOf(cell.field), cell.value);
      }
      AppendCsvRow(table, file, lines);
    }
    const std::string path = config / "roster.csv";
    WriteBytes(path, table);
    editor.dialogs.Answer(QString::fromStdString(path));
    window->Transfer().ImportTable();
    return window->Transfer().Preview();
  }

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

  test::TempDirectory config;
  test::TempDirectory folder;
  test::EditorHarness editor;
  std::unique_ptr<RosterWindow> window;
};

struct PreviewCase {
  const char* name;
  RosterLanguage language;
  std::vector<Cell> cells;
  std::vector<std::string> lines;  // each file: result | before → after | ratings | problem
  std::vector<std::string> problems;
};

class ImportPreviewCases : public ImportPreviewTest, public ::testing::WithParamInterface<PreviewCase> {};

TEST_P(ImportPreviewCases, ShowsEachFieldAndRatingBeforeAndAfterAndNamesTheFileOfEveryRefusal) {
  const PreviewCase& test = GetParam();
  ImportPreview* preview = Preview(test.language, test.cells);
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(Lines(preview->Preview()), test.lines);
  std::vector<std::string> problems;
  for (int row = 0; row < preview->Problems().count(); ++row)
    problems.push_back(preview->Problems().item(row)->text().toStdString());
  EXPECT_EQ(problems, test.problems);
  EXPECT_EQ(preview->ApplyButton().isEnabled(), test.problems.empty());
  preview->CancelButton().click();
  EXPECT_EQ(ReadBytes(folder / "ferreira.txt"), FighterFile(kFerreira));
  EXPECT_EQ(ReadBytes(folder / "goni.txt"), FighterFile(kGoni));
}

INSTANTIATE_TEST_SUITE_P(
    Tables, ImportPreviewCases,
    ::testing::Values(
        PreviewCase{
            "AnAttributeAndTheWeightClassOfOneFile",
            RosterLanguage::English,
            {{"ferreira.txt", FighterField::Punches, "10"}, {"ferreira.txt", FighterField::WeightClass, "3"}},
            // The attributes and ratings are headed by the editor's captions.
            {"ferreira.txt | would replace | Puños: 5 → 10; Weight class: Welterweight: Max 170 lb / "
             "77 kg → Light Heavyweight: Max 205 lb / 93 kg | Golpeo 35% → 43%; Global 39% → 41% | ",
             "goni.txt | unchanged |  |  | "},
            {}},
        PreviewCase{"ARefusedCellNamesItsFileAndRowInSpanish",
                    RosterLanguage::Spanish,
                    {{"goni.txt", FighterField::Kicks, "abc"}},
                    // The editor's own message, as its load would give it.
                    {"ferreira.txt | sin cambios |  |  | ",
                     "goni.txt | rechazado |  |  | Patadas: 'abc' is not a valid integer value"},
                    {"goni.txt (fila 2): Patadas: 'abc' is not a valid integer value"}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ImportPreviewTest, OnlyTheFilesThatChangeAreShownWhenAskedAndAHeaderSortsThem) {
  ImportPreview* preview = Preview(RosterLanguage::English, {{"ferreira.txt", FighterField::Kicks, "9"}});
  ASSERT_NE(preview, nullptr);
  ChangePreview& shown = preview->Preview();
  ASSERT_EQ(shown.ShownCount(), 2);
  shown.Table().horizontalHeader()->setSortIndicator(PreviewModel::Result, Qt::AscendingOrder);
  EXPECT_EQ(shown.Text(0, PreviewModel::File), "goni.txt");  // "unchanged" before "would replace"
  shown.OnlyChanged().click();
  ASSERT_EQ(shown.ShownCount(), 1);
  EXPECT_EQ(shown.Text(0, PreviewModel::File), "ferreira.txt");
  EXPECT_EQ(shown.Text(0, PreviewModel::Changes), "Patadas: 8 → 9");

  preview->ApplyButton().click();
  TStringList lines;
  lines.SetText(FighterFile(kFerreira));
  lines.Put(LineOf(FighterField::Kicks), "9");
  EXPECT_EQ(ReadBytes(folder / "ferreira.txt"), lines.Text());
  EXPECT_EQ(ReadBytes(folder / "goni.txt"), FighterFile(kGoni));
}

TEST_F(ImportPreviewTest, AScreenReaderHearsTheTableTheTogglesAndEachCellInTheWindowsLanguage) {
  ImportPreview* preview = Preview(RosterLanguage::Spanish, {{"ferreira.txt", FighterField::Kicks, "9"}});
  ASSERT_NE(preview, nullptr);
  const auto name = [](QWidget& control) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(&control);
    return face ? face->text(QAccessible::Name) : QStringLiteral("(none)");
  };
  ChangePreview& shown = preview->Preview();
  EXPECT_EQ(name(shown.Table()), "Archivos");
  EXPECT_EQ(name(shown.OnlyChanged()), "Solo los archivos que cambian");
  EXPECT_EQ(name(preview->MatchById()),
            "Emparejar las filas por ID de Sherdog (diga lo que diga su celda file)");
  EXPECT_EQ(name(shown.Problems()), "Problemas");
  for (QWidget* control : preview->findChildren<QWidget*>()) {
    if (control->focusPolicy() != Qt::NoFocus && control->isVisibleTo(preview)) {
      EXPECT_FALSE(name(*control).isEmpty()) << control->metaObject()->className();
    }
  }
  QAccessibleTableInterface* table = QAccessible::queryAccessibleInterface(&shown.Table())->tableInterface();
  ASSERT_NE(table, nullptr);
  QAccessibleInterface* cell = table->cellAt(0, PreviewModel::Changes);
  ASSERT_NE(cell, nullptr);
  EXPECT_EQ(cell->text(QAccessible::Name), QString::fromUtf8("Patadas: 8 → 9"));
  preview->CancelButton().click();
}

}  // namespace
}  // namespace ostrak::roster
