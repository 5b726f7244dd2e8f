// The navigation button as a command: groups and Down, mnemonics, the
// drop-down menu and the action link.

#include <gtest/gtest.h>

#include <ostream>

#include "widgets/navigation/Action.h"
#include "widgets/navigation/NavAcceptance.h"

namespace ostrak {
namespace {

using test::nav::LoggingButton;
using test::nav::Rendered;
using test::nav::Window;
using Flag = TButtonStateFlag;

// --- Down and groups ---------------------------------------------------------

class NavButtonGroup : public ::testing::Test {
protected:
  void SetUp() override {
    for (int i = 0; i < 3; ++i) {
      buttons[i] = window.AddButton(20, 20 + 40 * i, 120, 28);
      buttons[i]->SetGroupIndex(1);
    }
  }
  std::string Downs() const {
    std::string text;
    for (auto* button : buttons) text += button->Down() ? 'D' : '-';
    return text;
  }

  Window window;
  LoggingButton* buttons[3] = {};
};

TEST_F(NavButtonGroup, BehavesLikeRadioButtonsWithoutAllowAllUp) {
  window.Click(*buttons[0]);
  EXPECT_EQ(Downs(), "D--");
  window.Click(*buttons[1]);
  EXPECT_EQ(Downs(), "-D-");
  window.Click(*buttons[1]);
  EXPECT_EQ(Downs(), "-D-");
}

TEST_F(NavButtonGroup, WithAllowAllUpTheLastDownButtonRisesAgain) {
  buttons[2]->SetAllowAllUp(true);
  for (auto* button : buttons) EXPECT_TRUE(button->AllowAllUp()) << "shared through the group notice";
  window.Click(*buttons[0]);
  window.Click(*buttons[1]);
  EXPECT_EQ(Downs(), "-D-");
  window.Click(*buttons[1]);
  EXPECT_EQ(Downs(), "---");
}

TEST_F(NavButtonGroup, APeerGoingDownClearsTheOldDownButtonsPressedState) {
  buttons[0]->SetDown(true);
  window.Move(*buttons[0], {10, 10});
  window.Press(*buttons[0], {10, 10}, Qt::RightButton);
  ASSERT_TRUE(buttons[0]->State().Contains(Flag::Pressed));
  buttons[0]->TakeLog();
  buttons[1]->SetDown(true);
  EXPECT_EQ(Downs(), "-D-");
  EXPECT_FALSE(buttons[0]->State().Contains(Flag::Pressed));
  EXPECT_EQ(buttons[0]->TakeLog(), "RP") << "dropped directly, with a refresh and no invalidation";
  window.Release(*buttons[0], {10, 10}, Qt::RightButton);
}

TEST_F(NavButtonGroup, ADownButtonOfARadioGroupCannotBeRaisedDirectly) {
  buttons[0]->SetDown(true);
  buttons[0]->SetDown(false);
  EXPECT_EQ(Downs(), "D--");
  buttons[0]->SetAllowAllUp(true);
  buttons[0]->SetDown(false);
  EXPECT_EQ(Downs(), "---");
}

TEST_F(NavButtonGroup, OtherGroupsAreNotTouched) {
  buttons[2]->SetGroupIndex(2);
  buttons[0]->SetDown(true);
  buttons[2]->SetDown(true);
  EXPECT_EQ(Downs(), "D-D");
  buttons[2]->SetAllowAllUp(true);
  EXPECT_FALSE(buttons[0]->AllowAllUp());
  buttons[0]->SetGroupIndex(0);
  EXPECT_TRUE(buttons[0]->Down()) << "leaving the group does not raise it";
}

TEST_F(NavButtonGroup, ADownButtonShowsTheDownFaceAndTheHotFaceWhenHovered) {
  const TNavPanelColors& c = buttons[0]->Colors();
  buttons[0]->SetDown(true);
  window.MoveAway();
  EXPECT_EQ(Rendered(*buttons[0]).At(119, 0), c.ButtonSelectedColorFrom());
  window.Move(*buttons[0], {5, 5});
  EXPECT_EQ(Rendered(*buttons[0]).At(119, 0), c.ButtonHotColorFrom());
  window.MoveAway();
  EXPECT_EQ(Rendered(*buttons[0]).At(119, 0), c.ButtonSelectedColorFrom());
}

TEST(NavButtonDown, WithoutAGroupDownStaysFalse) {
  LoggingButton button;
  button.SetDown(true);
  EXPECT_FALSE(button.Down());
  EXPECT_EQ(button.TakeLog(), "");
  int clicks = 0;
  button.OnClick = [&](QObject*) { ++clicks; };
  button.Click();
  EXPECT_FALSE(button.Down());
  EXPECT_EQ(clicks, 1);
}

TEST(NavButtonDown, GroupSettersStoreWithoutRepaintingAndDownInvalidates) {
  LoggingButton button;
  button.SetGroupIndex(3);
  button.SetAllowAllUp(true);
  EXPECT_EQ(button.TakeLog(), "");
  button.SetDown(true);
  EXPECT_EQ(button.TakeLog(), "I");
  button.SetDown(true);
  EXPECT_EQ(button.TakeLog(), "");
}

// --- Mnemonics -----------------------------------------------------------------

struct MnemonicCase {
  const char* name;
  const char* caption;
  char16_t typed;
  bool clicks;
};
void PrintTo(const MnemonicCase& c, std::ostream* os) { *os << c.name; }

class NavButtonMnemonic : public ::testing::TestWithParam<MnemonicCase> {};

TEST_P(NavButtonMnemonic, ClicksOnItsMarkedCharacterOnly) {
  const MnemonicCase& c = GetParam();
  for (const bool enabled : {true, false}) {
    Window window;
    window.AddButton(20, 60)->SetCaption(QStringLiteral("&Xyz"));  // searched past, never clicked
    LoggingButton* button = window.AddButton();
    button->SetCaption(QString::fromUtf8(c.caption));
    button->SetEnabled(enabled);
    int clicks = 0;
    button->OnClick = [&](QObject*) { ++clicks; };
    EXPECT_EQ(TGraphicControlEx::DispatchDialogChar(&window.widget, QChar(c.typed)), c.clicks) << enabled;
    EXPECT_EQ(clicks, c.clicks ? 1 : 0) << enabled;
  }
}

INSTANTIATE_TEST_SUITE_P(Captions, NavButtonMnemonic,
                         ::testing::Values(MnemonicCase{"Marked", "&Guardar", u'G', true},
                                           MnemonicCase{"OtherCase", "&Guardar", u'g', true},
                                           MnemonicCase{"UnmarkedLetter", "&Guardar", u'u', false},
                                           MnemonicCase{"MarkedInside", "Sa&lir", u'L', true},
                                           MnemonicCase{"MarkedInsideOtherCase", "Guar&dar", u'd', true},
                                           MnemonicCase{"LastMarkWins", "&Abrir &Luchador", u'l', true},
                                           MnemonicCase{"EarlierMarkLoses", "&Abrir &Luchador", u'a', false},
                                           MnemonicCase{"DoubledIsLiteral", "Save && Load", u'&', false},
                                           MnemonicCase{"DoubledThenMark", "A&&&B", u'b', true},
                                           MnemonicCase{"DoubledHidesNext", "A&&B", u'b', false},
                                           MnemonicCase{"DoubledHidesFirst", "&&Guardar", u'g', false},
                                           MnemonicCase{"TrailingMark", "Save&", u'&', false},
                                           MnemonicCase{"NoMark", "Save", u's', false},
                                           MnemonicCase{"NonAscii", "&Ñu", u'ñ', true}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NavButtonMnemonicGroup, AMnemonicClickTogglesDownLikeAMouseClick) {
  Window window;
  LoggingButton* button = window.AddButton();
  button->SetCaption(QStringLiteral("&Evaluar"));
  button->SetGroupIndex(4);
  button->SetAllowAllUp(true);
  TGraphicControlEx::DispatchDialogChar(&window.widget, QChar(u'e'));
  EXPECT_TRUE(button->Down());
  TGraphicControlEx::DispatchDialogChar(&window.widget, QChar(u'E'));
  EXPECT_FALSE(button->Down());
}

// --- Drop-down menu ------------------------------------------------------------

// Records where and for whom it was shown instead of running a menu loop.
class RecordingMenu : public TPopupMenu {
public:
  using TPopupMenu::TPopupMenu;
  void Popup(int x, int y) override {
    shownAt.push_back(QPoint(x, y));
    component = PopupComponent();
    if (auto* button = qobject_cast<TCustomGraphicButton*>(component)) stateWhenShown = button->State();
  }
  std::vector<QPoint> shownAt;
  QObject* component = nullptr;
  TButtonState stateWhenShown;
};

struct AlignmentCase {
  const char* name;
  TPopupAlignment alignment;
  int dx;
};
void PrintTo(const AlignmentCase& c, std::ostream* os) { *os << c.name; }

class NavButtonDropDown : public ::testing::TestWithParam<AlignmentCase> {};

TEST_P(NavButtonDropDown, ALeftPressShowsTheMenuBelowTheButtonAndNeverClicks) {
  Window window;
  LoggingButton* button = window.AddButton(30, 40, 101, 28);
  RecordingMenu menu;
  menu.SetAlignment(GetParam().alignment);
  button->SetDropDownMenu(&menu);
  int clicks = 0;
  button->OnClick = [&](QObject*) { ++clicks; };
  std::vector<QPoint> ups;
  button->OnMouseUp = [&](QObject*, TMouseButton, TShiftState, int x, int y) { ups.push_back(QPoint(x, y)); };
  window.Move(*button, {10, 10});
  window.Press(*button, {10, 10});
  const QPoint corner = button->mapToGlobal(QPoint(0, 28));
  ASSERT_EQ(menu.shownAt.size(), 1u);
  EXPECT_EQ(menu.shownAt[0], corner + QPoint(GetParam().dx, 0));
  EXPECT_EQ(menu.component, button);
  EXPECT_EQ(menu.stateWhenShown, (TButtonState{Flag::Hovered, Flag::Pressed}));
  ASSERT_FALSE(ups.empty());
  EXPECT_EQ(ups[0], menu.shownAt[0]) << "the release handling sees the screen point";
  EXPECT_FALSE(button->State().Contains(Flag::Pressed)) << "before the button is let go";
  window.Release(*button, {10, 10});
  EXPECT_FALSE(button->State().Contains(Flag::Pressed));
  EXPECT_EQ(clicks, 0);
}

INSTANTIATE_TEST_SUITE_P(Alignments, NavButtonDropDown,
                         ::testing::Values(AlignmentCase{"Left", TPopupAlignment::paLeft, 0},
                                           AlignmentCase{"Right", TPopupAlignment::paRight, 101},
                                           AlignmentCase{"Centre", TPopupAlignment::paCenter, 50}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(NavButtonDropDownMenu, OtherButtonsDoNotOpenItAndADestroyedMenuIsForgotten) {
  Window window;
  LoggingButton* button = window.AddButton();
  int clicks = 0;
  button->OnClick = [&](QObject*) { ++clicks; };
  auto menu = std::make_unique<RecordingMenu>();
  button->SetDropDownMenu(menu.get());
  window.Click(*button, {10, 10}, Qt::RightButton);
  EXPECT_TRUE(menu->shownAt.empty());
  menu.reset();
  EXPECT_EQ(button->DropDownMenu(), nullptr);
  window.Click(*button);
  EXPECT_EQ(clicks, 1);
}

// --- Action link ---------------------------------------------------------------

TEST(NavButtonAction, LinkingFillsOnlyWhatIsStillUnset) {
  TAction action;
  action.SetCaption(QStringLiteral("Guardar"));
  action.SetHint(QStringLiteral("Guardar el luchador"));
  action.SetImageIndex(2);
  int executed = 0;
  QObject* executedBy = nullptr;
  action.OnExecute = [&](QObject* sender) {
    ++executed;
    executedBy = sender;
  };

  LoggingButton fresh;
  fresh.SetAction(&action);
  EXPECT_EQ(fresh.Caption(), QStringLiteral("Guardar"));
  EXPECT_EQ(fresh.Hint(), QStringLiteral("Guardar el luchador"));
  EXPECT_EQ(fresh.ImageIndex(), 0) << "0 is not the unset image index";
  ASSERT_TRUE(fresh.OnClick);
  fresh.Click();
  EXPECT_EQ(executed, 1);
  EXPECT_EQ(executedBy, &action);

  LoggingButton named;
  named.setObjectName(QStringLiteral("NavPanelButton1"));
  named.SetCaption(QStringLiteral("NavPanelButton1"));
  named.SetImageIndex(-1);
  named.SetHint(QStringLiteral("mine"));
  int own = 0;
  named.OnClick = [&](QObject*) { ++own; };
  named.SetAction(&action);
  EXPECT_EQ(named.Caption(), QStringLiteral("Guardar")) << "a caption equal to the name counts as unset";
  EXPECT_EQ(named.ImageIndex(), 2);
  EXPECT_EQ(named.Hint(), QStringLiteral("mine"));
  named.Click();
  EXPECT_EQ(own, 1);
  EXPECT_EQ(executed, 1) << "a hand-set OnClick runs instead of the action";
}

TEST(NavButtonAction, LaterChangesOfTheActionAreCopiedInFull) {
  TAction action;
  LoggingButton button;
  button.SetCaption(QStringLiteral("Mine"));
  button.SetAction(&action);
  EXPECT_EQ(button.Caption(), QStringLiteral("Mine"));
  action.SetCaption(QStringLiteral("Theirs"));
  EXPECT_EQ(button.Caption(), QStringLiteral("Theirs"));
  EXPECT_EQ(button.ImageIndex(), -1);
  action.SetEnabled(false);
  EXPECT_FALSE(button.Enabled());
  action.SetVisible(false);
  EXPECT_FALSE(button.Visible());
}

TEST(NavButtonAction, AChangeOfTheActionCopiesItsHandlerOverTheButtonsOwn) {
  TAction action;
  QObject* executedBy = nullptr;
  action.OnExecute = [&](QObject* sender) { executedBy = sender; };
  LoggingButton button;
  button.SetCaption(QStringLiteral("Mine"));
  int own = 0;
  button.OnClick = [&](QObject*) { ++own; };
  button.SetAction(&action);
  button.Click();
  EXPECT_EQ(own, 1);
  EXPECT_EQ(executedBy, nullptr);
  action.SetCaption(QStringLiteral("Theirs"));
  button.Click();
  EXPECT_EQ(own, 1);
  EXPECT_EQ(executedBy, &action) << "a change copies the action's handler too";
}

TEST(NavButtonAction, ADestroyedActionIsForgottenAndItsHandlerDoesNothing) {
  int executed = 0;
  LoggingButton button;
  {
    TAction action;
    action.OnExecute = [&](QObject*) { ++executed; };
    button.SetAction(&action);
  }
  EXPECT_EQ(button.Action(), nullptr);
  button.Click();
  EXPECT_EQ(executed, 0);
}

}  // namespace
}  // namespace ostrak
