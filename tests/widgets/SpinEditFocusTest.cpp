// The spin box's clipboard gate, focus rules and failing handlers.

#include <gtest/gtest.h>

#include <ostream>

#include <QAction>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>

#include "core/Errors.h"
#include "platform/ErrorGuard.h"
#include "platform/LocaleSeparators.h"
#include "widgets/SpinTestSupport.h"

namespace ostrak {
namespace {

using test::ActiveWindow;
using test::MakeEditorBox;
using test::RecordChanges;
using test::Reported;
using test::ValuesOf;

class BoxWithNeighbour : public ::testing::Test {
protected:
  BoxWithNeighbour() : separators_(u'.', u',') {
    box = MakeEditorBox(&active.window);
    neighbour = new QLineEdit(&active.window);
    neighbour->setGeometry(8, 40, 100, 21);
    neighbour->show();
    RecordChanges(*box, changes);
    box->setFocus();
  }

  QAction* MenuEntry(QMenu& menu, const QString& caption) {
    for (QAction* action : menu.actions()) {
      if (action->text() == caption) return action;
    }
    ADD_FAILURE() << "no menu entry " << caption.toStdString();
    return nullptr;
  }

  ScopedLocaleSeparators separators_;
  ActiveWindow active;
  TSpinEdit* box = nullptr;
  QLineEdit* neighbour = nullptr;
  std::vector<Reported> changes;
};

struct ShortcutCase {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  friend void PrintTo(const ShortcutCase& row, std::ostream* out) { *out << row.name; }
};

class EditorShortcuts : public BoxWithNeighbour, public ::testing::WithParamInterface<ShortcutCase> {};

TEST_P(EditorShortcuts, CutPasteAndClearDoNothing) {
  box->SetValue(12);
  changes.clear();
  QApplication::clipboard()->setText(QStringLiteral("7"));
  box->SelectAll();
  QTest::keyClick(box, GetParam().key, GetParam().modifiers);
  EXPECT_EQ(box->Text(), "12");
  EXPECT_EQ(QApplication::clipboard()->text(), "7");
  EXPECT_TRUE(changes.empty());
}

INSTANTIATE_TEST_SUITE_P(Refused, EditorShortcuts,
                         ::testing::Values(ShortcutCase{"CtrlX", Qt::Key_X, Qt::ControlModifier},
                                           ShortcutCase{"ShiftDelete", Qt::Key_Delete, Qt::ShiftModifier},
                                           ShortcutCase{"CtrlV", Qt::Key_V, Qt::ControlModifier},
                                           ShortcutCase{"ShiftInsert", Qt::Key_Insert, Qt::ShiftModifier}),
                         [](const ::testing::TestParamInfo<ShortcutCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(BoxWithNeighbour, CopyAndUndoWorkByShortcut) {
  box->SetValue(12);
  QApplication::clipboard()->clear();
  box->SelectAll();
  QTest::keyClick(box, Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "12");
  QApplication::clipboard()->clear();
  QTest::keyClick(box, Qt::Key_Insert, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "12");

  changes.clear();
  box->SelectAll();
  test::Type(box, "5");
  QTest::keyClick(box, Qt::Key_Z, Qt::ControlModifier);
  EXPECT_EQ(box->Text(), "12");
  EXPECT_EQ(ValuesOf(changes), (std::vector<long double>{5, 12}));
}

TEST_F(BoxWithNeighbour, ContextMenuObeysCopyAndUndoOnly) {
  box->SetValue(12);
  QApplication::clipboard()->setText(QStringLiteral("7"));
  box->SelectAll();
  std::unique_ptr<QMenu> menu = box->CreateContextMenu();
  for (const char* refused : {"Cu&t", "&Paste", "&Delete"}) {
    QAction* entry = MenuEntry(*menu, QString::fromLatin1(refused));
    ASSERT_NE(entry, nullptr);
    EXPECT_TRUE(entry->isEnabled()) << refused;  // offered, and silently refused
    entry->trigger();
    EXPECT_EQ(box->Text(), "12") << refused;
    EXPECT_EQ(QApplication::clipboard()->text(), "7") << refused;
  }
  MenuEntry(*menu, QStringLiteral("&Copy"))->trigger();
  EXPECT_EQ(QApplication::clipboard()->text(), "12");

  box->SelectAll();
  test::Type(box, "5");
  menu = box->CreateContextMenu();
  MenuEntry(*menu, QStringLiteral("&Undo"))->trigger();
  EXPECT_EQ(box->Text(), "12");
}

TEST_F(BoxWithNeighbour, AllowedPasteIsNormalisedLikeTyping) {
  box->SetClipboardCommands(kAllClipboardCommands);
  QApplication::clipboard()->setText(QStringLiteral("35"));
  box->SelectAll();
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box->Text(), "20");
  box->SetEditorEnabled(false);
  box->SelectAll();
  QApplication::clipboard()->setText(QStringLiteral("4"));
  QTest::keyClick(box, Qt::Key_V, Qt::ControlModifier);
  EXPECT_EQ(box->Text(), "20");
  EXPECT_EQ(ValuesOf(changes), (std::vector<long double>{20}));
}

TEST_F(BoxWithNeighbour, FocusEnterSelectsTheWholeText) {
  box->SetValue(12);
  neighbour->setFocus();
  box->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(box->FocusedFlag());
  EXPECT_EQ(box->SelLength(), 2);
  neighbour->setFocus();
  EXPECT_FALSE(box->FocusedFlag());
  box->SetAutoSelect(false);
  box->SetSelStart(1);
  box->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(box->SelLength(), 0);
}

TEST_F(BoxWithNeighbour, ExitWithoutCroppingReportsTheRangeErrorAndKeepsTheFocus) {
  box->SetCheckOptions(TCheckOptions{TCheckOption::coCheckOnExit});
  int exits = 0;
  box->OnExit = [&](QObject*) { ++exits; };
  box->SelectAll();
  test::Type(box, "25");
  ASSERT_EQ(box->Text(), "25");
  ScopedErrorCapture errors;
  neighbour->setFocus(Qt::TabFocusReason);
  EXPECT_EQ(errors.messages(), std::vector<std::string>{"Value must be between 1 and 20"});
  EXPECT_TRUE(box->hasFocus());
  EXPECT_TRUE(box->FocusedFlag());
  EXPECT_EQ(box->SelLength(), 2);
  EXPECT_EQ(box->Text(), "25");
  EXPECT_EQ(exits, 0);
}

TEST_F(BoxWithNeighbour, ExitWithCroppingCropsSilently) {
  box->SetCheckOptions(TCheckOptions{TCheckOption::coCheckOnExit, TCheckOption::coCropBeyondLimit});
  int exits = 0;
  box->OnExit = [&](QObject*) { ++exits; };
  box->SelectAll();
  test::Type(box, "25");
  ASSERT_EQ(box->Text(), "25");
  ScopedErrorCapture errors;
  neighbour->setFocus(Qt::TabFocusReason);
  EXPECT_TRUE(errors.messages().empty());
  EXPECT_EQ(box->Text(), "20");
  EXPECT_EQ(exits, 1);
  EXPECT_TRUE(neighbour->hasFocus());
}

TEST_F(BoxWithNeighbour, AnotherWindowTakingTheFocusCropsButIsNoExit) {
  box->SetCheckOptions(TCheckOptions{TCheckOption::coCheckOnExit, TCheckOption::coCropBeyondLimit});
  int exits = 0;
  box->OnExit = [&](QObject*) { ++exits; };
  box->SelectAll();
  test::Type(box, "25");
  QWidget other;
  other.show();
  QApplication::setActiveWindow(&other);
  EXPECT_EQ(box->Text(), "20");
  EXPECT_EQ(exits, 0);
  EXPECT_TRUE(box->FocusedFlag());
}

TEST_F(BoxWithNeighbour, AFailingHandlerReachesTheCallerOfSetValue) {
  box->OnChange = [](QObject*) { throw RangeError("handler failed"); };
  try {
    box->SetValue(9);
    FAIL() << "no failure reached the caller";
  } catch (const RangeError& failure) {
    EXPECT_STREQ(failure.what(), "handler failed");
  }
  EXPECT_EQ(box->Text(), "9");
  EXPECT_FALSE(box->InChange());
}

TEST_F(BoxWithNeighbour, AFailingHandlerWhileTypingReachesTheErrorDisplayAndTheBoxGoesOn) {
  bool fail = true;
  box->OnChange = [&](QObject*) {
    if (fail) throw ConversionError("typed failure");
    changes.push_back(Reported{box->Text(), box->Value()});
  };
  ScopedErrorCapture errors;
  box->SelectAll();
  test::Type(box, "4");
  EXPECT_EQ(errors.messages(), std::vector<std::string>{"typed failure"});
  EXPECT_FALSE(box->InChange());
  fail = false;
  test::Type(box, "2");
  EXPECT_EQ(box->Text(), "20");
  EXPECT_EQ(ValuesOf(changes), (std::vector<long double>{20}));
}

TEST_F(BoxWithNeighbour, AFailingHandlerOnAStepperClickLeavesTheStepperWorking) {
  box->SetValue(5);
  changes.clear();
  bool fail = true;
  box->OnChange = [&](QObject*) {
    if (fail) throw ConversionError("click failure");
    changes.push_back(Reported{box->Text(), box->Value()});
  };
  ScopedErrorCapture errors;
  TSpinUpDown* stepper = box->UpDownStepper();
  QTest::mouseClick(stepper, Qt::LeftButton, {}, QPoint(7, 2));
  EXPECT_EQ(errors.messages(), std::vector<std::string>{"click failure"});
  EXPECT_EQ(box->Text(), "6");
  EXPECT_FALSE(stepper->Busy());
  EXPECT_EQ(stepper->Position(), 0);
  fail = false;
  QTest::mouseClick(stepper, Qt::LeftButton, {}, QPoint(7, 2));
  EXPECT_EQ(box->Text(), "7");
  EXPECT_EQ(ValuesOf(changes), (std::vector<long double>{7}));
}

TEST(SpinEditLifetime, NoChangeIsReportedWhileBuildingLoadingOrTearingDown) {
  ScopedLocaleSeparators separators(u'.', u',');
  int reported = 0;
  {
    ActiveWindow active;
    auto* box = new TSpinEdit(&active.window);
    EXPECT_EQ(box->Text(), "0");
    box->OnChange = [&](QObject*) { ++reported; };
    box->BeginLoading();
    box->EndLoading();
    box->SetCheckOptions(TCheckOptions{TCheckOption::coCheckOnExit, TCheckOption::coCropBeyondLimit});
    box->SetMaxValue(20);
    EXPECT_EQ(reported, 0);
    box->setFocus();
    box->SelectAll();
    test::Type(box, "35");
    ASSERT_EQ(box->Text(), "35");
    reported = 0;
    // The window goes with the out-of-range box still focused.
  }
  EXPECT_EQ(reported, 0);
}

}  // namespace
}  // namespace ostrak
