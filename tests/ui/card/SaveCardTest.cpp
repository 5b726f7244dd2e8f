// Save card as the user runs it from the editor and the evaluation window,
// and what a chosen name and type write.

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <QApplication>
#include <QFile>
#include <QImage>
#include <vector>

#include "ui/EditorHarness.h"
#include "ui/card/CardCommand.h"
#include "ui/card/Drawing.h"
#include "ui/roster/RosterTranslations.h"

namespace ostrak {
namespace {

using test::EditorHarness;
using test::ReadBytes;

struct TargetCase {
  const char* name;
  const char* chosen;
  int type;  // into DrawingTypes: PNG at 1, 2, 3, SVG, PDF
  const char* path;
  DrawingFormat format;
  int scale;
};

class DrawingTargetOf : public ::testing::TestWithParam<TargetCase> {};

TEST_P(DrawingTargetOf, TheEndingDecidesAndAMissingOneFollowsTheType) {
  const TargetCase& c = GetParam();
  const DrawingTarget target = TargetOf(QString::fromUtf8(c.chosen), c.type);
  EXPECT_EQ(target.path, QString::fromUtf8(c.path));
  EXPECT_EQ(target.type.format, c.format);
  EXPECT_EQ(target.type.scale, c.scale);
}

INSTANTIATE_TEST_SUITE_P(
    Names, DrawingTargetOf,
    ::testing::Values(TargetCase{"PngOfTheTypesScale", "a.png", 1, "a.png", DrawingFormat::Png, 2},
                      TargetCase{"EndingInCapitals", "a.PDF", 0, "a.PDF", DrawingFormat::Pdf, 1},
                      TargetCase{"EndingAgainstTheType", "a.png", 3, "a.png", DrawingFormat::Png, 1},
                      TargetCase{"NoEndingTakesTheTypes", "a", 3, "a.svg", DrawingFormat::Svg, 1},
                      TargetCase{"DotsInTheName", "J.R. Smith", 2, "J.R. Smith.png", DrawingFormat::Png, 3},
                      TargetCase{"AnotherEnding", "a.jpg", 4, "a.jpg.pdf", DrawingFormat::Pdf, 1}),
    [](const auto& info) { return std::string(info.param.name); });

class SaveCard : public ::testing::Test {
protected:
  SaveCard() {
    InstallCardCommand(editor.Form(), editor.dialogs);
    editor.FillRequired();
  }
  void PressSaveCard(QWidget* window) {
    QApplication::setActiveWindow(window);
    QTest::keyClick(window, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  }
  QString InFiles(const char* name) const { return QString::fromStdString(editor.Files() / name); }

  EditorHarness editor;
};

TEST_F(SaveCard, CtrlShiftCWritesTheFighterOnScreenAsTheNamesEndingSays) {
  // Typed, not saved: the card shows it.
  editor.Type(editor.Form().lbNacionalidad, "Islandia");
  editor.dialogs.Answer(InFiles("ann.svg"));
  PressSaveCard(&editor.Form());
  ASSERT_EQ(editor.dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(editor.dialogs.fileDialogs[0].fileName, QStringLiteral("Ann Lee.png"));
  EXPECT_EQ(editor.dialogs.fileDialogs[0].startDirectory,
            QString::fromStdString(editor.Files().path()).chopped(1));
  const std::string svg = ReadBytes(editor.Files() / "ann.svg");
  EXPECT_NE(svg.find(">Islandia</text>"), std::string::npos);
  EXPECT_NE(svg.find(">Ann Lee</text>"), std::string::npos);
  EXPECT_TRUE(editor.dialogs.messages.empty());
  EXPECT_EQ(editor.Line(24), "Islandia") << "the fighter is left as it was";

  // From the evaluation window, as a PNG three times the size.
  editor.Form().NavPanelButton5Click(editor.Form().NavPanelButton5);
  editor.dialogs.AnswerFilter(2);
  editor.dialogs.Answer(InFiles("ann"));
  PressSaveCard(&editor.Evaluation());
  ASSERT_EQ(editor.dialogs.fileDialogs.size(), 2u);
  EXPECT_EQ(editor.dialogs.fileDialogs[1].startDirectory,
            QString::fromStdString(editor.Files().path()).chopped(1));
  const QImage png(InFiles("ann.png"));
  EXPECT_EQ(png.size(), QSize(480, 612) * 3);
}

// The dialog adds no ending to a name with a dot in it, nor asks about the
// file the ending added after it makes.
TEST_F(SaveCard, AnEndingAddedToAFileThatExistsAsksFirst) {
  test::WriteBytes(editor.Files() / "ann.v2.pdf", "kept");
  editor.dialogs.AnswerFilter(4);
  editor.dialogs.Answer(InFiles("ann.v2"));
  editor.dialogs.AnswerQuestion(false);
  PressSaveCard(&editor.Form());
  ASSERT_EQ(editor.dialogs.questions.size(), 1u);
  EXPECT_TRUE(editor.dialogs.questions[0].contains(InFiles("ann.v2.pdf")));
  EXPECT_EQ(ReadBytes(editor.Files() / "ann.v2.pdf"), "kept");

  editor.dialogs.AnswerFilter(4);
  editor.dialogs.Answer(InFiles("ann.v2"));
  editor.dialogs.AnswerQuestion(true);
  PressSaveCard(&editor.Form());
  EXPECT_EQ(ReadBytes(editor.Files() / "ann.v2.pdf").substr(0, 5), "%PDF-");
}

TEST_F(SaveCard, ANameThatCannotBeWrittenIsSaidAndWhatWasThereStays) {
  // A folder where the card would go: no one, root included, writes it.
  const std::string taken = editor.Files() / "ann.png";
  ASSERT_EQ(mkdir(taken.c_str(), 0755), 0);
  test::WriteBytes(taken + "/inside.txt", "kept");
  editor.dialogs.Answer(QString::fromStdString(taken));
  PressSaveCard(&editor.Form());
  ASSERT_EQ(editor.dialogs.messages.size(), 1u);
  EXPECT_EQ(editor.dialogs.messages[0].icon, MessageIcon::Stop);
  EXPECT_TRUE(editor.dialogs.messages[0].text.contains(QString::fromStdString(taken)));
  EXPECT_EQ(ReadBytes(taken + "/inside.txt"), "kept");
  EXPECT_EQ(test::TempDirectory::EntriesOf(editor.Files().path()), std::vector<std::string>{"ann.png"});
}

TEST_F(SaveCard, SpeaksSpanishWithTheEditorsSpanishTexts) {
  const roster::RosterTranslations spanish(roster::RosterLanguage::Spanish);
  editor.dialogs.Answer(std::nullopt);
  PressSaveCard(&editor.Form());
  ASSERT_EQ(editor.dialogs.fileDialogs.size(), 1u);
  EXPECT_EQ(editor.dialogs.fileDialogs[0].title, QStringLiteral("Guardar ficha"));
  EXPECT_EQ(DrawingFilters()[1].name, QStringLiteral("Imagen PNG, al doble de tamaño"));
}

}  // namespace
}  // namespace ostrak
