// A press that ends without its release, handlers that destroy the button
// that raised them, and a style manager destroyed by its own notification.

#include <gtest/gtest.h>

#include <QPointer>
#include <functional>
#include <string>

#include "widgets/navigation/NavAcceptance.h"

namespace ostrak {
namespace {

using test::nav::LoggingButton;
using test::nav::Rendered;
using test::nav::Window;
using Flag = TButtonStateFlag;

struct InterruptionRow {
  const char* name;
  std::function<void(QWidget& window, TNavPanelButton& button)> end;
  std::function<void(QWidget& window, TNavPanelButton& button)> restore;
};

void PrintTo(const InterruptionRow& row, std::ostream* os) { *os << row.name; }

class NavPressInterrupted : public ::testing::TestWithParam<InterruptionRow> {};

// Pressed, then hidden, disabled or blocked before the release: nothing stays
// pressed, the release that comes later clicks nothing, and the next press
// works as usual.
TEST_P(NavPressInterrupted, EndsThePressWithoutAClick) {
  const InterruptionRow& row = GetParam();
  Window window;
  LoggingButton* button = window.AddButton();
  int clicks = 0;
  button->OnClick = [&](QObject*) { ++clicks; };
  const TColor pressedTop = button->Colors().ButtonSelectedColorTo();
  window.Move(*button, {10, 10});
  window.Press(*button, {10, 10});
  ASSERT_TRUE(button->State().Contains(Flag::Pressed));
  row.end(window.widget, *button);
  EXPECT_FALSE(button->State().Contains(Flag::Pressed));
  EXPECT_NE(Rendered(*button).At(button->Width() - 1, 0), pressedTop);
  window.Release(*button, {10, 10});
  row.restore(window.widget, *button);
  EXPECT_EQ(clicks, 0);
  window.Click(*button);
  EXPECT_EQ(clicks, 1);
}

INSTANTIATE_TEST_SUITE_P(
    Interruptions, NavPressInterrupted,
    ::testing::Values(InterruptionRow{"blocked_by_a_modal_window",
                                      [](QWidget& window, TNavPanelButton&) {
                                        QEvent blocked(QEvent::WindowBlocked);
                                        QApplication::sendEvent(&window, &blocked);
                                      },
                                      [](QWidget& window, TNavPanelButton&) {
                                        QEvent unblocked(QEvent::WindowUnblocked);
                                        QApplication::sendEvent(&window, &unblocked);
                                      }},
                      InterruptionRow{"hidden",
                                      [](QWidget&, TNavPanelButton& button) { button.SetVisible(false); },
                                      [](QWidget&, TNavPanelButton& button) { button.SetVisible(true); }},
                      InterruptionRow{"disabled",
                                      [](QWidget&, TNavPanelButton& button) { button.SetEnabled(false); },
                                      [](QWidget&, TNavPanelButton& button) { button.SetEnabled(true); }}),
    [](const auto& info) { return std::string(info.param.name); });

// The button's own mouse handlers may destroy it (closing the window that
// holds it, say): nothing runs on the button afterwards.
TEST(NavButtonDestroyedByItsHandler, IsNotTouchedAfterwards) {
  for (const char* handler : {"down", "move", "up"}) {
    Window window;
    QPointer<LoggingButton> button = window.AddButton();
    int runs = 0;
    const auto destroy = [&](QObject* sender) {
      ++runs;
      delete sender;
    };
    const std::string which = handler;
    if (which == "down")
      button->OnMouseDown = [&](QObject* s, TMouseButton, TShiftState, int, int) { destroy(s); };
    window.Move(*button, {10, 10});
    window.Press(*button, {10, 10});
    if (which == "move") button->OnMouseMove = [&](QObject* s, TShiftState, int, int) { destroy(s); };
    if (which == "up")
      button->OnMouseUp = [&](QObject* s, TMouseButton, TShiftState, int, int) { destroy(s); };
    if (button) window.Move(*button, {12, 11});
    QTest::mouseRelease(window.Handle(), Qt::LeftButton, Qt::NoModifier, QPoint(32, 31));
    EXPECT_EQ(runs, 1) << handler;
    EXPECT_TRUE(button.isNull()) << handler;
  }
}

// A manager destroyed by the handler it is telling stops telling: the later
// clients and the theme handler hear nothing more.
TEST(NavManagerDestroyedByItsNotification, StopsTelling) {
  const struct {
    const char* name;
    const char* destroyer;  // "client" or "theme"
    std::function<void(TNavPaneStyleManager&)> change;
    const char* log;
  } rows[] = {
      {"client_on_theme", "client", [](auto& m) { m.SetTheme(TNavPanelTheme::nptXPBlue); }, "a"},
      {"theme_handler_on_theme", "theme", [](auto& m) { m.SetTheme(TNavPanelTheme::nptXPBlue); }, "abT"},
      {"theme_handler_on_edit", "theme", [](auto& m) { m.Colors().SetButtonColorFrom(clRed); }, "abT"},
  };
  for (const auto& row : rows) {
    QPointer<TNavPaneStyleManager> manager = new TNavPaneStyleManager;
    TNavStyleLink a;
    TNavStyleLink b;
    std::string log;
    const bool byClient = std::string(row.destroyer) == "client";
    a.OnChange = [&](QObject* sender) {
      log += 'a';
      if (byClient) delete sender;
    };
    b.OnChange = [&](QObject*) { log += 'b'; };
    manager->OnThemeChange = [&](QObject* sender) {
      log += 'T';
      if (!byClient) delete sender;
    };
    manager->AddClient(a);
    manager->AddClient(b);
    row.change(*manager);
    EXPECT_TRUE(manager.isNull()) << row.name;
    EXPECT_EQ(log, row.log) << row.name;
    EXPECT_EQ(a.Sender(), nullptr) << row.name;
    EXPECT_EQ(b.Sender(), nullptr) << row.name;
  }
}

}  // namespace
}  // namespace ostrak
