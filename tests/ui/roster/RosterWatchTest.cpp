// The roster window's watch on real folders: it follows folders by name,
// misses nothing made while a folder is read, and says which folders it did
// not read. The watch's events are taken by the event loop, a bounded number
// of turns; the window's rescans run inline.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <cstdio>
#include <filesystem>

#include "platform/FolderWatch.h"
#include "ui/EditorHarness.h"
#include "ui/roster/RosterFixtures.h"
#include "ui/roster/RosterReader.h"
#include "ui/roster/RosterWindow.h"

namespace ostrak::roster {
namespace {

using test::WriteFighter;

// inotify's events are there as soon as the call that caused them returns;
// a few turns of the event loop hand them over.
template <typename Condition>
bool AfterEvents(Condition condition) {
  for (int turn = 0; turn < 50 && !condition(); ++turn) QCoreApplication::processEvents();
  return condition();
}

class RosterWatchTest : public ::testing::Test {
protected:
  RosterWatchTest() {
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path()));
    WriteFighter(dir, "R/a.txt", {"Ana Goni"});
    WriteFighter(dir, "R/sub/b.txt", {"Lucas Ferreira"});
  }
  ~RosterWatchTest() override { qunsetenv("XDG_CONFIG_HOME"); }

  void Open(RosterLanguage language = RosterLanguage::English) {
    RosterSetup setup = SetupFromEditor(editor.Form());
    setup.language = language;
    setup.threading = Threading::Inline;
    window = std::make_unique<RosterWindow>(editor.Form(), editor.dialogs, setup);
    window->OpenFolder(QString::fromStdString(dir / "R"));
  }

  // What the watch has seen is in the table; false when it saw nothing.
  bool SeenAndRead() {
    if (!AfterEvents([&] { return window->RescanPending(); })) return false;
    window->RescanNow();
    return true;
  }

  bool Shows(const std::string& file) const { return window->Model().RowOfFile(file) >= 0; }

  test::TempDirectory config;
  test::TempDirectory dir;
  test::EditorHarness editor;
  std::unique_ptr<RosterWindow> window;
};

TEST_F(RosterWatchTest, AFolderPutInThePlaceOfAnotherIsWatchedAndReadAgain) {
  namespace fs = std::filesystem;
  const struct {
    const char* name;
    const char* moved;  // under the temporary folder
    const char* movedTo;
    const char* madeAgain;  // empty: nothing is made in its place
    const char* written;    // then, under R
  } rows[] = {
      {"the roster folder replaced", "R", "R.away", "R", "new.txt"},
      {"a subfolder replaced", "R/sub", "elsewhere", "R/sub", "sub/new.txt"},
      {"a subfolder renamed inside the roster", "R/sub", "R/sub2", "", "sub2/new.txt"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    fs::remove_all(dir / "R");
    fs::remove_all(dir / "R.away");
    fs::remove_all(dir / "elsewhere");
    WriteFighter(dir, "R/a.txt", {"Ana Goni"});
    WriteFighter(dir, "R/sub/b.txt", {"Lucas Ferreira"});
    Open();
    ASSERT_TRUE(Shows("sub/b.txt"));
    fs::rename(dir / row.moved, dir / row.movedTo);
    if (*row.madeAgain) fs::create_directory(dir / row.madeAgain);
    ASSERT_TRUE(SeenAndRead());
    EXPECT_FALSE(Shows("sub/b.txt"));
    WriteFighter(dir, std::string("R/") + row.written, {"Ivo Ramos"});
    ASSERT_TRUE(SeenAndRead()) << "the folder now under the name is not watched";
    EXPECT_TRUE(Shows(row.written));
  }
}

// A file made right after its folder was read, before the rows are in: the
// watch was set up as the walk entered each folder.
TEST_F(RosterWatchTest, AFileMadeWhileTheFolderIsReadIsSeen) {
  FolderWatch watch;
  watch.Tree()->Follow(dir / "R");
  bool changed = false;
  QObject::connect(&watch, &FolderWatch::Changed, [&] { changed = true; });
  RosterReader reader(watch.Tree());
  ReaderSink sink;
  sink.listed = [&](int, const ListingReport& report) {
    EXPECT_TRUE(report.watched);
    WriteFighter(dir, "R/late.txt", {"Ivo Ramos"});
    WriteFighter(dir, "R/sub/late.txt", {"Kenji Arai"});
  };
  sink.rows = [](std::vector<RosterRow>) {};
  ASSERT_TRUE(reader.Load(dir / "R/", sink));
  EXPECT_TRUE(AfterEvents([&] { return changed; }));
  ListingReport report;
  std::vector<std::string> found;
  for (const RosterRow& row : reader.Rescan(report).rows) found.push_back(row.file);
  EXPECT_EQ(found, (std::vector<std::string>{"late.txt", "sub/late.txt"}));
}

TEST_F(RosterWatchTest, TheStatusLineAndTheErrorOutputNameTheFoldersNotRead) {
  std::string deep = "R/";
  for (int level = 0; level <= kMaxFolderDepth; ++level) deep += "n" + std::to_string(level) + "/";
  WriteFighter(dir, deep + "lost.txt", {"Ivo Ramos"});
  testing::internal::CaptureStderr();
  Open(RosterLanguage::Spanish);
  const std::string said = testing::internal::GetCapturedStderr();
  const std::string skipped = deep.substr(2);
  EXPECT_EQ(window->Status().text(), "2 de 2 luchadores mostrados, 0 con problemas");
  EXPECT_TRUE(window->UnreadNote().isVisibleTo(window.get()));
  EXPECT_EQ(window->UnreadNote().text(),
            QString::fromUtf8("n0/n1/…/n31/n32/: no leída: está a más de 32 carpetas de profundidad"));
  EXPECT_EQ(said, dir / "R/" + skipped + ": no leída: está a más de 32 carpetas de profundidad\n");

  // Said once: a look that finds the same says nothing more; once read, the note goes.
  testing::internal::CaptureStderr();
  window->RescanNow();
  std::filesystem::remove_all(dir / "R/n0");
  window->RescanNow();
  EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
  EXPECT_FALSE(window->UnreadNote().isVisibleTo(window.get()));
}

}  // namespace
}  // namespace ostrak::roster
