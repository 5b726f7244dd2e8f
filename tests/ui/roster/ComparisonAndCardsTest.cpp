// The comparison's radars and the roster's cards, driven from the keyboard
// as a user drives them, offscreen, with the dialogs scripted.

#include <gtest/gtest.h>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QProgressBar>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

#include "ui/EditorHarness.h"
#include "ui/card/RadarView.h"
#include "ui/roster/ComparisonWindow.h"
#include "ui/roster/RosterCards.h"
#include "ui/roster/RosterFixtures.h"
#include "ui/roster/RosterWindow.h"
#include "widgets/gradient/GradientProgress.h"

namespace ostrak::roster {
namespace {

using test::ReadBytes;
using test::WriteBytes;
using test::WriteFighter;

class ComparisonAndCards : public ::testing::Test {
protected:
  ComparisonAndCards() {
    qputenv("XDG_CONFIG_HOME", QByteArray::fromStdString(config.path()));
    WriteFighter(folder, "goni.txt",
                 {"Ana Go\xF1i",
                  "Espa\xF1"
                  "a",
                  -1, 16, 20});
    WriteFighter(folder, "ferreira.txt", {"Lucas Ferreira", "Brasil", 1, 8, 5});
    WriteFighter(folder, "sub/lindqvist.txt", {"S\xF8ren Lindqvist", "Danmark", 4, 12, 12});
    WriteFighter(folder, "ramos.txt", {"Ivo Ramos", "Portugal", 2, 14, 9});
    WriteBytes(folder / "broken.txt", "14\r\nabc\r\n");
    RosterSetup setup = SetupFromEditor(editor.Form());
    setup.language = RosterLanguage::English;
    setup.threading = Threading::Inline;
    window = std::make_unique<RosterWindow>(editor.Form(), editor.dialogs, setup);
    window->show();
    QApplication::setActiveWindow(window.get());
    window->OpenFolder(QString::fromStdString(folder.path()));
  }
  ~ComparisonAndCards() override { qunsetenv("XDG_CONFIG_HOME"); }

  void Select(std::initializer_list<const char*> files) {
    window->Table().clearSelection();
    for (const char* file : files) {
      window->Table().selectionModel()->select(window->Model().index(window->Model().RowOfFile(file), 0),
                                               QItemSelectionModel::Select | QItemSelectionModel::Rows);
    }
  }
  ComparisonWindow& CompareFour() {
    Select({"goni.txt", "ferreira.txt", "sub/lindqvist.txt", "ramos.txt"});
    QTest::keyClick(&window->Table(), Qt::Key_D, Qt::ControlModifier);
    EXPECT_NE(window->Comparison(), nullptr);
    return *window->Comparison();
  }
  static QStringList OutlineNames(RadarView& view) {
    QStringList names;
    QAccessibleInterface* radar = QAccessible::queryAccessibleInterface(&view);
    for (int i = 0; i < radar->childCount(); ++i) names << radar->child(i)->text(QAccessible::Name);
    return names;
  }

  test::TempDirectory config;
  test::TempDirectory folder;
  test::TempDirectory cards;
  test::EditorHarness editor;
  std::unique_ptr<RosterWindow> window;
};

TEST_F(ComparisonAndCards, TheRadarNamesEachOutlineAsItsBarsReadAndTheAttributesAreOneClickAway) {
  ComparisonWindow& comparison = CompareFour();
  const QStringList names = OutlineNames(comparison.RatingsView());
  ASSERT_EQ(names.size(), 4);
  // The outline reads as the fighter's bars do, in their order.
  for (int fighter = 0; fighter < 4; ++fighter) {
    QStringList bars;
    for (const TGradientProgress* bar : comparison.Bars(fighter)) bars << bar->accessibleName();
    EXPECT_EQ(names[fighter], comparison.Fighters()[static_cast<std::size_t>(fighter)].name + ": " +
                                  bars.join(QStringLiteral(", ")));
  }
  EXPECT_TRUE(names.contains(QString::fromUtf8(
      "Lucas Ferreira: Suelo 40%, Golpeo 35%, Defensa 40%, Forma física 40%, Mental 40%, Global 39%")));

  QTabBar* tabs = comparison.Radars().findChild<QTabBar*>();
  ASSERT_NE(tabs, nullptr);
  QTest::mouseClick(tabs, Qt::LeftButton, {}, tabs->tabRect(1).center());
  EXPECT_EQ(comparison.Radars().currentWidget(), &comparison.AttributesView());
  const QStringList attributes = OutlineNames(comparison.AttributesView());
  ASSERT_EQ(attributes.size(), 4);
  EXPECT_TRUE(
      attributes.contains(QString::fromUtf8("Lucas Ferreira: Puños 5, Patadas 8, Fuerza 8")
                              .append(", Agarres 8, Agilidad 8, Esquiva 8, Motivación 8, Derribo 8, Def "
                                      "contra derribos 8, Ground'n'Pound 8, Sometimiento 8, Def contra "
                                      "sometimiento 8, Fondo 8, Resistencia 8, Ritmo 8, Agresividad 8, "
                                      "Resistencia al KO 8, Suelo 8")))
      << attributes.join('\n').toStdString();

  // Saved as it is on show.
  const std::string saved = cards / "four.svg";
  editor.dialogs.Answer(QString::fromStdString(saved));
  QApplication::setActiveWindow(&comparison);
  QTest::keyClick(&comparison, Qt::Key_S, Qt::ControlModifier);
  const std::string svg = ReadBytes(saved);
  for (const char* text : {">Lucas Ferreira</text>", ">Ivo Ramos</text>", ">Resistencia al KO</text>"})
    EXPECT_NE(svg.find(text), std::string::npos) << text;
}

TEST_F(ComparisonAndCards, FitsTheScreensFreeAreaAndScrollsToWhatDoesNotFit) {
  ComparisonWindow& comparison = CompareFour();
  QCoreApplication::processEvents();
  const QRect available = comparison.screen()->availableGeometry();
  EXPECT_TRUE(available.contains(comparison.frameGeometry()))
      << comparison.frameGeometry().width() << "x" << comparison.frameGeometry().height();
  // Nothing is squeezed: every attribute row shows in full, and the scroll
  // bars reach the rest.
  QWidget& content = *comparison.Scroll().widget();
  EXPECT_GE(content.width(), content.minimumSizeHint().width());
  EXPECT_GE(content.height(), content.minimumSizeHint().height());
  const QTableWidget& table = comparison.Attributes();
  EXPECT_GE(table.viewport()->height(), 18 * table.rowHeight(0));
  const QScrollArea& scroll = comparison.Scroll();
  EXPECT_EQ(scroll.horizontalScrollBar()->maximum(),
            std::max(0, content.width() - scroll.viewport()->width()));
  EXPECT_EQ(scroll.verticalScrollBar()->maximum(),
            std::max(0, content.height() - scroll.viewport()->height()));
  EXPECT_GT(scroll.horizontalScrollBar()->maximum() + scroll.verticalScrollBar()->maximum(), 0)
      << "four fighters are wider than this screen";
}

TEST_F(ComparisonAndCards, SavesACardPerSelectedFighterNamedAfterItsFileAndNamesWhatDoesNotLoad) {
  Select({"goni.txt", "sub/lindqvist.txt", "broken.txt"});
  editor.dialogs.Answer(QString::fromStdString(cards.path()));
  QTest::keyClick(&window->Table(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  EXPECT_EQ(QImage(QString::fromStdString(cards / "goni.png")).size(), QSize(480, 612));
  EXPECT_EQ(QImage(QString::fromStdString(cards / "sub/lindqvist.png")).size(), QSize(480, 612));
  EXPECT_EQ(test::TempDirectory::EntriesOf(cards.path()), (std::vector<std::string>{"goni.png", "sub"}));
  ASSERT_EQ(editor.dialogs.messages.size(), 1u);
  const test::ShownMessage& done = editor.dialogs.messages[0];
  EXPECT_EQ(done.icon, MessageIcon::Stop);
  EXPECT_TRUE(done.text.startsWith(
      QStringLiteral("Cards written to \"%1\": 2.").arg(QString::fromStdString(cards.path()).chopped(1))))
      << done.text.toStdString();
  EXPECT_TRUE(done.text.contains(QStringLiteral("Not written:\nbroken.txt: "))) << done.text.toStdString();
  EXPECT_FALSE(window->Cards().Progress().isVisible());

  // Cards there already are replaced only when the user says so.
  WriteBytes(cards / "goni.svg", "old");
  Select({"goni.txt", "ferreira.txt"});
  editor.dialogs.Answer(QString::fromStdString(cards.path()));
  editor.dialogs.AnswerQuestion(false);
  window->SaveSelectedCards(DrawingFormat::Svg);
  ASSERT_EQ(editor.dialogs.questions.size(), 1u);
  EXPECT_EQ(ReadBytes(cards / "goni.svg"), "old");
  EXPECT_FALSE(QFileInfo::exists(QString::fromStdString(cards / "ferreira.svg")));
  editor.dialogs.Answer(QString::fromStdString(cards.path()));
  editor.dialogs.AnswerQuestion(true);
  window->SaveSelectedCards(DrawingFormat::Svg);
  EXPECT_NE(ReadBytes(cards / "goni.svg").find(QString::fromUtf8(">Ana Goñi</text>").toStdString()),
            std::string::npos);
  EXPECT_NE(ReadBytes(cards / "ferreira.svg").find(">Lucas Ferreira</text>"), std::string::npos);
}

}  // namespace
}  // namespace ostrak::roster
