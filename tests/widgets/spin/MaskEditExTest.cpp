#include "widgets/spin/MaskEditEx.h"

#include <gtest/gtest.h>

#include <QClipboard>

#include "widgets/spin/EditTestSupport.h"

namespace ostrak {
namespace {

using test::ActiveWindow;

class PlainEdit : public ::testing::Test {
protected:
  PlainEdit() {
    edit = new TMaskEditEx(&active.window);
    edit->show();
    edit->setFocus();
    edit->OnChange = [this](QObject*) { seen.push_back(edit->Text()); };
  }
  ActiveWindow active;
  TMaskEditEx* edit = nullptr;
  std::vector<QString> seen;
};

TEST_F(PlainEdit, NotifiesOnlyRealChangesFromCodeAndFromTyping) {
  edit->SetText(QStringLiteral("ab"));
  edit->SetText(QStringLiteral("ab"));
  edit->SetSelStart(2);
  test::Type(edit, "c");
  QTest::keyClick(edit, Qt::Key_Left);
  QTest::keyClick(edit, Qt::Key_Backspace);
  QTest::keyClick(edit, Qt::Key_Home);
  EXPECT_EQ(seen, (std::vector<QString>{"ab", "abc", "ac"}));
  EXPECT_TRUE(edit->Modified());
  edit->SetText(QStringLiteral("x"));
  EXPECT_FALSE(edit->Modified());
}

TEST_F(PlainEdit, AChangeMadeByTheHandlerIsNotifiedOnceNested) {
  edit->OnChange = [this](QObject*) {
    seen.push_back(edit->Text());
    if (edit->Text() == "5") edit->SetText(QStringLiteral("6"));
  };
  test::Type(edit, "5");
  EXPECT_EQ(seen, (std::vector<QString>{"5", "6"}));
  EXPECT_EQ(edit->Text(), "6");
}

TEST_F(PlainEdit, KeyStagesMayConsumeOrReplaceWhatWasTyped) {
  edit->OnKeyDown = [](QObject*, int& key, TShiftState) {
    if (key == Qt::Key_B) key = 0;
  };
  edit->OnKeyPress = [](QObject*, QChar& key) {
    if (key == u'x') key = u'y';
    if (key == u'z') key = QChar();
  };
  test::Type(edit, "abxz");
  EXPECT_EQ(edit->Text(), "ay");
}

TEST_F(PlainEdit, EveryClipboardRequestObeysTheGate) {
  edit->SetText(QStringLiteral("abc"));
  edit->SetClipboardCommands({});
  QApplication::clipboard()->setText(QStringLiteral("p"));
  edit->SelectAll();
  edit->CutToClipboard();
  edit->CopyToClipboard();
  edit->PasteFromClipboard();
  edit->ClearSelection();
  edit->Undo();
  EXPECT_EQ(edit->Text(), "abc");
  EXPECT_EQ(QApplication::clipboard()->text(), "p");
  edit->SetClipboardCommands(kAllClipboardCommands);
  edit->SelectAll();
  edit->ClearSelection();
  EXPECT_EQ(edit->Text(), "");
  edit->Undo();
  EXPECT_EQ(edit->Text(), "abc");
  edit->SetReadOnly(true);
  edit->SelectAll();
  edit->CutToClipboard();
  EXPECT_EQ(edit->Text(), "abc");
  EXPECT_EQ(seen, (std::vector<QString>{"abc", "", "abc"}));
}

TEST_F(PlainEdit, EnterAndExitFollowTheFocusBetweenControlsOnly) {
  int enters = 0;
  int exits = 0;
  edit->OnEnter = [&](QObject*) { ++enters; };
  edit->OnExit = [&](QObject*) { ++exits; };
  auto* other = new TMaskEditEx(&active.window);
  other->move(0, 40);
  other->show();
  other->setFocus();
  EXPECT_EQ(exits, 1);
  edit->setFocus();
  EXPECT_EQ(enters, 1);
  // A popup or another window taking the focus is no exit, and getting it
  // back is no enter.
  QFocusEvent popupOut(QEvent::FocusOut, Qt::PopupFocusReason);
  QApplication::sendEvent(edit, &popupOut);
  QFocusEvent popupIn(QEvent::FocusIn, Qt::PopupFocusReason);
  QApplication::sendEvent(edit, &popupIn);
  QWidget dialog;
  dialog.show();
  QApplication::setActiveWindow(&dialog);
  QApplication::setActiveWindow(&active.window);
  EXPECT_TRUE(edit->hasFocus());
  EXPECT_EQ(enters, 1);
  EXPECT_EQ(exits, 1);
  other->setFocus();
  EXPECT_EQ(exits, 2);
}

// An edit whose concrete class never made its window.
class WindowlessEdit : public TCustomMaskEditEx {
public:
  using TCustomMaskEditEx::TCustomMaskEditEx;
};

TEST(MaskEditWindow, WithoutAWindowATextIsOnlyStored) {
  WindowlessEdit edit;
  int changes = 0;
  edit.OnChange = [&](QObject*) { ++changes; };
  edit.SetText(QStringLiteral("stored"));
  EXPECT_EQ(edit.Text(), "stored");
  EXPECT_EQ(changes, 0);
  EXPECT_FALSE(edit.HandleAllocated());
}

// The rings are kept between paints; a new size or bevel must not show the
// old ones.
TEST(MaskEditExBevel, FollowsTheSizeAndTheKindAfterItWasShown) {
  TMaskEditEx edit;
  edit.SetBorderStyle(TBorderStyle::bsNone);
  edit.SetBevelKind(TBevelKind::bkFlat);
  edit.resize(40, 20);
  edit.show();
  const QRgb shadow = qRgb(160, 160, 160);
  QImage shown = edit.grab().toImage();
  EXPECT_EQ(shown.pixel(0, 0), shadow);
  EXPECT_EQ(shown.pixel(39, 19), shadow);

  edit.resize(50, 24);
  shown = edit.grab().toImage();
  EXPECT_EQ(shown.pixel(49, 23), shadow) << "the new corner";
  EXPECT_NE(shown.pixel(39, 19), shadow) << "the old corner";

  edit.SetBevelKind(TBevelKind::bkSoft);
  EXPECT_EQ(edit.grab().toImage().pixel(0, 0), qRgb(105, 105, 105)) << "a soft lowered ring";
}

}  // namespace
}  // namespace ostrak
