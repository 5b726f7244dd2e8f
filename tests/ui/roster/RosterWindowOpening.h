#pragma once

// A roster window as the tests drive it: on the editor's settings, in one
// language, reading on the test's own thread, shown and active, on `folder`.

#include <QApplication>
#include <QString>

#include <memory>
#include <string>

#include "ui/EditorHarness.h"
#include "ui/roster/RosterWindow.h"

namespace ostrak::roster {

inline std::unique_ptr<RosterWindow> OpenRosterWindow(test::EditorHarness& editor, const std::string& folder,
                                                      RosterLanguage language) {
  RosterSetup setup = SetupFromEditor(editor.Form());
  setup.language = language;
  setup.threading = Threading::Inline;
  auto window = std::make_unique<RosterWindow>(editor.Form(), editor.dialogs, setup);
  window->show();
  QApplication::setActiveWindow(window.get());
  window->OpenFolder(QString::fromStdString(folder));
  return window;
}

}  // namespace ostrak::roster
