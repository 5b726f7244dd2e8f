// The style manager: notifications, assignment, linking buttons directly and
// through their parent, and teardown from either side.

#include <gtest/gtest.h>

#include <memory>
#include <stdexcept>

#include "core/Errors.h"
#include "widgets/navigation/NavAcceptance.h"

namespace ostrak {
namespace {

using test::nav::LoggingButton;
using Theme = TNavPanelTheme;
using Opt = TTrackFontOption;

const TNavPanelColors::Values& ThemeColors(Theme theme) { return BuiltInTheme(theme)->colors; }

// A manager with three buttons linked in order; every ApplyStyle and every
// OnThemeChange is logged ("0", "1", "2", "T").
class NavManagerClients : public ::testing::Test {
protected:
  void SetUp() override {
    for (int i = 0; i < 3; ++i) {
      buttons[i] = std::make_unique<LoggingButton>();
      buttons[i]->SetStyleManager(&manager);
      auto apply = buttons[i]->StyleLink().OnChange;
      buttons[i]->StyleLink().OnChange = [this, i, apply](QObject* sender) {
        log += static_cast<char>('0' + i);
        apply(sender);
      };
    }
    manager.OnThemeChange = [this](QObject* sender) {
      EXPECT_EQ(sender, &manager);
      log += 'T';
    };
  }

  TNavPaneStyleManager manager;
  std::unique_ptr<LoggingButton> buttons[3];
  std::string log;
};

TEST_F(NavManagerClients, ATheme) {
  manager.Fonts().NavPanelFont().SetName(QStringLiteral("Verdana"));
  log.clear();
  manager.SetTheme(Theme::nptXPSilver);
  EXPECT_EQ(log, "012T");
  for (auto& button : buttons) {
    EXPECT_EQ(button->Colors().ButtonColorFrom(), 0x00F4E2E1u);
    EXPECT_EQ(button->Colors().ButtonSeparatorColor(), 0x00947C7Cu);
    EXPECT_EQ(button->Colors().All(), ThemeColors(Theme::nptXPSilver));
    EXPECT_EQ(button->Font().Name(), QStringLiteral("Verdana"));
    EXPECT_EQ(button->Font().Color(), clWindowText);
    EXPECT_TRUE(SameAttributes(button->Font(), manager.Fonts().NavPanelFont()));
    EXPECT_TRUE(SameAttributes(button->HotTrackFont(), manager.Fonts().NavPanelHotTrackFont()));
    EXPECT_EQ(button->HotTrackFontOptions(), manager.Fonts().NavPanelHotTrackFontOptions());
  }
  manager.SetTheme(Theme::nptXPSilver);
  EXPECT_EQ(log, "012T") << "the same theme again notifies nobody";
}

TEST_F(NavManagerClients, AnEditOfABuiltInThemeNotifiesTwiceAndOfACustomOneOnce) {
  manager.SetTheme(Theme::nptXPBlue);
  log.clear();
  manager.Colors().SetButtonColorFrom(clLime);
  EXPECT_EQ(manager.Theme(), Theme::nptCustom);
  EXPECT_EQ(log, "012T012T");
  EXPECT_EQ(buttons[2]->Colors().ButtonColorFrom(), clLime);
  log.clear();
  manager.Colors().SetButtonColorTo(clLime);
  EXPECT_EQ(log, "012T");
  log.clear();
  manager.Fonts().HeaderFont().SetSize(20);
  EXPECT_EQ(log, "012T");
  log.clear();
  manager.Colors().SetButtonColorTo(clLime);
  EXPECT_EQ(log, "");
}

TEST_F(NavManagerClients, ChoosingCustomKeepsTheColoursAndNotifiesOnce) {
  manager.SetTheme(Theme::nptXPOlive);
  log.clear();
  manager.SetTheme(Theme::nptCustom);
  EXPECT_EQ(log, "012T");
  EXPECT_EQ(manager.Colors().ButtonColorFrom(), 0x00D6F3E3u);
  EXPECT_EQ(manager.Colors().All(), ThemeColors(Theme::nptXPOlive));
}

TEST_F(NavManagerClients, ApplyStyleTakesColoursThenFontThenHotTrackFontThenOptions) {
  manager.Fonts().NavPanelFont().SetColor(clBlue);
  manager.Fonts().NavPanelHotTrackFont().SetColor(clRed);
  manager.Fonts().SetNavPanelHotTrackFontOptions(TTrackFontOptions{Opt::hoFollowFont});
  // The options come last, so the hot-track font then follows the font in full.
  EXPECT_EQ(buttons[0]->Font().Color(), clBlue);
  EXPECT_EQ(buttons[0]->HotTrackFont().Color(), clBlue);
  EXPECT_EQ(buttons[0]->HotTrackFontOptions(), TTrackFontOptions{Opt::hoFollowFont});
}

TEST_F(NavManagerClients, ADestroyedManagerLeavesItsButtonsWithTheirLastColours) {
  manager.SetTheme(Theme::nptXPOlive);
  auto doomed = std::make_unique<TNavPaneStyleManager>();
  buttons[1]->SetStyleManager(doomed.get());
  doomed->SetTheme(Theme::nptXPSilver);
  std::vector<TNavStyleLink*> links = doomed->Clients();
  ASSERT_EQ(links.size(), 1u);
  doomed.reset();
  EXPECT_EQ(buttons[1]->StyleManager(), nullptr);
  EXPECT_FALSE(buttons[1]->ParentStyleManager());
  EXPECT_EQ(buttons[1]->StyleLink().Sender(), nullptr);
  EXPECT_EQ(buttons[1]->Colors().ButtonColorFrom(), 0x00F4E2E1u);
  EXPECT_EQ(buttons[1]->Colors().All(), ThemeColors(Theme::nptXPSilver));
  EXPECT_EQ(buttons[0]->Colors().All(), ThemeColors(Theme::nptXPOlive));
  EXPECT_EQ(manager.Clients().size(), 2u) << "moving to the other manager unlinked it here";
}

TEST_F(NavManagerClients, DestroyedButtonsUnlinkThemselves) {
  buttons[1].reset();
  ASSERT_EQ(manager.Clients().size(), 2u);
  EXPECT_EQ(manager.Clients()[0], &buttons[0]->StyleLink());
  EXPECT_EQ(manager.Clients()[1], &buttons[2]->StyleLink());
  log.clear();
  manager.NotifyClients();
  EXPECT_EQ(log, "02T");
}

TEST_F(NavManagerClients, AFailingClientStillLeavesEditsWatched) {
  buttons[1]->StyleLink().OnChange = [](QObject*) { throw Error("client failed"); };
  EXPECT_THROW(manager.SetTheme(Theme::nptXPBlue), Error);
  EXPECT_EQ(manager.Theme(), Theme::nptXPBlue);
  buttons[1]->StyleLink().OnChange = nullptr;
  manager.Colors().SetFrameColor(clRed);
  EXPECT_EQ(manager.Theme(), Theme::nptCustom) << "the edit events were attached again";
}

TEST_F(NavManagerClients, AFailingThemeHandlerStillLeavesEditsWatched) {
  manager.OnThemeChange = [](QObject*) { throw std::runtime_error("theme"); };
  EXPECT_THROW(manager.SetTheme(Theme::nptXPBlue), std::runtime_error);
  EXPECT_EQ(manager.Theme(), Theme::nptXPBlue);
  manager.OnThemeChange = nullptr;
  manager.Colors().SetFrameColor(clRed);
  EXPECT_EQ(manager.Theme(), Theme::nptCustom);
}

TEST(NavManager, StartsWithTheStandardTheme) {
  TNavPaneStyleManager manager;
  EXPECT_EQ(manager.Theme(), Theme::nptStandard);
  EXPECT_EQ(manager.Colors().ButtonColorFrom(), clWhite);
  EXPECT_EQ(manager.Colors().ButtonHotColorTo(), 0x00C68284u);
  EXPECT_EQ(manager.Fonts().HeaderFont().Name(), QStringLiteral("Arial"));
  EXPECT_EQ(manager.Fonts().HeaderFont().Size(), 12);
  EXPECT_EQ(manager.Fonts().HeaderFont().Style(), TFontStyles(TFontStyle::fsBold));
  EXPECT_EQ(manager.Fonts().HeaderFont().Color(), clWindow);
  EXPECT_EQ(manager.Fonts().NavPanelHotTrackFont().Color(), clWindow);
  EXPECT_EQ(manager.Fonts().NavPanelFont().Color(), clWindowText);
  EXPECT_EQ(manager.Colors().All(), ThemeColors(Theme::nptStandard));
  EXPECT_TRUE(manager.Clients().empty());
}

TEST(NavManager, LinkingCopiesColoursOnlyAndEndsTheParentRelation) {
  TNavPaneStyleManager manager;
  manager.Fonts().NavPanelFont().SetName(QStringLiteral("Verdana"));
  LoggingButton button;
  const TFont before = button.Font();
  button.SetStyleManager(&manager);
  EXPECT_EQ(button.StyleManager(), &manager);
  EXPECT_FALSE(button.ParentStyleManager());
  EXPECT_EQ(button.StyleLink().Sender(), &manager);
  EXPECT_EQ(button.Colors().ButtonColorFrom(), clWhite);
  EXPECT_EQ(button.Colors().All(), manager.Colors().All());
  EXPECT_TRUE(SameAttributes(button.Font(), before));
  manager.NotifyClients();
  EXPECT_EQ(button.Font().Name(), QStringLiteral("Verdana"));
  button.SetStyleManager(nullptr);
  EXPECT_TRUE(manager.Clients().empty());
  EXPECT_EQ(button.StyleLink().Sender(), nullptr);
}

TEST(NavManager, ApplyStyleWithoutAManagerIsAnInvalidTypeCast) {
  LoggingButton button;
  QObject notAManager;
  button.StyleLink().SetSender(&notAManager);
  try {
    button.StyleLink().Change();
    FAIL() << "no failure";
  } catch (const InvalidCastError& error) {
    EXPECT_STREQ(error.what(), "Invalid class typecast");
  }
  EXPECT_THROW(button.ApplyStyle(nullptr), InvalidCastError);
  button.StyleLink().SetSender(nullptr);
}

TEST(NavManager, AssignmentBetweenManagers) {
  TNavPaneStyleManager source;
  source.SetTheme(Theme::nptXPOlive);
  TNavPaneStyleManager target;
  target.Assign(source);
  EXPECT_EQ(target.Theme(), Theme::nptXPOlive);
  EXPECT_EQ(target.Colors().ButtonColorFrom(), 0x00D6F3E3u);
  EXPECT_EQ(target.Colors().All(), source.Colors().All());

  source.Colors().SetButtonColorFrom(clLime);
  source.Fonts().NavPanelFont().SetName(QStringLiteral("Verdana"));
  ASSERT_EQ(source.Theme(), Theme::nptCustom);
  TNavStyleLink watcher;
  std::vector<std::string> seen;
  watcher.OnChange = [&](QObject*) {
    seen.push_back((target.Colors().ButtonColorFrom() == clLime ? "colours+" : "colours-") +
                   std::string(target.Fonts().NavPanelFont().Name() == "Verdana" ? "fonts+" : "fonts-"));
  };
  target.AddClient(watcher);
  target.Assign(source);
  EXPECT_EQ(target.Theme(), Theme::nptCustom);
  EXPECT_EQ(seen, (std::vector<std::string>{"colours-fonts-", "colours+fonts-", "colours+fonts+"}));
  target.RemoveClient(watcher);
}

TEST(NavManager, AssignmentWithButtons) {
  TNavPaneStyleManager manager;
  manager.SetTheme(Theme::nptXPSilver);
  manager.Fonts().NavPanelFont().SetName(QStringLiteral("Verdana"));
  LoggingButton button;
  button.Assign(manager);
  EXPECT_EQ(button.Colors().ButtonColorFrom(), 0x00F4E2E1u);
  EXPECT_EQ(button.Colors().All(), manager.Colors().All());
  EXPECT_NE(button.Font().Name(), QStringLiteral("Verdana"));
  EXPECT_EQ(button.StyleManager(), nullptr);

  manager.SetTheme(Theme::nptXPBlue);
  LoggingButton custom;
  custom.Colors().SetButtonColorFrom(clRed);
  manager.Assign(custom);
  EXPECT_EQ(manager.Theme(), Theme::nptCustom);
  EXPECT_EQ(manager.Colors().ButtonColorFrom(), clRed);
}

TEST(NavManager, RemovingALinkThatIsNotThereIsIgnored) {
  TNavPaneStyleManager manager;
  TNavStyleLink stranger;
  manager.RemoveClient(stranger);
  EXPECT_TRUE(manager.Clients().empty());
}

TEST(NavManager, TeardownUnlinksEveryClient) {
  auto manager = std::make_unique<TNavPaneStyleManager>();
  TNavStyleLink a, b;
  manager->AddClient(a);
  manager->AddClient(b);
  manager.reset();
  EXPECT_EQ(a.Sender(), nullptr);
  EXPECT_EQ(b.Sender(), nullptr);
}

// --- Through the parent container ----------------------------------------------

class StyledPanel : public QWidget, public TNavStyleParent {
protected:
  QWidget& StyleContainer() override { return *this; }
};

TEST(NavManagerParent, TheContainerHandsItsManagerToButtonsThatFollowIt) {
  StyledPanel panel;
  auto* following = new LoggingButton(&panel);
  auto* own = new LoggingButton(&panel);
  TNavPaneStyleManager mine;
  own->SetStyleManager(&mine);
  TNavPaneStyleManager shared;
  shared.SetTheme(Theme::nptXPOlive);
  panel.SetStyleManager(&shared);
  EXPECT_EQ(following->StyleManager(), &shared);
  EXPECT_TRUE(following->ParentStyleManager());
  EXPECT_EQ(following->Colors().ButtonColorFrom(), 0x00D6F3E3u);
  EXPECT_EQ(following->Colors().All(), shared.Colors().All());
  EXPECT_EQ(own->StyleManager(), &mine);
  EXPECT_EQ(shared.Clients().size(), 1u);
  TNavPaneStyleManager ignored;
  following->StyleManagerNotice(following, &ignored);
  EXPECT_EQ(following->StyleManager(), &shared) << "a notice the button caused itself is ignored";

  own->SetParentStyleManager(true);
  EXPECT_EQ(own->StyleManager(), &shared) << "turning it on asks the parent";
  EXPECT_TRUE(own->ParentStyleManager());
  EXPECT_EQ(mine.Clients().size(), 0u);
  EXPECT_EQ(shared.Clients().size(), 2u);

  own->SetStyleManager(&mine);
  EXPECT_FALSE(own->ParentStyleManager()) << "a direct choice ends the parent relation";
  TNavPaneStyleManager next;
  panel.SetStyleManager(&next);
  EXPECT_EQ(own->StyleManager(), &mine);
  EXPECT_EQ(following->StyleManager(), &next) << "a new manager of the parent reaches only its followers";
}

TEST(NavManagerParent, AParentWithoutAManagerIgnoresTheRequest) {
  StyledPanel panel;
  auto* button = new LoggingButton(&panel);
  button->SetParentStyleManager(false);
  button->SetParentStyleManager(true);
  EXPECT_EQ(button->StyleManager(), nullptr);
  EXPECT_TRUE(button->ParentStyleManager());
  QWidget plain;
  auto* other = new LoggingButton(&plain);
  other->SetParentStyleManager(false);
  other->SetParentStyleManager(true);
  EXPECT_EQ(other->StyleManager(), nullptr);
  EXPECT_TRUE(other->ParentStyleManager());
}

}  // namespace
}  // namespace ostrak
