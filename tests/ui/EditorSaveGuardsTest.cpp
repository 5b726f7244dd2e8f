// What the save command guards against before it writes: a file that is
// already there.

#include <gtest/gtest.h>

#include "ui/EditorHarness.h"

namespace ostrak {
namespace {

using test::EditorHarness;
using test::FileOf;
using test::ReadBytes;
using test::WriteBytes;

const std::string kAnnLee =
    FileOf({"1", "1", "1", "1",       "1",   "1", "1", "1", "1", "1", "1", "1", "1",    "1",
            "1", "1", "1", "Ann Lee", "Ann", "2", "1", "1", "1", "1", "1", "1", "4242", "1"});

// "No" goes back to the same dialog, which the next answer then closes.
TEST(EditorSaveReplace, AsksBeforeReplacingAndNoGoesBackToTheDialog) {
  EditorHarness editor;
  const std::string existing = editor.Files().File("Ann Lee.txt", "another fighter\r\n");
  editor.FillRequired();
  editor.dialogs.Answer(QString::fromStdString(existing));
  editor.dialogs.AnswerReplace(false);
  editor.dialogs.Answer(QString::fromStdString(existing));
  editor.dialogs.AnswerReplace(true);
  editor.Click(editor.Form().NavPanelButton1);
  EXPECT_EQ(editor.dialogs.replaceQuestions,
            (std::vector<QString>{QString::fromStdString(existing), QString::fromStdString(existing)}));
  EXPECT_EQ(editor.dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(ReadBytes(existing), kAnnLee);
  ASSERT_EQ(editor.dialogs.messages.size(), 1u);
  EXPECT_EQ(editor.dialogs.messages[0].title, QStringLiteral("Luchador guardado"));
}

TEST(EditorSaveReplace, NoThenCancelLeavesTheFileAndTheFormAsTheyWere) {
  EditorHarness editor;
  const std::string existing = editor.Files().File("Ann Lee.txt", "another fighter\r\n");
  editor.FillRequired();
  editor.dialogs.Answer(QString::fromStdString(existing));
  editor.dialogs.AnswerReplace(false);
  editor.dialogs.Answer(std::nullopt);
  editor.Click(editor.Form().NavPanelButton1);
  EXPECT_EQ(ReadBytes(existing), "another fighter\r\n");
  EXPECT_TRUE(editor.dialogs.messages.empty());
  EXPECT_EQ(editor.Form().edNombre->Text(), QStringLiteral("Ann Lee"));
}

// A name nobody has taken yet is saved without a question.
TEST(EditorSaveReplace, ANewNameIsNotAskedAbout) {
  EditorHarness editor;
  editor.FillRequired();
  const std::string path = editor.Files() / "Ann Lee.txt";
  editor.dialogs.Answer(QString::fromStdString(path));
  editor.Click(editor.Form().NavPanelButton1);
  EXPECT_TRUE(editor.dialogs.replaceQuestions.empty());
  EXPECT_EQ(ReadBytes(path), kAnnLee);
}

}  // namespace
}  // namespace ostrak
