#include "widgets/spin/MaskEditEx.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QSpinBox>
#include <functional>

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

// Each change of the font object reaches the widget, the face as its font
// and the colour as its text colour, whichever attribute changed.
TEST(MaskEditExFont, EveryChangedAttributeReachesTheWidget) {
  struct Row {
    const char* name;
    std::function<void(TFont&)> change;
    QColor text;
  };
  const Row rows[] = {
      {"the colour", [](TFont& f) { f.SetColor(clRed); }, QColor(255, 0, 0)},
      {"the height", [](TFont& f) { f.SetHeight(-15); }, Qt::black},
      {"the style", [](TFont& f) { f.SetStyle(TFontStyle::fsBold | TFontStyle::fsItalic); }, Qt::black},
      {"the name", [](TFont& f) { f.SetName(QStringLiteral("Courier New")); }, Qt::black},
      {"the pitch", [](TFont& f) { f.SetPitch(TFontPitch::fpFixed); }, Qt::black},
      {"the colour and the height at once",
       [](TFont& f) {
         TFont both(f);
         both.SetColor(clGreen);
         both.SetHeight(-13);
         f.Assign(both);
       },
       QColor(0, 128, 0)},
  };
  for (const Row& row : rows) {
    TMaskEditEx edit;
    edit.Font().SetColor(clBlack);
    row.change(edit.Font());
    EXPECT_EQ(edit.font(), edit.Font().ToQFont()) << row.name;
    EXPECT_EQ(edit.palette().color(QPalette::Text), row.text) << row.name;
    edit.Font().SetColor(clBlue);
    EXPECT_EQ(edit.font(), edit.Font().ToQFont()) << row.name << ", then a new colour";
    EXPECT_EQ(edit.palette().color(QPalette::Text), QColor(0, 0, 255)) << row.name << ", then a new colour";
  }
}

// An edit that tells Qt it hides what lies beneath must paint every pixel it
// owns: rendered alone over a sentinel, nothing of the sentinel may show,
// also where the style might leave the inside to a spin box around it.
TEST(MaskEditExOpaqueness, OnlyABorderlessEditWithAWholeBevelAndAnOpaqueBaseHidesTheWindow) {
  struct Row {
    const char* name;
    TBorderStyle border;
    TControlBevel bevel;
    QColor base;
    bool inSpinBox;
    bool hides;
  };
  using enum TBevelCut;
  const TControlBevel soft{TBevelKind::bkSoft, bvRaised, bvLowered};
  const Row rows[] = {
      {"soft bevel, as the attribute boxes", TBorderStyle::bsNone, soft, Qt::white, false, true},
      {"flat bevel, as the labelled edits",
       TBorderStyle::bsNone,
       {TBevelKind::bkFlat, bvRaised, bvRaised},
       Qt::white,
       false,
       true},
      {"one ring", TBorderStyle::bsNone, {TBevelKind::bkSoft, bvNone, bvLowered}, Qt::white, false, true},
      {"inside a spin box", TBorderStyle::bsNone, soft, Qt::white, true, true},
      {"a ring that draws nothing",
       TBorderStyle::bsNone,
       {TBevelKind::bkSoft, bvSpace, bvLowered},
       Qt::white,
       false,
       false},
      {"a border", TBorderStyle::bsSingle, soft, Qt::white, false, false},
      {"no bevel", TBorderStyle::bsNone, {}, Qt::white, false, false},
      {"a see-through base", TBorderStyle::bsNone, soft, QColor(255, 255, 255, 128), false, false},
  };
  const QRgb sentinel = qRgb(1, 2, 3);
  for (const Row& row : rows) {
    QWidget window;
    window.resize(60, 30);
    QWidget* host = &window;
    if (row.inSpinBox) {
      host = new QSpinBox(&window);
      host->setGeometry(0, 0, 60, 30);
    }
    auto* edit = new TMaskEditEx(host);
    edit->SetBorderStyle(row.border);
    edit->SetBevelKind(row.bevel.kind);
    edit->SetBevelInner(row.bevel.inner);
    edit->SetBevelOuter(row.bevel.outer);
    QPalette base = edit->palette();
    base.setColor(QPalette::Base, row.base);
    edit->setPalette(base);
    edit->SetText(QStringLiteral("12"));
    edit->setGeometry(5, 5, 40, 20);
    window.show();
    EXPECT_EQ(edit->testAttribute(Qt::WA_OpaquePaintEvent), row.hides) << row.name;
    if (!edit->testAttribute(Qt::WA_OpaquePaintEvent)) continue;
    QImage shown(edit->size(), QImage::Format_RGB32);
    shown.fill(sentinel);
    edit->render(&shown, QPoint(), QRegion(), QWidget::DrawChildren);
    int unpainted = 0;
    for (int y = 0; y < shown.height(); ++y) {
      for (int x = 0; x < shown.width(); ++x) unpainted += shown.pixel(x, y) == sentinel;
    }
    EXPECT_EQ(unpainted, 0) << row.name;
  }
}

// Asked before a shortcut whether it wants a key, the edit answers as Qt's
// own edit does, writable or not.
TEST(MaskEditExShortcutOverride, ClaimsTheKeysQtsEditClaims) {
  QWidget window;
  auto* edit = new TMaskEditEx(&window);
  auto* stock = new QLineEdit(&window);
  for (const bool readOnly : {false, true}) {
    edit->SetReadOnly(readOnly);
    stock->setReadOnly(readOnly);
    for (const char* typed :
         {"5", "Shift+A", "Num+5", "Ctrl+C", "Ctrl+E", "Alt+X", "Backspace", "Left", "Esc"}) {
      const QKeyCombination key = QKeySequence(QString::fromLatin1(typed))[0];
      const auto claims = [&](QWidget* target) {
        QKeyEvent asked(QEvent::ShortcutOverride, key.key(), key.keyboardModifiers());
        asked.ignore();
        QCoreApplication::sendEvent(target, &asked);
        return asked.isAccepted();
      };
      EXPECT_EQ(claims(edit), claims(stock)) << typed << (readOnly ? ", read-only" : "");
    }
  }
}

}  // namespace
}  // namespace ostrak
