#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <stdexcept>

#include "ButtonHost.h"
#include "core/Errors.h"
#include "widgets/NavigationPane.h"

namespace ostrak {
namespace {

using enum TNavPanelTheme;

// Buttons linked to one manager, with every link change and theme change
// written to one log.
struct Linked : ::testing::Test {
  Linked() {
    manager.OnThemeChange = [this](QObject* sender) {
      EXPECT_EQ(sender, &manager);
      log += 'T';
    };
    for (int i = 0; i < 3; ++i) {
      auto& button = buttons[i];
      button = std::make_unique<TNavPanelButton>(&parent);
      button->SetStyleManager(&manager);
      auto apply = button->StyleLink().OnChange;
      const char name = static_cast<char>('a' + i);
      button->StyleLink().OnChange = [this, apply, name](QObject* sender) {
        log += name;
        apply(sender);
      };
    }
  }

  QWidget parent;
  TNavPaneStyleManager manager;
  std::array<std::unique_ptr<TNavPanelButton>, 3> buttons;
  std::string log;
};

TEST(NavPaneStyleManager, StartsWithTheStandardTheme) {
  const TNavPaneStyleManager manager;
  EXPECT_EQ(manager.Theme(), nptStandard);
  EXPECT_EQ(manager.Colors().All(), BuiltInTheme(nptStandard)->colors);
  const TFont& header = manager.Fonts().HeaderFont();
  EXPECT_EQ(header.Name(), QStringLiteral("Arial"));
  EXPECT_EQ(header.Size(), 12);
  EXPECT_EQ(header.Style(), TFontStyles(TFontStyle::fsBold));
  EXPECT_EQ(header.Color(), clWindow);
  EXPECT_EQ(manager.Fonts().NavPanelHotTrackFont().Color(), clWindow);
  EXPECT_EQ(manager.Fonts().NavPanelFont().Color(), clWindowText);
}

TEST_F(Linked, LinkingCopiesColoursButNotFonts) {
  for (const auto& button : buttons) {
    EXPECT_EQ(button->StyleManager(), &manager);
    EXPECT_FALSE(button->ParentStyleManager());
    EXPECT_EQ(button->Colors().All(), manager.Colors().All());
  }
  TNavPanelButton late(&parent);
  manager.Fonts().NavPanelFont().SetName(QStringLiteral("Verdana"));
  log.clear();
  late.SetStyleManager(&manager);
  EXPECT_EQ(late.Colors().All(), manager.Colors().All());
  EXPECT_EQ(late.Font().Name(), QStringLiteral("Tahoma"));
  manager.NotifyClients();
  EXPECT_EQ(late.Font().Name(), QStringLiteral("Verdana"));
  EXPECT_EQ(log, "abcT");
}

TEST_F(Linked, AThemeChangeUpdatesEachButtonOnceInLinkOrderThenRaisesOnThemeChange) {
  manager.SetTheme(nptXPSilver);
  EXPECT_EQ(log, "abcT");
  for (const auto& button : buttons) {
    EXPECT_EQ(button->Colors().All(), BuiltInTheme(nptXPSilver)->colors);
    EXPECT_TRUE(SameAttributes(button->Font(), manager.Fonts().NavPanelFont()));
    EXPECT_TRUE(SameAttributes(button->HotTrackFont(), manager.Fonts().NavPanelHotTrackFont()));
    EXPECT_EQ(button->HotTrackFontOptions(), manager.Fonts().NavPanelHotTrackFontOptions());
  }
  log.clear();
  manager.SetTheme(nptXPSilver);
  EXPECT_EQ(log, "");
}

TEST_F(Linked, EditingABuiltInThemeMakesItCustomAndNotifiesTwice) {
  manager.SetTheme(nptXPBlue);
  log.clear();
  manager.Colors().SetButtonColorFrom(clRed);
  EXPECT_EQ(manager.Theme(), nptCustom);
  EXPECT_EQ(log, "abcTabcT");
  EXPECT_EQ(buttons[1]->Colors().ButtonColorFrom(), TColor(clRed));
  log.clear();
  manager.Fonts().HeaderFont().SetColor(clLime);
  EXPECT_EQ(log, "abcT") << "under the custom theme an edit notifies once";
}

TEST_F(Linked, ChoosingCustomKeepsTheColoursAndNotifiesOnce) {
  manager.SetTheme(nptXPOlive);
  log.clear();
  manager.SetTheme(nptCustom);
  EXPECT_EQ(log, "abcT");
  EXPECT_EQ(manager.Colors().All(), BuiltInTheme(nptXPOlive)->colors);
}

TEST_F(Linked, AFailingThemeChangeStillReattachesTheEditEvents) {
  manager.OnThemeChange = [](QObject*) { throw std::runtime_error("theme"); };
  EXPECT_THROW(manager.SetTheme(nptXPBlue), std::runtime_error);
  EXPECT_EQ(manager.Theme(), nptXPBlue);
  manager.OnThemeChange = nullptr;
  manager.Colors().SetFrameColor(clRed);
  EXPECT_EQ(manager.Theme(), nptCustom);
}

TEST_F(Linked, DestroyingTheManagerLeavesTheButtonsWithTheirLastColours) {
  manager.SetTheme(nptXPOlive);
  {
    TNavPaneStyleManager other;
    buttons[0]->SetStyleManager(&other);
    buttons[1]->SetStyleManager(&other);
    ASSERT_EQ(other.Clients().size(), 2u);
    ASSERT_EQ(manager.Clients().size(), 1u);
    EXPECT_EQ(buttons[0]->StyleLink().Sender(), &other);
  }
  for (int i : {0, 1}) {
    EXPECT_EQ(buttons[i]->StyleManager(), nullptr);
    EXPECT_FALSE(buttons[i]->ParentStyleManager());
    EXPECT_EQ(buttons[i]->StyleLink().Sender(), nullptr);
    EXPECT_EQ(buttons[i]->Colors().All(), BuiltInTheme(nptStandard)->colors);
  }
  EXPECT_EQ(buttons[2]->Colors().All(), BuiltInTheme(nptXPOlive)->colors);
}

TEST_F(Linked, ADestroyedButtonLeavesTheClientList) {
  buttons[1].reset();
  ASSERT_EQ(manager.Clients().size(), 2u);
  EXPECT_EQ(manager.Clients()[0], &buttons[0]->StyleLink());
  EXPECT_EQ(manager.Clients()[1], &buttons[2]->StyleLink());
  manager.SetTheme(nptXPBlue);
  EXPECT_EQ(log, "acT");
}

TEST(NavPaneStyleManager, ApplyStyleFromAnythingButAManagerIsAnInvalidCast) {
  TNavPanelButton button;
  QObject stranger;
  button.StyleLink().SetSender(&stranger);
  try {
    button.StyleLink().Change();
    ADD_FAILURE() << "no failure";
  } catch (const InvalidCastError& error) {
    EXPECT_EQ(error.message(), "Invalid class typecast");
  }
  button.StyleLink().SetSender(nullptr);
  EXPECT_THROW(button.ApplyStyle(nullptr), InvalidCastError);
}

TEST(NavPaneStyleManager, AssignmentBetweenManagersAndButtons) {
  TNavPaneStyleManager source;
  source.SetTheme(nptXPSilver);
  TNavPaneStyleManager target;
  target.Assign(source);
  EXPECT_EQ(target.Theme(), nptXPSilver);
  EXPECT_EQ(target.Colors().All(), source.Colors().All());

  source.Colors().SetFrameColor(clRed);
  source.Fonts().NavPanelFont().SetName(QStringLiteral("Verdana"));
  ASSERT_EQ(source.Theme(), nptCustom);
  target.Assign(source);
  EXPECT_EQ(target.Theme(), nptCustom);
  EXPECT_EQ(target.Colors().FrameColor(), TColor(clRed));
  EXPECT_EQ(target.Fonts().NavPanelFont().Name(), QStringLiteral("Verdana"));

  TNavPanelButton button;
  button.Assign(source);
  EXPECT_EQ(button.Colors().All(), source.Colors().All());

  TNavPaneStyleManager fromButton;
  button.Colors().SetButtonColorTo(clLime);
  fromButton.Assign(button);
  EXPECT_EQ(fromButton.Theme(), nptCustom);
  EXPECT_EQ(fromButton.Colors().ButtonColorTo(), TColor(clLime));
}

// A container that hands out a manager, as a navigation pane does.
class Pane : public QWidget, public TNavStyleParent {
protected:
  QWidget& StyleContainer() override { return *this; }
};

TEST(StyleManagerParent, TheParentHandsItsManagerToButtonsThatAcceptIt) {
  Pane pane;
  TNavPanelButton accepting(&pane);
  TNavPanelButton refusing(&pane);
  refusing.SetParentStyleManager(false);
  TNavPaneStyleManager manager;
  manager.SetTheme(nptXPOlive);
  pane.SetStyleManager(&manager);
  EXPECT_EQ(accepting.StyleManager(), &manager);
  EXPECT_TRUE(accepting.ParentStyleManager());
  EXPECT_EQ(accepting.Colors().All(), manager.Colors().All());
  EXPECT_EQ(refusing.StyleManager(), nullptr);
  EXPECT_EQ(manager.Clients().size(), 1u);
  TNavPaneStyleManager ignored;
  accepting.StyleManagerNotice(&accepting, &ignored);
  EXPECT_EQ(accepting.StyleManager(), &manager) << "a notice the button caused itself is ignored";

  refusing.SetParentStyleManager(true);
  EXPECT_EQ(refusing.StyleManager(), &manager);
  EXPECT_TRUE(refusing.ParentStyleManager());
  EXPECT_EQ(manager.Clients().size(), 2u);

  TNavPaneStyleManager own;
  accepting.SetStyleManager(&own);
  EXPECT_FALSE(accepting.ParentStyleManager()) << "a direct choice ends the parent relation";
  TNavPaneStyleManager next;
  pane.SetStyleManager(&next);
  EXPECT_EQ(accepting.StyleManager(), &own);
  EXPECT_EQ(refusing.StyleManager(), &next);
}

TEST(StyleManagerParent, AParentWithoutAManagerIgnoresTheRequest) {
  Pane pane;
  QWidget plain;
  TNavPanelButton onPane(&pane);
  TNavPanelButton onPlain(&plain);
  for (TNavPanelButton* button : {&onPane, &onPlain}) {
    button->SetParentStyleManager(false);
    button->SetParentStyleManager(true);
    EXPECT_EQ(button->StyleManager(), nullptr);
    EXPECT_TRUE(button->ParentStyleManager());
  }
}

}  // namespace
}  // namespace ostrak
