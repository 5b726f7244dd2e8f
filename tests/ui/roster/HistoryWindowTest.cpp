// The roster window taking the folder's change sets back: Undo and Redo
// named after the command, the history panel's list and account of a set,
// and a restore through its preview. Offscreen, work done inline.

#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTreeWidget>

#include "history/HistoryStore.h"
#include "recorded/TakeBack.h"
#include "support/UserDataHome.h"
#include "ui/EditorHarness.h"
#include "ui/roster/HistoryDock.h"
#include "ui/roster/HistoryModel.h"
#include "ui/roster/RosterFixtures.h"
#include "ui/roster/RosterJournal.h"
#include "ui/roster/RosterUndo.h"
#include "ui/roster/RosterWindow.h"
#include "ui/roster/RosterWindowOpening.h"

namespace ostrak::roster {
namespace {

using test::FighterFile;
using test::ReadBytes;
using test::WriteBytes;
using test::WriteFighter;

class HistoryWindowTest : public ::testing::Test {
protected:
  void Open(RosterLanguage language) {
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path()));
    WriteFighter(folder, "ann.txt", {"Ann"});
    WriteFighter(folder, "bob.txt", {"Bob"});
    window = OpenRosterWindow(editor, folder.path(), language);
  }
  ~HistoryWindowTest() override { qunsetenv("XDG_CONFIG_HOME"); }

  // Written through the window's own journal, as its import and merge are.
  void Change(const char* words, const std::vector<FileWrite>& writes) {
    RosterOptions options;
    options.base = window->FolderPath();
    RosterPlan plan = PlanWrites(writes, options);
    ASSERT_TRUE(plan.Problems().empty());
    const auto journal = RosterJournal(words);
    ASSERT_TRUE(Commit(plan, {}, journal.get()).ok());
    ASSERT_TRUE(journal->Recorded().has_value()) << journal->Problem();
    window->Undo().Committed(journal->Problem());
  }
  void Key(int key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(&window->Table(), static_cast<Qt::Key>(key), modifiers);
  }
  std::string Path(const char* file) const { return folder / file; }

  test::TempDirectory data;
  const test::UserDataHome home{data.path()};
  test::TempDirectory config;
  test::TempDirectory folder;
  test::EditorHarness editor;
  std::unique_ptr<RosterWindow> window;
};

const std::string kAnna = FighterFile({"Anna"});
const std::string kCarl = FighterFile({"Carl"});

TEST_F(HistoryWindowTest, UndoAndRedoTakeWholeSetsBackNamedAfterTheirCommandInEachLanguage) {
  const struct {
    RosterLanguage language;
    const char *none, *undo, *redo, *undone, *redone;
  } rows[] = {
      {RosterLanguage::Spanish, "&Deshacer", "&Deshacer Importar roster.csv", "&Rehacer Importar roster.csv",
       "Deshacer Importar roster.csv: 1 restaurados, 0 vueltos a crear, 1 eliminados, 0 sin cambios.",
       "Rehacer Importar roster.csv: 1 restaurados, 1 vueltos a crear, 0 eliminados, 0 sin cambios."},
      {RosterLanguage::English, "&Undo", "&Undo Import roster.csv", "&Redo Import roster.csv",
       "Undo Import roster.csv: 1 restored, 0 recreated, 1 removed, 0 unchanged.",
       "Redo Import roster.csv: 1 restored, 1 recreated, 0 removed, 0 unchanged."},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.none);
    const test::TempDirectory ownData;
    const test::UserDataHome ownHome(ownData.path());
    window.reset();
    for (const char* file : {"ann.txt", "bob.txt", "carl.txt"}) std::filesystem::remove(Path(file));
    Open(row.language);
    RosterUndo& undo = window->Undo();
    const std::string ann = ReadBytes(Path("ann.txt"));
    EXPECT_FALSE(undo.UndoAction().isEnabled());
    EXPECT_EQ(undo.UndoAction().text(), row.none);
    EXPECT_FALSE(undo.RedoAction().isEnabled());

    Change("Import roster.csv", {{"ann.txt", kAnna}, {"carl.txt", kCarl}});
    EXPECT_TRUE(undo.UndoAction().isEnabled());
    EXPECT_EQ(undo.UndoAction().text(), row.undo);
    EXPECT_FALSE(undo.RedoAction().isEnabled());

    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(ReadBytes(Path("ann.txt")), ann);
    EXPECT_FALSE(std::filesystem::exists(Path("carl.txt")));
    EXPECT_EQ(undo.Result().text(), row.undone);
    EXPECT_EQ(undo.RedoAction().text(), row.redo);
    EXPECT_FALSE(undo.UndoAction().isEnabled()) << "the folder's only change is taken back";
    EXPECT_EQ(window->Model().RowOfFile("carl.txt"), -1) << "the table follows";

    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(ReadBytes(Path("ann.txt")), kAnna);
    EXPECT_EQ(ReadBytes(Path("carl.txt")), kCarl);
    EXPECT_EQ(undo.Result().text(), row.redone);
    EXPECT_EQ(undo.UndoAction().text(), row.undo) << "an undo of the redo is named after the import";
    EXPECT_FALSE(undo.RedoAction().isEnabled());

    Key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(undo.Result().text(), row.redone) << "Ctrl+Shift+Z has nothing to redo";
    EXPECT_TRUE(editor.dialogs.messages.empty());
  }
}

TEST_F(HistoryWindowTest, AFileChangedOutsideIsKeptInTheHistoryBeforeTheUndoAndSaidSo) {
  Open(RosterLanguage::Spanish);
  Change("Import roster.csv", {{"ann.txt", kAnna}});
  const std::string outside = FighterFile({"Anne"});
  WriteBytes(Path("ann.txt"), outside);
  Key(Qt::Key_Z, Qt::ControlModifier);
  const QString said = window->Undo().Result().text();
  EXPECT_TRUE(said.startsWith("Deshacer Importar roster.csv: 1 restaurados")) << said.toStdString();
  history::OpenResult opened = history::OpenHistory(history::UserHistoryPlace(), history::HistoryUse::On);
  ASSERT_TRUE(opened.store);
  const auto sets = opened.store->History({recorded::CanonicalPath(Path("ann.txt"))});
  ASSERT_EQ(sets.size(), 3u);
  EXPECT_EQ(sets[1].command, "Changed outside");
  EXPECT_EQ(opened.store->Get(sets[1].id)->files[0].after, outside);
  EXPECT_TRUE(said.endsWith(
      QStringLiteral("ann.txt se había cambiado fuera: se guarda en el historial como %1.").arg(sets[1].id)))
      << said.toStdString();
}

TEST_F(HistoryWindowTest, ThePanelListsTheSetsTellsOneAndRestoresItsVersionThroughAPreview) {
  Open(RosterLanguage::Spanish);
  Change("Import roster.csv", {{"ann.txt", kAnna}, {"carl.txt", kCarl}});
  Change("Save", {{"bob.txt", std::nullopt}});
  HistoryDock& dock = window->History();
  EXPECT_FALSE(dock.isVisible());
  Key(Qt::Key_F9, Qt::NoModifier);
  ASSERT_TRUE(dock.isVisible());
  EXPECT_TRUE(dock.Sets().hasFocus());
  HistoryModel& model = dock.Model();
  ASSERT_EQ(model.rowCount(), 2);
  EXPECT_EQ(model.index(0, HistoryModel::Command).data().toString(), "Guardar");
  EXPECT_EQ(model.index(1, HistoryModel::Command).data().toString(), "Importar roster.csv");
  EXPECT_EQ(model.index(1, HistoryModel::Files).data().toString(), "2");
  EXPECT_TRUE(model.index(1, HistoryModel::Time).data(HistoryModel::UtcRole).toString().endsWith('Z'));

  dock.Select(model.SetAt(1).id);
  QTreeWidget& detail = dock.Detail();
  ASSERT_EQ(detail.topLevelItemCount(), 2);
  const QTreeWidgetItem* ann = detail.topLevelItem(0);
  EXPECT_EQ(ann->text(0), "ann.txt");
  EXPECT_EQ(ann->text(1), "cambiado");
  ASSERT_GE(ann->childCount(), 2);
  EXPECT_EQ(ann->child(0)->text(1), "full_name: “Ann” → “Anna”");
  EXPECT_EQ(detail.topLevelItem(1)->text(1), "creado");

  // Taken back, then restored to the version right after it.
  dock.TakeBackButton().click();
  ImportPreview* preview = window->Undo().Preview();
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(preview->windowTitle(), "Deshacer Importar roster.csv");
  EXPECT_EQ(preview->Preview().Text(0, PreviewModel::Result), "se restauraría");
  EXPECT_EQ(preview->Preview().Text(1, PreviewModel::Result), "se eliminaría");
  preview->ApplyButton().click();
  EXPECT_FALSE(std::filesystem::exists(Path("carl.txt")));
  EXPECT_EQ(model.index(2, HistoryModel::Undone).data().toString().left(12), "deshecho por");
  EXPECT_FALSE(dock.TakeBackButton().isEnabled()) << "already taken back";

  dock.Select(model.SetAt(2).id);
  ASSERT_EQ(model.SetAt(2).command, "Import roster.csv");
  dock.RestoreButton().click();
  preview = window->Undo().Preview();
  ASSERT_NE(preview, nullptr);
  EXPECT_EQ(preview->Preview().Text(0, PreviewModel::File), "ann.txt");
  EXPECT_EQ(preview->Preview().Text(1, PreviewModel::Result), "se volvería a crear");
  preview->ApplyButton().click();
  EXPECT_EQ(ReadBytes(Path("ann.txt")), kAnna);
  EXPECT_EQ(ReadBytes(Path("carl.txt")), kCarl);
  EXPECT_FALSE(std::filesystem::exists(Path("bob.txt"))) << "the later save is not this set's";
  EXPECT_EQ(model.index(0, HistoryModel::Command).data().toString(), "Restaurar");
}

TEST(HistoryAccount, EachFileOfASetAsTheUserReadsIt) {
  const std::array<QString, 6> names = {"G", "S", "D", "F", "M", "O"};
  const std::string ann = FighterFile({"Ann"});
  const std::string stronger = FighterFile({"Ann",
                                            "Espa\xF1"
                                            "a",
                                            0, 15});
  const struct {
    const char* name;
    history::FileChange file;
    const char* status;
    std::vector<std::string> lines;  // UTF-8; the ratings checked apart
  } rows[] = {
      {"a name changed",
       {"/r/ann.txt", ann, FighterFile({"Anna"})},
       "changed",
       {"full_name: “Ann” → “Anna”"}},
      {"created: each field from empty", {"/r/sub/new.txt", std::nullopt, ann}, "created", {}},
      {"removed", {"/r/ann.txt", ann, std::nullopt}, "removed", {}},
      {"attributes raised", {"/r/ann.txt", ann, stronger}, "changed", {}},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    history::ChangeSet set;
    set.files = {row.file};
    const std::vector<FileAccount> accounts = AccountOf(set, "/r", names, 10);
    ASSERT_EQ(accounts.size(), 1u);
    EXPECT_EQ(accounts[0].file.toStdString(), row.file.path.substr(3));
    EXPECT_EQ(accounts[0].status.toStdString(), row.status);
    for (std::size_t i = 0; i < row.lines.size(); ++i)
      EXPECT_EQ(accounts[0].lines.value(static_cast<int>(i)).toStdString(), row.lines[i]);
  }
  history::ChangeSet created;
  created.files = {{"/r/new.txt", std::nullopt, ann}};
  EXPECT_TRUE(AccountOf(created, "/r", names, 10)[0].lines.last().startsWith("Ratings: G none → "));
  history::ChangeSet raised;
  raised.files = {{"/r/ann.txt", ann, stronger}};
  const QString ratings = AccountOf(raised, "/r", names, 10)[0].lines.last();
  EXPECT_TRUE(ratings.startsWith("Ratings: G ")) << ratings.toStdString();
  EXPECT_FALSE(ratings.contains("none"));
  history::ChangeSet many;
  many.files.assign(5, {"/r/a.txt", ann, stronger});
  EXPECT_EQ(AccountOf(many, "/r", names, 3).size(), 3u);
}

}  // namespace
}  // namespace ostrak::roster
