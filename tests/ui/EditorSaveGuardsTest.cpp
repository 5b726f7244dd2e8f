// What the save command guards against before it writes: text the file
// cannot hold, and a file that is already there.

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>

#include "ui/EditorHarness.h"

namespace ostrak {
namespace {

using test::EditorHarness;
using test::ReadBytes;
using test::WriteBytes;

struct Unstorable {
  const char* name;
  const char* language;  // the settings file's code
  const char* field;     // the edit the text is pasted into
  const char* pasted;    // UTF-8
  const char* title;
  const char* text;
};

void PrintTo(const Unstorable& row, std::ostream* os) { *os << row.name; }

// "€" and "é" have bytes: the first character without one counts.
const Unstorable kUnstorable[] = {
    {"PolishLetterInSpanish", "ES\r\n", "edNombreCorto", "€ é Łukasz Żółw", "Carácter no admitido",
     "El campo «Nombre común» contiene «Ł» (U+0141), un carácter que el archivo del luchador no puede "
     "guardar. Cámbielo y vuelva a guardar; no se ha guardado nada."},
    {"FlagOutsideTheBasicPlaneInEnglish", "EN\r\n", "lbNacionalidad",
     "Polska \xF0\x9F\x87\xB5\xF0\x9F\x87\xB1", "Character not supported",
     "The field “Nationality” holds “\xF0\x9F\x87\xB5” (U+1F1F5), a character the fighter file cannot store. "
     "Change it and save again; nothing was saved."},
};

class EditorSaveUnstorable : public ::testing::TestWithParam<Unstorable> {};

// Refused before the dialog, even before the fill; the pasted text stays whole.
TEST_P(EditorSaveUnstorable, NamesTheFieldAndTheCharacterAndWritesNothing) {
  const Unstorable& row = GetParam();
  EditorHarness editor([&](const test::TempDirectory& p) { WriteBytes(p / "Config.txt", row.language); });
  editor.FillRequired();
  auto* edit = editor.Form().findChild<TLabeledEdit*>(QLatin1String(row.field));
  QApplication::clipboard()->setText(QString::fromUtf8(row.pasted));
  edit->setFocus();
  edit->selectAll();
  QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
  editor.Click(editor.Form().NavPanelButton1);
  ASSERT_EQ(editor.dialogs.messages.size(), 1u);
  EXPECT_EQ(editor.dialogs.messages[0].title, QString::fromUtf8(row.title));
  EXPECT_EQ(editor.dialogs.messages[0].text, QString::fromUtf8(row.text));
  EXPECT_EQ(editor.dialogs.messages[0].icon, MessageIcon::Information);
  EXPECT_TRUE(editor.dialogs.fileDialogs.empty());
  EXPECT_EQ(editor.Line(0), "");
  EXPECT_EQ(edit->Text(), QString::fromUtf8(row.pasted));
}

INSTANTIATE_TEST_SUITE_P(Fields, EditorSaveUnstorable, ::testing::ValuesIn(kUnstorable),
                         [](const auto& info) { return std::string(info.param.name); });

// "No" goes back to the same dialog, which the next answer then closes.
TEST(EditorSaveReplace, AsksBeforeReplacingAndNoGoesBackToTheDialog) {
  EditorHarness editor;
  const QString existing = QString::fromStdString(editor.Files().File("Ann Lee.txt", "another\r\n"));
  editor.FillRequired();
  editor.dialogs.Answer(existing);
  editor.dialogs.AnswerReplace(false);
  editor.dialogs.Answer(existing);
  editor.dialogs.AnswerReplace(true);
  editor.Click(editor.Form().NavPanelButton1);
  EXPECT_EQ(editor.dialogs.replaceQuestions, (std::vector<QString>{existing, existing}));
  EXPECT_EQ(editor.dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(ReadBytes(existing.toStdString()).substr(0, 6), "1\r\n1\r\n");
}

}  // namespace
}  // namespace ostrak
