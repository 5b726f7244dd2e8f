#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QMouseEvent>
#include <array>

#include "ButtonHost.h"
#include "widgets/NavigationPane.h"

namespace ostrak {
namespace {

using test::ButtonHost;
using test::CountingButton;
using enum TButtonStateFlag;
using enum TTrackFontOption;

const QPoint kInside(30, 14);

struct GroupTest : ::testing::Test {
  GroupTest() {
    for (int i = 0; i < 3; ++i) {
      buttons[i] = new CountingButton(&host.window);
      buttons[i]->SetBounds(10, 10 + 30 * i, 100, 28);
      buttons[i]->SetGroupIndex(1);
      buttons[i]->show();
    }
  }
  std::string Downs() const {
    std::string downs;
    for (const TNavPanelButton* b : buttons) downs += b->Down() ? 'D' : '.';
    return downs;
  }
  void Click(int i) { host.Click(*buttons[i], kInside); }

  ButtonHost host;
  std::array<CountingButton*, 3> buttons{};
};

TEST_F(GroupTest, ClicksMoveTheDownButtonAndTheLastOneStaysDown) {
  Click(0);
  EXPECT_EQ(Downs(), "D..");
  Click(1);
  EXPECT_EQ(Downs(), ".D.");
  Click(1);
  EXPECT_EQ(Downs(), ".D.");
  buttons[1]->SetDown(false);
  EXPECT_EQ(Downs(), ".D.");
}

TEST_F(GroupTest, AllowAllUpIsSharedAndLetsTheLastButtonRise) {
  buttons[2]->SetAllowAllUp(true);
  EXPECT_TRUE(buttons[0]->AllowAllUp());
  EXPECT_TRUE(buttons[1]->AllowAllUp());
  Click(0);
  Click(1);
  EXPECT_EQ(Downs(), ".D.");
  Click(1);
  EXPECT_EQ(Downs(), "...");
}

TEST_F(GroupTest, APeerGoingDownRaisesTheOtherAndClearsItsPressedState) {
  buttons[0]->SetDown(true);
  host.MoveTo(*buttons[0], kInside);
  host.Press(*buttons[0], kInside, Qt::RightButton);
  ASSERT_TRUE(buttons[0]->State().Contains(Pressed));
  const int refreshed = buttons[0]->refreshed;
  const int invalidated = buttons[0]->invalidated;
  buttons[2]->SetDown(true);
  EXPECT_EQ(Downs(), "..D");
  EXPECT_FALSE(buttons[0]->State().Contains(Pressed));
  EXPECT_EQ(buttons[0]->refreshed, refreshed + 1);
  EXPECT_EQ(buttons[0]->invalidated, invalidated);
  host.Release(*buttons[0], kInside, Qt::RightButton);
}

TEST_F(GroupTest, OtherGroupsAndUngroupedButtonsAreLeftAlone) {
  TNavPanelButton other(&host.window);
  other.SetGroupIndex(2);
  other.SetDown(true);
  TNavPanelButton loose(&host.window);
  loose.SetDown(true);
  EXPECT_FALSE(loose.Down());
  buttons[0]->SetDown(true);
  EXPECT_TRUE(other.Down());
  buttons[0]->SetGroupIndex(0);
  EXPECT_TRUE(buttons[0]->Down()) << "leaving the group does not raise it";
}

TEST(HotTrackFont, FollowsNameHeightCharsetAndPitchByDefault) {
  TNavPanelButton button;
  ASSERT_EQ(button.HotTrackFontOptions(), kDefaultTrackFontOptions);
  const TFont before = button.HotTrackFont();
  button.Font().SetName(QStringLiteral("Arial"));
  button.Font().SetHeight(-15);
  button.Font().SetColor(clRed);
  button.Font().SetStyle(TFontStyle::fsItalic);
  button.Font().SetCharset(ANSI_CHARSET);
  EXPECT_EQ(button.HotTrackFont().Name(), QStringLiteral("Arial"));
  EXPECT_EQ(button.HotTrackFont().Height(), -15);
  EXPECT_EQ(button.HotTrackFont().Charset(), ANSI_CHARSET);
  EXPECT_EQ(button.HotTrackFont().Color(), before.Color());
  EXPECT_EQ(button.HotTrackFont().Style(), before.Style());

  button.SetHotTrackFontOptions({hoFollowFont, hoPreserveName});
  EXPECT_EQ(button.HotTrackFont().Color(), TColor(clRed));
  EXPECT_EQ(button.HotTrackFont().Style(), TFontStyles(TFontStyle::fsItalic));

  button.SetHotTrackFontOptions({});
  button.Font().SetName(QStringLiteral("Courier"));
  EXPECT_EQ(button.HotTrackFont().Name(), QStringLiteral("Arial"));
}

// A menu that records where it was shown, and queues a release for the
// button as the platform would while the menu was open.
class ScriptedMenu : public TPopupMenu {
public:
  QPoint shownAt;
  QObject* component = nullptr;
  QWidget* target = nullptr;
  void Popup(int x, int y) override {
    shownAt = QPoint(x, y);
    component = PopupComponent();
    const QPointF inside(5, 5);
    QCoreApplication::postEvent(
        target, new QMouseEvent(QEvent::MouseButtonRelease, inside, target->mapToGlobal(inside),
                                Qt::LeftButton, Qt::NoButton, Qt::NoModifier));
  }
};

TEST(DropDownMenu, ALeftPressShowsTheMenuAtTheAlignedCornerAndNeverClicks) {
  struct Case {
    TPopupAlignment alignment;
    int dx;
  };
  for (const Case& c : {Case{TPopupAlignment::paLeft, 0}, Case{TPopupAlignment::paRight, 100},
                        Case{TPopupAlignment::paCenter, 50}}) {
    ButtonHost host;
    TNavPanelButton button(&host.window);
    button.SetBounds(10, 10, 100, 28);
    button.show();
    ScriptedMenu menu;
    menu.target = &button;
    menu.SetAlignment(c.alignment);
    button.SetDropDownMenu(&menu);
    int clicks = 0;
    QPoint upAt;
    button.OnClick = [&](QObject*) { ++clicks; };
    button.OnMouseUp = [&](QObject*, TMouseButton, TShiftState, int x, int y) { upAt = QPoint(x, y); };
    host.MoveTo(button, kInside);
    host.Press(button, kInside);
    const QPoint corner = button.mapToGlobal(QPoint(c.dx, 28));
    EXPECT_EQ(menu.shownAt, corner);
    EXPECT_EQ(menu.component, &button);
    EXPECT_EQ(upAt, corner) << "the release handling sees the menu's screen point";
    EXPECT_FALSE(button.State().Contains(Pressed));
    QCoreApplication::processEvents();
    host.Release(button, kInside);
    EXPECT_EQ(clicks, 0);
  }
}

TEST(DropDownMenu, OtherButtonsDoNotOpenItAndADestroyedMenuIsForgotten) {
  ButtonHost host;
  TNavPanelButton button(&host.window);
  button.SetBounds(10, 10, 100, 28);
  button.show();
  auto menu = std::make_unique<ScriptedMenu>();
  menu->target = &button;
  button.SetDropDownMenu(menu.get());
  host.MoveTo(button, kInside);
  host.Press(button, kInside, Qt::RightButton);
  EXPECT_EQ(menu->component, nullptr);
  host.Release(button, kInside, Qt::RightButton);
  menu.reset();
  EXPECT_EQ(button.DropDownMenu(), nullptr);
  int clicks = 0;
  button.OnClick = [&](QObject*) { ++clicks; };
  host.Click(button, kInside);
  EXPECT_EQ(clicks, 1);
}

TEST(ActionLink, LinkingFillsOnlyUnsetPropertiesAndLaterChangesCopyAll) {
  QWidget parent;
  TAction action;
  action.SetCaption(QStringLiteral("Guardar"));
  action.SetHint(QStringLiteral("Guarda el luchador"));
  action.SetImageIndex(3);
  QObject* executedBy = nullptr;
  action.OnExecute = [&](QObject* sender) { executedBy = sender; };

  TNavPanelButton fresh(&parent);
  fresh.setObjectName(QStringLiteral("NavPanelButton1"));
  fresh.SetCaption(QStringLiteral("NavPanelButton1"));
  fresh.SetAction(&action);
  EXPECT_EQ(fresh.Caption(), QStringLiteral("Guardar"));
  EXPECT_EQ(fresh.Hint(), QStringLiteral("Guarda el luchador"));
  EXPECT_EQ(fresh.ImageIndex(), 0) << "0 is not the unset image index";
  fresh.Click();
  EXPECT_EQ(executedBy, &action);

  TNavPanelButton custom(&parent);
  custom.SetCaption(QStringLiteral("Mío"));
  custom.SetImageIndex(-1);
  int ownClicks = 0;
  custom.OnClick = [&](QObject*) { ++ownClicks; };
  custom.SetAction(&action);
  EXPECT_EQ(custom.Caption(), QStringLiteral("Mío"));
  EXPECT_EQ(custom.ImageIndex(), 3);
  executedBy = nullptr;
  custom.Click();
  EXPECT_EQ(ownClicks, 1);
  EXPECT_EQ(executedBy, nullptr);

  action.SetCaption(QStringLiteral("Salvar"));
  action.SetEnabled(false);
  EXPECT_EQ(custom.Caption(), QStringLiteral("Salvar"));
  EXPECT_FALSE(custom.Enabled());
  custom.Click();
  EXPECT_EQ(executedBy, &action) << "a change copies the action's handler too";
  EXPECT_EQ(fresh.ImageIndex(), 3);
}

TEST(ActionLink, ADestroyedActionIsForgottenAndItsHandlerDoesNothing) {
  auto action = std::make_unique<TAction>();
  int executed = 0;
  action->OnExecute = [&](QObject*) { ++executed; };
  TNavPanelButton button;
  button.SetAction(action.get());
  action.reset();
  EXPECT_EQ(button.Action(), nullptr);
  button.Click();
  EXPECT_EQ(executed, 0);
}

}  // namespace
}  // namespace ostrak
