// The editor's commands as a user runs them: save, load, clear all, and the
// record each control keeps up to date.

#include <gtest/gtest.h>

#include <filesystem>

#include "ui/EditorHarness.h"
#include "ui/roster/RosterFixtures.h"

namespace ostrak {
namespace {

using test::EditorHarness;
using test::FileOf;
using test::ReadBytes;
using test::WriteBytes;

const QString kMissingText = QString::fromUtf8(
    "Debe rellenar el nombre completo, el nombre común, la categoría, la estrategia y el ID Sherdog");
const QString kSavedText = QStringLiteral("El luchador se ha guardado correctamente");

TEST(EditorSave, OnlyTheRequiredFieldsWriteOnesEverywhereElseThenClearTheEdits) {
  EditorHarness editor;
  TForm1& form = editor.Form();
  editor.FillRequired();
  const std::string path = editor.Files() / "ann.txt";
  editor.dialogs.Answer(QString::fromStdString(path));
  editor.Click(form.NavPanelButton1);

  ASSERT_EQ(editor.dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(editor.dialogs.fileDialogs[0].title, QStringLiteral("Guardar luchador"));
  EXPECT_EQ(editor.dialogs.fileDialogs[0].fileName, QStringLiteral("Ann Lee.txt"));
  EXPECT_EQ(ReadBytes(path),
            FileOf({"1", "1", "1", "1",       "1",   "1", "1", "1", "1", "1", "1", "1", "1",    "1",
                    "1", "1", "1", "Ann Lee", "Ann", "2", "1", "1", "1", "1", "1", "1", "4242", "1"}));
  ASSERT_EQ(editor.dialogs.messages.size(), 1u);
  EXPECT_EQ(editor.dialogs.messages[0].text, kSavedText);
  EXPECT_EQ(editor.dialogs.messages[0].title, QStringLiteral("Luchador guardado"));
  EXPECT_EQ(editor.dialogs.messages[0].icon, MessageIcon::Information);
  // Cleared: the edits are empty, the lists keep their choice, and the boxes,
  // which never changed, keep their first colour.
  EXPECT_EQ(form.edNombre->Text(), QString());
  EXPECT_EQ(form.edSherdog->Text(), QString());
  EXPECT_EQ(form.cbCatPeso->ItemIndex(), 2);
  EXPECT_EQ(form.cbGamePlan->ItemIndex(), 1);
  EXPECT_EQ(form.spPunch->Text(), QStringLiteral("1"));
  EXPECT_EQ(form.spPunch->Font().Color(), clWindowText);
  EXPECT_TRUE(editor.errors.messages().empty());
}

// Saved again, a fighter opened from a file is proposed as that file, in its
// folder, by whatever route it came; renamed or new, as "Full name.txt".
TEST(EditorSave, AFighterOpenedByAnyRouteIsProposedAsItsOwnFileUntilItsFullNameChanges) {
  using Open = std::function<void(EditorHarness&, const QString& path)>;
  const Open byDialog = [](EditorHarness& editor, const QString& path) {
    editor.dialogs.Answer(path);
    editor.Click(editor.Form().NavPanelButton2);
  };
  const Open byRoster = [](EditorHarness& editor, const QString& path) {
    editor.Form().LoadFighterFile(path);
  };
  const Open fromOutside = [](EditorHarness& editor, const QString& path) {
    editor.Form().OpenFighterFile(path);
  };
  const struct {
    const char* name;
    Open open;
    std::function<void(EditorHarness&)> edit;
    const char* proposed;
  } rows[] = {
      {"the open dialog's", byDialog, {}, "gilbert-marin.txt"},
      {"the roster's", byRoster, [](EditorHarness& e) { e.Type(e.Form().edSherdog, "99"); },
       "gilbert-marin.txt"},
      {"a drop's or the command line's", fromOutside, {}, "gilbert-marin.txt"},
      {"renamed", byRoster, [](EditorHarness& e) { e.Type(e.Form().edNombre, "Gil Marin"); },
       "Gil Marin.txt"},
      {"a new fighter under the same name", byRoster,
       [](EditorHarness& e) {
         e.Click(e.Form().NavPanelButton4);
         e.FillRequired();
         e.Type(e.Form().edNombre, "Gilbert Marin");
       },
       "Gilbert Marin.txt"},
  };
  for (const auto& row : rows) {
    SCOPED_TRACE(row.name);
    EditorHarness editor;
    const std::string folder = editor.Files() / "roster";
    std::filesystem::create_directory(folder);
    test::WriteBytes(folder + "/gilbert-marin.txt", test::FighterFile({"Gilbert Marin"}));
    row.open(editor, QString::fromStdString(folder + "/gilbert-marin.txt"));
    ASSERT_EQ(editor.Form().edNombre->Text(), QStringLiteral("Gilbert Marin"));
    if (row.edit) row.edit(editor);
    const bool itself = std::string(row.proposed) == "gilbert-marin.txt";
    editor.dialogs.Answer(QString::fromStdString(folder + "/" + row.proposed));
    if (itself) editor.dialogs.AnswerReplace(true);  // the question before replacing still comes
    editor.Click(editor.Form().NavPanelButton1);
    const test::OpenedFileDialog& save = editor.dialogs.fileDialogs.back();
    EXPECT_EQ(save.kind, FileDialogKind::Save);
    EXPECT_EQ(save.fileName, QString::fromLatin1(row.proposed));
    EXPECT_EQ(save.startDirectory, QString::fromStdString(folder));
    EXPECT_EQ(editor.dialogs.replaceQuestions.size(), itself ? 1u : 0u);
    EXPECT_EQ(test::TempDirectory::EntriesOf(folder).size(), itself ? 1u : 2u);
  }
}

struct Refusal {
  const char* name;
  std::function<void(EditorHarness&)> undo;
};

class EditorSaveRefusal : public ::testing::TestWithParam<Refusal> {};

TEST_P(EditorSaveRefusal, ShowsTheMissingFieldsMessageAndOpensNoDialog) {
  EditorHarness editor;
  editor.FillRequired();
  GetParam().undo(editor);
  editor.Click(editor.Form().NavPanelButton1);
  ASSERT_EQ(editor.dialogs.messages.size(), 1u);
  EXPECT_EQ(editor.dialogs.messages[0].text, kMissingText);
  EXPECT_EQ(editor.dialogs.messages[0].title, QStringLiteral("Faltan datos"));
  EXPECT_EQ(editor.dialogs.messages[0].icon, MessageIcon::Information);
  EXPECT_TRUE(editor.dialogs.fileDialogs.empty());
  EXPECT_EQ(editor.Line(0), "") << "no fill happened";
}

INSTANTIATE_TEST_SUITE_P(
    EachField, EditorSaveRefusal,
    ::testing::Values(Refusal{"FullName", [](EditorHarness& e) { e.Form().edNombre->SetText({}); }},
                      Refusal{"ShortName", [](EditorHarness& e) { e.Form().edNombreCorto->SetText({}); }},
                      Refusal{"WeightClass", [](EditorHarness& e) { e.Form().cbCatPeso->SetItemIndex(-1); }},
                      Refusal{"GamePlan", [](EditorHarness& e) { e.Form().cbGamePlan->SetItemIndex(-1); }},
                      Refusal{"SherdogId", [](EditorHarness& e) { e.Form().edSherdog->SetText({}); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(EditorSave, ACancelledDialogWritesNothingButKeepsTheFill) {
  EditorHarness editor;
  editor.FillRequired();
  editor.dialogs.Answer(std::nullopt);
  editor.Click(editor.Form().NavPanelButton1);
  EXPECT_TRUE(editor.dialogs.messages.empty());
  EXPECT_TRUE(editor.Files().Entries().empty());
  EXPECT_EQ(editor.Line(0), "1");
  EXPECT_EQ(editor.Line(27), "1");
  EXPECT_EQ(editor.Form().edNombre->Text(), QStringLiteral("Ann Lee")) << "nothing cleared";
}

TEST(EditorSave, AFileThatCannotBeWrittenIsReportedAndTheFormKept) {
  EditorHarness editor;
  editor.FillRequired();
  const std::string path = editor.Files() / "no such folder/ann.txt";
  editor.dialogs.Answer(QString::fromStdString(path));
  editor.Click(editor.Form().NavPanelButton1);
  EXPECT_EQ(editor.errors.messages(),
            std::vector<std::string>{"Cannot create file \"" + path + "\". No such file or directory"});
  EXPECT_TRUE(editor.dialogs.messages.empty()) << "no success message";
  EXPECT_EQ(editor.Form().edNombre->Text(), QStringLiteral("Ann Lee")) << "nothing cleared";
}

TEST(EditorAttributes, TypedValuesRecolourTheBoxAndWriteItsLine) {
  EditorHarness editor;
  TForm1& form = editor.Form();
  const std::pair<const char*, TColor> rows[] = {{"15", clGreen}, {"20", clGreen}, {"14", clBlack},
                                                 {"8", clBlack},  {"7", clRed},    {"2", clRed}};
  for (const auto& [typed, colour] : rows) {
    editor.Type(form.spKORes, typed);
    EXPECT_EQ(form.spKORes->Font().Color(), colour) << typed;
    EXPECT_EQ(editor.Line(16), typed);
  }
}

// Attributes 10, every text, game plan code 3, weight class code 4, and a
// line 27 of its own.
std::string LoadedFighter() {
  return FileOf({"10", "10",  "10", "10", "10", "10",   "10", "10",     "10", "10",
                 "10", "10",  "10", "10", "10", "10",   "10", "Bo Kim", "Bo", "3",
                 "4",  "180", "77", "10", "KR", "1990", "77", "kept"});
}

TEST(EditorLoad, ThenClearThenSaveKeepsTheLoadedListCodesAndLine27) {
  EditorHarness editor;
  TForm1& form = editor.Form();
  const std::string source = editor.Files().File("bo.txt", LoadedFighter());
  editor.dialogs.Answer(QString::fromStdString(source));
  editor.Click(form.NavPanelButton2);
  EXPECT_TRUE(editor.dialogs.messages.empty()) << "a load succeeds silently";
  EXPECT_EQ(form.spGroundGame->Text(), QStringLiteral("10"));
  EXPECT_EQ(form.lbNacionalidad->Text(), QStringLiteral("KR"));
  EXPECT_EQ(form.cbGamePlan->ItemIndex(), 2);
  EXPECT_EQ(form.cbCatPeso->ItemIndex(), 5);

  editor.Click(form.NavPanelButton4);
  EXPECT_EQ(form.spGroundGame->Text(), QStringLiteral("1"));
  EXPECT_EQ(form.spGroundGame->Font().Color(), clRed);
  EXPECT_EQ(form.edEstatura->Text(), QString());
  EXPECT_EQ(form.cbCatPeso->ItemIndex(), 5);

  editor.Type(form.edNombre, "Bo Kim");
  editor.Type(form.edNombreCorto, "Bo");
  editor.Type(form.edSherdog, "77");
  const std::string target = editor.Files() / "out.txt";
  editor.dialogs.Answer(QString::fromStdString(target));
  editor.Click(form.NavPanelButton1);
  EXPECT_EQ(ReadBytes(target),
            FileOf({"1", "1", "1", "1",      "1",  "1", "1", "1", "1", "1", "1", "1", "1",  "1",
                    "1", "1", "1", "Bo Kim", "Bo", "3", "4", "1", "1", "1", "1", "1", "77", "kept"}));
}

struct LoadFailure {
  const char* name;
  std::string bytes;  // nothing: the file does not exist
};

class EditorLoadFailure : public ::testing::TestWithParam<LoadFailure> {};

// All or nothing: after a failed load the fighter on screen, and the record
// a save would write, are exactly as they were.
TEST_P(EditorLoadFailure, ShowsTheNoticeAndLeavesTheFighterAsItWas) {
  const LoadFailure& row = GetParam();
  EditorHarness editor;
  TForm1& form = editor.Form();
  ASSERT_TRUE(form.LoadFighterFile(QString::fromStdString(editor.Files().File("bo.txt", LoadedFighter()))));
  editor.Type(form.spPunch, "3");
  editor.Type(form.edPeso, "80");
  const std::string before = editor.FormState();
  const std::string bad = editor.Files() / "bad.txt";
  if (!row.bytes.empty()) test::WriteBytes(bad, row.bytes);
  editor.dialogs.Answer(QString::fromStdString(bad));
  editor.Click(form.NavPanelButton2);
  ASSERT_EQ(editor.dialogs.messages.size(), 1u);
  EXPECT_TRUE(editor.dialogs.messages[0].notice);
  EXPECT_EQ(editor.dialogs.messages[0].text, QStringLiteral("El luchador no se ha cargado correctamente"));
  EXPECT_EQ(editor.dialogs.messages[0].title, QStringLiteral("Ostrak Editor"));
  EXPECT_EQ(editor.FormState(), before);
  EXPECT_TRUE(editor.errors.messages().empty());
}

// A fighter unlike LoadedFighter(), its first `count` lines, line `line` replaced by `text`.
std::string OtherFighter(int line, const char* text, int count = 28) {
  const char* lines[] = {"9", "9", "9", "9",      "9",  "9", "9",  "9",   "9",  "9", "9",  "9",    "9", "9",
                         "9", "9", "9", "Cy Ray", "Cy", "1", "-1", "170", "60", "9", "CL", "1999", "5", "1"};
  std::string bytes;
  for (int i = 0; i < count; ++i) bytes += std::string(i == line ? text : lines[i]) + "\r\n";
  return bytes;
}

INSTANTIATE_TEST_SUITE_P(Files, EditorLoadFailure,
                         ::testing::Values(LoadFailure{"BadIntegerAtLine5", OtherFighter(5, "9x")},
                                           LoadFailure{"BadGroundGameAtLine23", OtherFighter(23, "9 ")},
                                           LoadFailure{"NineteenLines", OtherFighter(-1, "", 19)},
                                           LoadFailure{"MissingFile", ""}),
                         [](const auto& info) { return std::string(info.param.name); });

// A 27-line file loads, is completed with an empty line 27, and saves whole.
TEST(EditorLoad, A27LineFileLoadsAndSavesWithItsMissingLineFilled) {
  EditorHarness editor;
  TForm1& form = editor.Form();
  std::string bytes = LoadedFighter();
  bytes.erase(bytes.rfind("kept"));
  const std::string path = editor.Files().File("short.txt", bytes);
  editor.dialogs.Answer(QString::fromStdString(path));
  editor.Click(form.NavPanelButton2);
  EXPECT_TRUE(editor.dialogs.messages.empty());
  EXPECT_EQ(editor.Line(27), "");
  editor.dialogs.Answer(QString::fromStdString(path));
  editor.dialogs.AnswerReplace(true);
  editor.Click(form.NavPanelButton1);
  EXPECT_EQ(ReadBytes(path), bytes + "1\r\n");
  EXPECT_TRUE(editor.errors.messages().empty());
}

// Whatever a text line holds comes back byte for byte: a name far longer
// than an edit shows, a tab, and every Windows-1252 letter.
TEST(EditorLoad, TextLinesSurviveALoadAndASave) {
  EditorHarness editor;
  TForm1& form = editor.Form();
  std::string bytes = LoadedFighter();
  const std::string longName(40000, 'x');
  const std::string odd = "tab\there \x80\x81\x9F\xE9\xFF";
  bytes.replace(bytes.find("Bo Kim"), 6, longName);
  bytes.replace(bytes.find("KR"), 2, odd);
  const std::string path = editor.Files().File("odd.txt", bytes);
  editor.dialogs.Answer(QString::fromStdString(path));
  editor.Click(form.NavPanelButton2);
  editor.dialogs.Answer(QString::fromStdString(path));
  editor.dialogs.AnswerReplace(true);
  editor.Click(form.NavPanelButton1);
  EXPECT_EQ(ReadBytes(path), bytes);
}

TEST(EditorDialogs, OpenInFightersFromTheSecondTimeAndRememberTheChosenPath) {
  EditorHarness editor;
  TForm1& form = editor.Form();
  const QString start = QDir::currentPath();
  QDir(start).mkdir(QStringLiteral("Fighters"));
  const std::string chosen = editor.Files() / "missing.txt";
  editor.dialogs.Answer(QString::fromStdString(chosen));
  editor.Click(form.NavPanelButton2);
  editor.dialogs.Answer(std::nullopt);
  editor.Click(form.NavPanelButton2);
  ASSERT_EQ(editor.dialogs.fileDialogs.size(), 2u);
  EXPECT_EQ(editor.dialogs.fileDialogs[0].title, QStringLiteral("Abrir luchador"));
  EXPECT_EQ(editor.dialogs.fileDialogs[0].startDirectory, start);
  EXPECT_EQ(editor.dialogs.fileDialogs[1].startDirectory, start + QStringLiteral("/Fighters"));
  EXPECT_EQ(editor.dialogs.fileDialogs[1].fileName, QString::fromStdString(chosen));
}

}  // namespace
}  // namespace ostrak
