// The evaluation window as the Evaluate button shows it.

#include <gtest/gtest.h>

#include <QApplication>

#include "ui/EditorHarness.h"

namespace ostrak {
namespace {

using test::EditorHarness;

std::vector<QString> Captions(TForm2& window) {
  std::vector<QString> captions;
  for (TGradientProgress* bar : window.Bars()) captions.push_back(bar->Caption());
  return captions;
}

TEST(EvaluationWindow, ANewFighterRatesFivePercentEverywhere) {
  EditorHarness editor;
  editor.Click(editor.Form().NavPanelButton5);
  TForm2& window = editor.Evaluation();
  EXPECT_TRUE(window.isVisible());
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Evaluar"));
  EXPECT_EQ(Captions(window),
            (std::vector<QString>{QStringLiteral("Suelo 5%%"), QStringLiteral("Golpeo 5%%"),
                                  QStringLiteral("Defensa 5%%"), QString::fromUtf8("Forma física 5%%"),
                                  QStringLiteral("Mental 5%%"), QStringLiteral("Global 5%%")}));
  for (TGradientProgress* bar : window.Bars()) {
    EXPECT_EQ(bar->Gradient().PercentFilling(), 5);
    EXPECT_EQ(bar->Percent(), 100);
  }
}

class PaintCounter : public QObject {
public:
  explicit PaintCounter(QWidget* widget) { widget->installEventFilter(this); }
  int paints = 0;

protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) ++paints;
    return false;
  }
};

// While it is open the window follows every change that reaches the record:
// a typed attribute, a load, a clear; Esc closes it.
TEST(EvaluationWindow, FollowsTheRecordWhileOpenAndEscClosesIt) {
  EditorHarness editor;
  TForm1& form = editor.Form();
  for (QLineEdit* box : {static_cast<QLineEdit*>(form.spTD), static_cast<QLineEdit*>(form.spGnP),
                         static_cast<QLineEdit*>(form.spSub)}) {
    editor.Type(box, "10");
  }
  editor.Type(form.spGroundGame, "12");
  editor.Click(form.NavPanelButton5);
  TForm2& window = editor.Evaluation();
  EXPECT_EQ(window.gGround->Caption(), QStringLiteral("Suelo 52%%"));

  editor.Type(form.spGroundGame, "20");
  EXPECT_EQ(window.gGround->Caption(), QStringLiteral("Suelo 62%%"));
  EXPECT_EQ(window.gGround->Gradient().PercentFilling(), 62);

  // Every attribute 17: one paint of each bar, after the load, not one per box.
  std::string bytes;
  for (const char* line :
       {"17", "17", "17", "17", "17", "17", "17", "17", "17", "17", "17", "17", "17", "17",
        "17", "17", "17", "Al", "Al", "1",  "0",  "",   "",   "17", "",   "",   "1",  "1"}) {
    bytes += std::string(line) + "\r\n";
  }
  QApplication::processEvents();
  PaintCounter counter(window.gOverall);
  ASSERT_TRUE(form.LoadFighterFile(QString::fromStdString(editor.Files().File("al.txt", bytes))));
  QApplication::processEvents();
  EXPECT_EQ(window.gOverall->Caption(), QStringLiteral("Global 85%%"));
  EXPECT_EQ(counter.paints, 1);

  editor.Click(form.NavPanelButton4);
  for (TGradientProgress* bar : window.Bars()) EXPECT_EQ(bar->Gradient().PercentFilling(), 5);

  QTest::keyClick(&window, Qt::Key_Escape);
  EXPECT_FALSE(window.isVisible());
  editor.Type(form.spGroundGame, "20");
  editor.Click(form.NavPanelButton5);
  EXPECT_EQ(window.gGround->Caption(), QStringLiteral("Suelo 29%%"));
}

TEST(EvaluationWindow, OpensCentredOnTheEditorAndThenKeepsItsPlace) {
  EditorHarness editor;
  editor.Click(editor.Form().NavPanelButton5);
  TForm2& window = editor.Evaluation();
  EXPECT_EQ(window.size(), QSize(294, 148));
  // Within the width of a window frame, which is unknown before it opens.
  const QPoint offset = window.frameGeometry().center() - editor.Form().frameGeometry().center();
  EXPECT_LE(offset.manhattanLength(), 4) << offset.x() << "," << offset.y();
  window.move(window.pos() + QPoint(40, 30));
  const QPoint moved = window.pos();
  window.close();
  editor.Click(editor.Form().NavPanelButton5);
  EXPECT_EQ(window.pos(), moved);
}

}  // namespace
}  // namespace ostrak
