// The form at exit kept as a draft and brought back at the next start as
// one undoable step; a form that needs none is not kept, and bytes that are
// no draft are refused.

#include "ui/FormDraft.h"

#include <gtest/gtest.h>

#include <QAction>

#include "EditorHarness.h"
#include "history/HistoryStore.h"
#include "support/UserDataHome.h"
#include "ui/FormUndo.h"

namespace ostrak::test {
namespace {

std::optional<history::SavedDraft> KeptDraft() {
  history::OpenResult opened = history::OpenHistory(history::UserHistoryPlace(), history::HistoryUse::On);
  return opened.store ? opened.store->Draft() : std::nullopt;
}

QAction& Command(EditorHarness& editor, const char* name) {
  return *editor.Form().findChild<QAction*>(QLatin1String(name));
}

class FormDraftTest : public ::testing::Test {
protected:
  TempDirectory data;
  const UserDataHome home{data.path()};
};

TEST_F(FormDraftTest, TheFormAtExitComesBackFromTheMenuAsOneStepUndoTakesBack) {
  {
    EditorHarness editor;
    editor.Type(editor.Form().edNombre, "Ann Lee");
    editor.Choose(editor.Form().cbCatPeso, 2);
    editor.Form().close();
    EXPECT_TRUE(editor.dialogs.messages.empty()) << "nothing asks at exit";
  }
  ASSERT_TRUE(KeptDraft().has_value());
  EditorHarness editor;
  const std::string empty = editor.FormState();
  Command(editor, "commandRecover").trigger();
  EXPECT_EQ(editor.Form().edNombre->Text(), "Ann Lee");
  EXPECT_EQ(editor.Form().cbCatPeso->ItemIndex(), 2);
  EXPECT_EQ(editor.Line(17), "Ann Lee");
  EXPECT_EQ(editor.Form().UndoHistory().Stack().undoText(), "Recuperar luchador sin guardar");
  Command(editor, "commandUndo").trigger();
  EXPECT_EQ(editor.FormState(), empty);
  EXPECT_TRUE(editor.dialogs.messages.empty());
}

TEST_F(FormDraftTest, AFormAsCreatedOrAsItsFileHoldsItIsNoDraft) {
  {
    EditorHarness editor;
    editor.Form().close();
  }
  EXPECT_FALSE(KeptDraft().has_value()) << "as created";
  {
    EditorHarness editor;
    editor.Type(editor.Form().edNombre, "Ann");
    editor.Form().close();
  }
  const auto kept = KeptDraft();
  ASSERT_TRUE(kept.has_value());
  {
    EditorHarness editor;
    const std::string file = editor.Files() / "bob.txt";
    editor.FillRequired();
    editor.dialogs.Answer(QString::fromStdString(file));
    editor.Click(editor.Form().NavPanelButton1);
    ASSERT_TRUE(editor.Form().LoadFighterFile(QString::fromStdString(file)));
    editor.Form().close();
  }
  EXPECT_EQ(KeptDraft()->bytes, kept->bytes) << "a form as its file holds it leaves the older draft alone";
  {
    EditorHarness editor;
    Command(editor, "commandRecover").trigger();
    Command(editor, "commandClearAll").trigger();
    editor.Form().close();
  }
  EXPECT_FALSE(KeptDraft().has_value()) << "the recovered draft was cleared away";
  EditorHarness editor;
  Command(editor, "commandRecover").trigger();
  ASSERT_EQ(editor.dialogs.messages.size(), 1u);
  EXPECT_EQ(editor.dialogs.messages[0].title, QStringLiteral("Ningún luchador sin guardar"));
}

TEST(FormDraftBytes, OnlyADraftOfThisFormIsRead) {
  TStringList lines;
  lines.Add("10");
  lines.Add("Ann\nLee");
  std::array<FieldShown, kFighterFieldCount> fields{};
  fields[0] = {QString::fromUtf8("Añ"), 0x0000FF, 3};
  const FormSnapshot form(lines, fields);
  const std::string bytes = EncodeDraft(form);
  ASSERT_EQ(DecodeDraft(bytes), form);
  const std::string header = "ostrak-form-draft 1\n";
  const struct {
    const char* name;
    std::string bytes;
  } refused[] = {
      {"empty", ""},
      {"another version", "ostrak-form-draft 2\n" + bytes.substr(header.size())},
      {"cut short", bytes.substr(0, bytes.size() - 3)},
      {"a byte after its end", bytes + "x"},
      {"more lines than bytes", header + "lines 99999999999\n"},
      {"a line longer than the rest", header + "lines 1\n900 ab\n"},
      {"a negative length", header + "lines 1\n-1 \n"},
      {"a field too few", header + "lines 0\nfields 26\n"},
  };
  for (const auto& row : refused) {
    SCOPED_TRACE(row.name);
    EXPECT_FALSE(DecodeDraft(row.bytes).has_value());
  }
}

}  // namespace
}  // namespace ostrak::test
