#include "ui/roster/RosterCommand.h"

#include <QShortcut>

#include "platform/ErrorGuard.h"
#include "ui/Unit1.h"
#include "ui/roster/RosterOpening.h"

namespace ostrak::roster {

void InstallRosterCommand(TForm1& editor, Dialogs& dialogs) {
  auto* key = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_R), &editor);
  key->setContext(Qt::WindowShortcut);
  QObject::connect(key, &QShortcut::activated, &editor,
                   [&editor, &dialogs] { Guard([&] { ShowRosterWindow(editor, dialogs); }); });
}

}  // namespace ostrak::roster
