// One fighter, one file, in the roster window: the duplicates view's groups,
// a merge's choices down to the bytes written, the comparison with another
// roster, and an import that matches rows by Sherdog ID.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <filesystem>

#include "roster/Merge.h"
#include "roster/Roster.h"
#include "roster/Transaction.h"
#include "ui/EditorHarness.h"
#include "ui/roster/DuplicatesView.h"
#include "ui/roster/ImportPreview.h"
#include "ui/roster/MergeDialog.h"
#include "ui/roster/RosterCompare.h"
#include "ui/roster/RosterFixtures.h"
#include "ui/roster/RosterMerge.h"
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

// Modified `seconds` after the epoch, so that which file changed last is known.
void SetModified(const std::string& path, long seconds) {
  const timespec times[2] = {{seconds, 0}, {seconds, 0}};
  ASSERT_EQ(::utimensat(AT_FDCWD, path.c_str(), times, 0), 0);
}

class IdentityWindowTest : public ::testing::Test {
protected:
  explicit IdentityWindowTest(RosterLanguage language = RosterLanguage::English) {
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path()));
    WriteFighter(folder, "ana.txt", ana);
    WriteFighter(folder, "ana-2.txt", anaAgain);
    WriteFighter(folder, "jose.txt", {"Jos\xE9 Mu\xF1oz", "Chile", 0, 10, 10, "", "01/02/1990"});
    WriteFighter(folder, "sub/jose.txt", {"JOSE  MUNOZ", "Chile", 0, 10, 10, " ", "01/02/1990"});
    WriteFighter(folder, "lucas.txt", {"Lucas Ferreira", "Brasil", 1, 8, 5, "300"});
    WriteFighter(folder, "ivo.txt", {"Ivo Ramos", "Chile", 1, 8, 5, ""});
    SetModified(folder / "ana.txt", 1'000'000);
    SetModified(folder / "ana-2.txt", 2'000'000);
    window = OpenRosterWindow(editor, folder.path(), language);
  }
  ~IdentityWindowTest() override { qunsetenv("XDG_CONFIG_HOME"); }

  std::vector<std::string> Shown() const {
    std::vector<std::string> files;
    for (int row = 0; row < window->Model().rowCount(); ++row)
      files.push_back(window->Model().RowAt(row).file);
    return files;
  }
  QString Label(int row) const {
    return window->Model().headerData(row, Qt::Vertical, Qt::AccessibleTextRole).toString();
  }
  void Select(std::initializer_list<const char*> files) {
    window->Table().clearSelection();
    for (const char* file : files) {
      window->Table().selectionModel()->select(window->Model().index(window->Model().RowOfFile(file), 0),
                                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
  }

  const FighterTraits ana{"Ana Go\xF1i",
                          "Espa\xF1"
                          "a",
                          0,
                          10,
                          10,
                          "777"};
  const FighterTraits anaAgain{"Ana Goni", "Brasil", 0, 10, 10, " 777"};
  test::TempDirectory config;
  test::TempDirectory folder;
  test::EditorHarness editor;
  std::unique_ptr<RosterWindow> window;
};

TEST_F(IdentityWindowTest, DuplicatesShowsOnlyTheGroupsEachWithItsReasonAndFollowsTheFolder) {
  ASSERT_EQ(window->Model().rowCount(), 6);
  DuplicatesView& duplicates = window->Duplicates();
  duplicates.Toggle().click();
  // Group by group, in the order of their first file; the header sort orders each group's rows.
  EXPECT_EQ(Shown(), (std::vector<std::string>{"ana-2.txt", "ana.txt", "jose.txt", "sub/jose.txt"}));
  // One file can be held by two reasons at once.
  EXPECT_EQ(Label(0), "1: same Sherdog ID 777; same name and date of birth 01/01/1990");
  EXPECT_EQ(Label(3), "2: same name and date of birth 01/02/1990");
  EXPECT_TRUE(window->Table().verticalHeader()->isVisible());
  EXPECT_EQ(duplicates.Note().text(), "2 groups");
  window->Model().sort(RosterModel::File, Qt::DescendingOrder);
  EXPECT_EQ(Shown(), (std::vector<std::string>{"ana.txt", "ana-2.txt", "sub/jose.txt", "jose.txt"}));
  window->Model().sort(RosterModel::File, Qt::AscendingOrder);

  // A file that takes a group's ID joins it; one under a second name (a hard link) does not.
  WriteFighter(folder, "lucas.txt", {"Lucas Ferreira", "Brasil", 1, 8, 5, "777"});
  std::filesystem::create_hard_link(folder / "jose.txt", folder / "z-link.txt");
  window->RescanNow();
  EXPECT_EQ(Shown(),
            (std::vector<std::string>{"ana-2.txt", "ana.txt", "lucas.txt", "jose.txt", "sub/jose.txt"}));

  duplicates.Toggle().click();
  EXPECT_EQ(window->Model().rowCount(), 7);
  EXPECT_FALSE(window->Table().verticalHeader()->isVisible());
}

TEST(DuplicateGroups, AreNumberedInTheOrderTheTableShowsTheirFirstFile) {
  test::TempDirectory folder;
  // By bytes "b10.txt" comes before "b2.txt"; the table's collator puts the numbers in order.
  WriteFighter(folder, "b10.txt", {"Bo One", "Chile", 1, 8, 5, "10"});
  WriteFighter(folder, "z10.txt", {"Bo Uno", "Chile", 1, 8, 5, "10"});
  WriteFighter(folder, "b2.txt", {"Bo Two", "Chile", 1, 8, 5, "2"});
  WriteFighter(folder, "z2.txt", {"Bo Dos", "Chile", 1, 8, 5, "2"});
  QCollator collator{QLocale(QLocale::English, QLocale::UnitedStates)};
  collator.setNumericMode(true);
  ASSERT_LT(collator.compare(QStringLiteral("b2.txt"), QStringLiteral("b10.txt")), 0);
  std::vector<RosterRow> rows;
  const std::string under = folder.path() + "/";
  for (const char* file : {"b10.txt", "b2.txt", "z10.txt", "z2.txt"})
    rows.push_back(ReadRosterRow(under, file, collator));
  const RowGroups groups = GroupDuplicateRows(rows, under);
  ASSERT_EQ(groups.count, 2);
  EXPECT_EQ(groups.Find("b2.txt")->label, "1: same Sherdog ID 2");
  EXPECT_EQ(groups.Find("z10.txt")->label, "2: same Sherdog ID 10");
}

TEST_F(IdentityWindowTest, MergeIsOfferedOnlyForTwoFilesOfOneFighter) {
  const struct {
    const char* name;
    std::initializer_list<const char*> rows;
    bool offered;
  } cases[] = {
      {"one Sherdog ID", {"ana.txt", "ana-2.txt"}, true},
      {"one name and date of birth", {"jose.txt", "sub/jose.txt"}, true},
      {"two fighters", {"ana.txt", "lucas.txt"}, false},
      {"no ID on either side is no match", {"ivo.txt", "jose.txt"}, false},
      {"one row", {"ana.txt"}, false},
      {"one file under two names", {"ana.txt", "ana-link.txt"}, false},
  };
  std::filesystem::create_hard_link(folder / "ana.txt", folder / "ana-link.txt");
  window->RescanNow();
  for (const bool grouped : {false, true}) {
    window->Duplicates().SetOn(grouped);
    for (const auto& row : cases) {
      SCOPED_TRACE(std::string(row.name) + (grouped ? ", grouped" : ""));
      if (grouped && window->Model().RowOfFile(*row.rows.begin()) < 0) continue;
      Select(row.rows);
      EXPECT_EQ(window->Merge().Action().isEnabled(), row.offered);
    }
  }
}

// ana.txt was changed before ana-2.txt: its differing fields are offered from ana-2.txt.
TEST_F(IdentityWindowTest, MergeWritesTheKeptFileWithTheChosenFieldsAndRemovesTheOther) {
  const FighterTraits mixed{anaAgain.fullName, ana.nationality, 0, 10, 10, anaAgain.sherdogId};
  const FighterTraits named{ana.fullName, anaAgain.nationality, 0, 10, 10, anaAgain.sherdogId};
  const struct {
    const char* name;
    const char* kept;
    std::vector<std::pair<int, MergeSide>> picks;  // field rows (line numbers from 0)
    std::string bytes;
  } cases[] = {
      {"the defaults take the file changed last", "ana.txt", {}, FighterFile(anaAgain)},
      {"a field taken back from the kept file", "ana.txt", {{24, MergeSide::Keep}}, FighterFile(mixed)},
      {"the file changed last kept as it is", "ana-2.txt", {}, FighterFile(anaAgain)},
      {"a field from the file removed", "ana-2.txt", {{17, MergeSide::Other}}, FighterFile(named)},
  };
  for (const auto& row : cases) {
    SCOPED_TRACE(row.name);
    WriteFighter(folder, "ana.txt", ana);
    WriteFighter(folder, "ana-2.txt", anaAgain);
    SetModified(folder / "ana.txt", 1'000'000);
    SetModified(folder / "ana-2.txt", 2'000'000);
    window->RescanNow();
    Select({"ana.txt", "ana-2.txt"});
    window->Merge().Action().trigger();
    MergeDialog* dialog = window->Merge().Dialog();
    ASSERT_NE(dialog, nullptr);
    dialog->SetKept(dialog->KeepChoice().findText(row.kept));
    EXPECT_EQ(dialog->Keep(), row.kept);
    EXPECT_EQ(dialog->Fields().item(17, MergeDialog::Differs)->text(), "differs");
    EXPECT_EQ(dialog->Fields().item(25, MergeDialog::Differs)->text(), "");
    // From the keyboard: Space checks the current cell, and so unchecks its other side.
    for (const auto& [field, side] : row.picks) {
      dialog->Fields().setCurrentCell(
          field, side == MergeSide::Keep ? MergeDialog::KeepValue : MergeDialog::OtherValue);
      QTest::keyClick(&dialog->Fields(), Qt::Key_Space);
    }
    dialog->MergeButton().click();
    const std::string removed = std::string(row.kept) == "ana.txt" ? "ana-2.txt" : "ana.txt";
    EXPECT_EQ(ReadBytes(folder / row.kept), row.bytes);
    EXPECT_FALSE(std::filesystem::exists(folder / removed));
    EXPECT_LT(window->Model().RowOfFile(removed), 0);
    EXPECT_TRUE(editor.dialogs.messages.empty());
  }
}

TEST_F(IdentityWindowTest, AMergeTheEngineRefusesIsSaidAndChangesNothing) {
  Select({"ana.txt", "ana-2.txt"});
  window->Merge().MergeSelected();
  ASSERT_NE(window->Merge().Dialog(), nullptr);
  // Replaced by one the editor cannot load while the dialog was open.
  WriteBytes(folder / "ana.txt", "14\r\nabc\r\n");
  window->Merge().Dialog()->MergeButton().click();
  ASSERT_EQ(editor.dialogs.messages.size(), 1u);
  EXPECT_EQ(editor.dialogs.messages[0].text.left(19), "Nothing was merged.");
  EXPECT_EQ(ReadBytes(folder / "ana.txt"), "14\r\nabc\r\n");
  EXPECT_EQ(ReadBytes(folder / "ana-2.txt"), FighterFile(anaAgain));
}

TEST_F(IdentityWindowTest, AFileChangedWhileTheDialogIsOpenIsShownAgainNotMerged) {
  Select({"ana.txt", "ana-2.txt"});
  window->Merge().MergeSelected();
  MergeDialog* dialog = window->Merge().Dialog();
  ASSERT_NE(dialog, nullptr);
  // Another program gives the file to be removed a nationality the dialog never showed.
  ASSERT_EQ(dialog->Other(), "ana.txt");
  const FighterTraits changed{ana.fullName, "Chile", 0, 10, 10, ana.sherdogId};
  WriteFighter(folder, "ana.txt", changed);
  dialog->MergeButton().click();
  ASSERT_EQ(editor.dialogs.messages.size(), 1u);
  EXPECT_EQ(editor.dialogs.messages[0].text,
            "Nothing was merged: ana.txt changed since the dialog showed it. Its fields are shown again "
            "as they are now; check them, then merge.");
  EXPECT_EQ(ReadBytes(folder / "ana.txt"), FighterFile(changed));
  EXPECT_EQ(ReadBytes(folder / "ana-2.txt"), FighterFile(anaAgain));
  ASSERT_EQ(window->Merge().Dialog(), dialog);
  EXPECT_TRUE(dialog->isVisible());
  EXPECT_EQ(dialog->Fields().item(24, MergeDialog::OtherValue)->text(), "Chile");
  // Seen as it is now, it merges: the fields of ana.txt, changed last.
  dialog->MergeButton().click();
  EXPECT_EQ(editor.dialogs.messages.size(), 1u);
  EXPECT_EQ(ReadBytes(folder / "ana-2.txt"), FighterFile(changed));
  EXPECT_FALSE(std::filesystem::exists(folder / "ana.txt"));
}

TEST_F(IdentityWindowTest, AFileThatGoesWhileTheDialogIsOpenIsSaidAndCannotBeMerged) {
  Select({"ana.txt", "ana-2.txt"});
  window->Merge().MergeSelected();
  MergeDialog* dialog = window->Merge().Dialog();
  ASSERT_NE(dialog, nullptr);
  std::filesystem::remove(folder / "ana.txt");
  dialog->SetKept(1);
  EXPECT_EQ(dialog->Summary().text(), "These two cannot be merged.\nana.txt: Cannot open file \"" +
                                          QString::fromStdString(folder / "ana.txt") +
                                          "\". No such file or directory");
  EXPECT_EQ(dialog->Fields().rowCount(), 0);
  EXPECT_FALSE(dialog->MergeButton().isEnabled());
}

TEST_F(IdentityWindowTest, AMergeCutShortIsPutBackAndSaidBeforeTheDialogShows) {
  MergePlan cut = PlanMerge(folder / "ana.txt", folder / "ana-2.txt", {"nationality"});
  ASSERT_FALSE(cut.refusal);
  // Killed once KEEP has its new bytes and OTHER is still there.
  const CommitResult killed = CommitWithFaults(cut.plan, {}, [](CommitStep step, const std::string&) {
    return step == CommitStep::Remove ? kKilled : 0;
  });
  ASSERT_FALSE(killed.ok());
  Select({"ana.txt", "ana-2.txt"});
  window->Merge().MergeSelected();
  ASSERT_EQ(editor.dialogs.messages.size(), 1u);
  EXPECT_TRUE(editor.dialogs.messages[0].text.startsWith("A merge cut short before was put back first:\n"))
      << editor.dialogs.messages[0].text.toStdString();
  EXPECT_EQ(ReadBytes(folder / "ana.txt"), FighterFile(ana));
  EXPECT_EQ(ReadBytes(folder / "ana-2.txt"), FighterFile(anaAgain));
  EXPECT_NE(window->Merge().Dialog(), nullptr);
}

struct ResultRow {
  QString status;
  QString file;
  QString fields;
};

std::vector<ResultRow> Results(const QTableWidget& table) {
  std::vector<ResultRow> rows;
  for (int row = 0; row < table.rowCount(); ++row) {
    rows.push_back({table.item(row, RosterCompare::Status)->text(),
                    table.item(row, RosterCompare::File)->text(),
                    table.item(row, RosterCompare::ChangedFields)->text()});
  }
  return rows;
}

TEST_F(IdentityWindowTest, CompareWithAFolderOrATableListsWhatDiffersAndOpensBothVersions) {
  test::TempDirectory other;
  std::filesystem::create_directory(other / "sub");
  WriteBytes(other / "ana.txt", ReadBytes(folder / "ana.txt"));
  WriteBytes(other / "ana-2.txt", ReadBytes(folder / "ana-2.txt"));
  WriteBytes(other / "jose.txt", ReadBytes(folder / "jose.txt"));
  WriteBytes(other / "sub/jose.txt", ReadBytes(folder / "sub/jose.txt"));
  WriteFighter(other, "lucas.txt", {"Lucas Ferreira", "Portugal", 1, 8, 5, "300"});
  WriteFighter(other, "ivo-ramos.txt", {"Ivo Ramos", "Chile", 1, 8, 5, ""});
  WriteFighter(other, "new.txt", {"Nuno Silva", "Portugal", 1, 8, 5, "900"});
  const std::string table = other / "roster.csv";
  // Named as the window's export names them: under the folder, relative.
  WriteBytes(table, ExportFiles({"ana.txt", "ana-2.txt", "jose.txt", "sub/jose.txt", "lucas.txt", "new.txt"},
                                {TableFormat::Csv, ';', true, other.path()})
                        .bytes);

  const std::vector<ResultRow> byFile = {{"removed", "ivo.txt", ""},
                                         {"changed", "lucas.txt", "Nationality"},
                                         {"added", "ivo-ramos.txt", ""},
                                         {"added", "new.txt", ""}};
  std::vector<ResultRow> byId = byFile;
  byId.push_back({"not compared", "ana-2.txt, ana.txt", "Sherdog ID 777 is held by more than one fighter"});
  const struct {
    const char* name;
    std::string source;
    int match;
    std::vector<ResultRow> rows;
    const char* unchanged;
  } cases[] = {
      {"a folder by file", other.path(), 0, byFile, "4 unchanged"},
      {"a folder by Sherdog ID: one held twice is not paired, one missing pairs by file", other.path(), 1,
       byId, "2 unchanged"},
      {"a spreadsheet's table by file",
       table,
       0,
       {{"removed", "ivo.txt", ""}, {"changed", "lucas.txt", "Nationality"}, {"added", "new.txt", ""}},
       "4 unchanged"},
  };
  RosterCompare& compare = window->CompareRosters();
  for (const auto& row : cases) {
    SCOPED_TRACE(row.name);
    compare.Source().setText(QString::fromStdString(row.source));
    compare.Match().setCurrentIndex(row.match);
    compare.CompareButton().click();
    const std::vector<ResultRow> rows = Results(compare.Results());
    ASSERT_EQ(rows.size(), row.rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
      EXPECT_EQ(rows[i].status, row.rows[i].status) << i;
      EXPECT_EQ(rows[i].file, row.rows[i].file) << i;
      EXPECT_EQ(rows[i].fields, row.rows[i].fields) << i;
    }
    EXPECT_TRUE(compare.Summary().text().contains(row.unchanged)) << compare.Summary().text().toStdString();
  }

  // A renamed file found by its ID: one row, not a removal and an addition.
  WriteFighter(other, "lucas-2.txt", {"Lucas Ferreira", "Portugal", 1, 8, 5, "300"});
  std::filesystem::remove(other / "lucas.txt");
  compare.Source().setText(QString::fromStdString(other.path()));
  compare.Match().setCurrentIndex(1);
  compare.CompareButton().click();
  const std::vector<ResultRow> rows = Results(compare.Results());
  ASSERT_EQ(rows.size(), 5u);
  EXPECT_EQ(rows[1].status, "renamed");
  EXPECT_EQ(rows[1].file, QString::fromUtf8("lucas.txt → lucas-2.txt"));

  compare.ShowDetail(1);
  const QTableWidget& versions = compare.Detail();
  ASSERT_EQ(versions.rowCount(), 29 + 6);
  EXPECT_EQ(versions.item(24, RosterCompare::DetailField)->text(), "Nationality");
  EXPECT_EQ(versions.item(24, RosterCompare::DetailChanged)->text(), "changed");
  EXPECT_EQ(versions.item(24, RosterCompare::Before)->text(), "Brasil");
  EXPECT_EQ(versions.item(24, RosterCompare::After)->text(), "Portugal");
  EXPECT_EQ(versions.item(17, RosterCompare::DetailChanged)->text(), "");
  // The ratings follow the attributes, which are the same.
  EXPECT_EQ(versions.item(29, RosterCompare::Before)->text(),
            versions.item(29, RosterCompare::After)->text());
  EXPECT_TRUE(versions.item(29, RosterCompare::Before)->text().endsWith('%'));
  // Named as compared, whatever the field says since.
  compare.Source().setText("elsewhere");
  compare.ShowDetail(1);
  EXPECT_EQ(versions.horizontalHeaderItem(RosterCompare::After)->text(),
            QFileInfo(QString::fromStdString(other.path())).fileName() + ": lucas-2.txt");
}

TEST_F(IdentityWindowTest, ARosterThatCannotBeReadIsSaidAndListsNothing) {
  test::TempDirectory other;
  const std::string twice = other / "twice.csv";
  std::string bytes =
      ExportFiles({"lucas.txt", "ivo.txt"}, {TableFormat::Csv, ',', false, folder.path()}).bytes;
  bytes.replace(bytes.find("ivo.txt"), 7, "lucas.txt");
  WriteBytes(twice, bytes);
  const struct {
    const char* name;
    std::string source;
    const char* said;  // %1: the source
  } cases[] = {
      {"nothing there", other / "missing.csv", "%1: Cannot open file \"%1\". No such file or directory"},
      {"two rows of one file", twice, "%1, row 2, file: names the same file as row 1"},
  };
  RosterCompare& compare = window->CompareRosters();
  for (const auto& row : cases) {
    SCOPED_TRACE(row.name);
    compare.Source().setText(QString::fromStdString(row.source));
    compare.CompareButton().click();
    const QString summary = compare.Summary().text();
    EXPECT_EQ(summary, "The rosters could not be compared:\n" + QString(row.said).arg(row.source.c_str()));
    EXPECT_EQ(compare.Results().rowCount(), 0);
  }
}

class IdentityWindowInSpanish : public IdentityWindowTest {
protected:
  IdentityWindowInSpanish() : IdentityWindowTest(RosterLanguage::Spanish) {}
};

TEST_F(IdentityWindowInSpanish, TheImportPreviewMatchesRowsBySherdogIdWhenAskedAndSaysWhy) {
  test::TempDirectory elsewhere;
  const std::string table = elsewhere / "roster.csv";
  // lucas.txt's row under another name, and a row whose ID no file holds.
  std::string bytes =
      ExportFiles({"lucas.txt", "ivo.txt"}, {TableFormat::Csv, ',', false, folder.path()}).bytes;
  bytes.replace(bytes.find("lucas.txt"), 9, "old/lucas.txt");
  WriteBytes(table, bytes);

  editor.dialogs.Answer(QString::fromStdString(table));
  window->Transfer().ImportTable();
  ImportPreview* preview = window->Transfer().Preview();
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(preview->Preview().Text(0, PreviewModel::File), "old/lucas.txt");
  EXPECT_TRUE(preview->Preview().Table().isColumnHidden(PreviewModel::Match));
  preview->MatchById().click();
  preview = window->Transfer().Preview();
  ASSERT_NE(preview, nullptr);
  ASSERT_TRUE(preview->MatchById().isChecked());
  ASSERT_FALSE(preview->Preview().Table().isColumnHidden(PreviewModel::Match));
  EXPECT_EQ(preview->Preview().Text(0, PreviewModel::File), "lucas.txt");
  EXPECT_EQ(preview->Preview().Text(0, PreviewModel::Match),
            QString::fromUtf8("tiene el ID de Sherdog 300; la fila nombra old/lucas.txt"));
  // ivo.txt has no ID: the row cannot be matched, and says so.
  ASSERT_EQ(preview->Problems().count(), 1);
  EXPECT_EQ(preview->Problems().item(0)->text(),
            QString::fromUtf8("ivo.txt (fila 2): ID Sherdog: está vacío: las filas se emparejan por él"));
  EXPECT_FALSE(preview->ApplyButton().isEnabled());

  // Once a commit runs, the match is not offered: a new plan would offer to apply the table again.
  preview->ShowCommitting();
  EXPECT_FALSE(preview->MatchById().isEnabled());
  preview->MatchById().setChecked(false);
  EXPECT_EQ(window->Transfer().Preview(), preview);
  EXPECT_TRUE(preview->isVisible());
}

}  // namespace
}  // namespace ostrak::roster
