// The editor's save kept in the user's history, and a history that cannot be
// used never stopping a save: the save goes on and says why, once a run.

#include <gtest/gtest.h>

#include <filesystem>

#include "EditorHarness.h"
#include "history/HistoryStore.h"

namespace ostrak::test {
namespace {

// The user's folders pointed elsewhere for one test.
class UserFolders {
public:
  UserFolders(const std::string& data, const std::string& config)
      : data_(qgetenv("XDG_DATA_HOME")),
        config_(qgetenv("XDG_CONFIG_HOME")),
        hadConfig_(qEnvironmentVariableIsSet("XDG_CONFIG_HOME")) {
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(data));
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config));
  }
  ~UserFolders() {
    qputenv("XDG_DATA_HOME", data_);
    if (hadConfig_)
      qputenv("XDG_CONFIG_HOME", config_);
    else
      qunsetenv("XDG_CONFIG_HOME");
  }

private:
  QByteArray data_, config_;
  bool hadConfig_;
};

void Save(EditorHarness& editor, const std::string& path) {
  editor.FillRequired();
  editor.dialogs.Answer(QString::fromStdString(path));
  editor.Click(editor.Form().NavPanelButton1);
}

TEST(EditorHistory, EachSaveIsASetOfTheUsersHistory) {
  TempDirectory home;
  const UserFolders folders(home / "data/", home / "config/");
  EditorHarness editor;
  const std::string path = std::filesystem::canonical(editor.Files().path()).string() + "/ann.txt";
  Save(editor, path);
  editor.dialogs.AnswerReplace(true);
  Save(editor, path);
  history::OpenResult opened = history::OpenHistory(history::UserHistoryPlace(), history::HistoryUse::On);
  ASSERT_TRUE(opened.store) << opened.reason;
  const auto sets = opened.store->History({path});
  ASSERT_EQ(sets.size(), 2u);
  EXPECT_EQ(sets[0].command, "Save");
  EXPECT_EQ(sets[1].command, "Save");
  const std::optional<history::ChangeSet> newest = opened.store->Get(sets[0].id);
  EXPECT_EQ(newest->files[0].before, opened.store->Get(sets[1].id)->files[0].after);
  EXPECT_EQ(newest->files[0].after, ReadBytes(path));
  EXPECT_EQ(editor.dialogs.messages.size(), 2u) << "two saves, no word of the history";
}

TEST(EditorHistory, AStoreThatCannotBeOpenedNeverStopsASaveAndIsToldOnce) {
  TempDirectory home;
  WriteBytes(home / "data", "a file where the folder goes");
  const UserFolders folders(home / "data/", home / "config/");
  EditorHarness editor;
  Save(editor, editor.Files() / "ann.txt");
  Save(editor, editor.Files() / "bob.txt");
  EXPECT_TRUE(std::filesystem::exists(editor.Files() / "ann.txt"));
  EXPECT_TRUE(std::filesystem::exists(editor.Files() / "bob.txt"));
  ASSERT_EQ(editor.dialogs.messages.size(), 3u);
  EXPECT_EQ(editor.dialogs.messages[0].title, QStringLiteral("Guardado sin historial"));
  EXPECT_TRUE(editor.dialogs.messages[0].text.endsWith(QString::fromStdString(
      "this change has no history: cannot create the folder \"" + home / "data" + "\": Not a directory")))
      << editor.dialogs.messages[0].text.toStdString();
  EXPECT_EQ(editor.dialogs.messages[1].text, QStringLiteral("El luchador se ha guardado correctamente"));
  EXPECT_EQ(editor.dialogs.messages[2].text, QStringLiteral("El luchador se ha guardado correctamente"));
  EXPECT_TRUE(editor.errors.messages().empty());
}

}  // namespace
}  // namespace ostrak::test
