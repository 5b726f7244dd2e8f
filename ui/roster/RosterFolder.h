#pragma once

// Which folder the roster window shows, and the one it remembers: kept per
// user in the configuration folder (ostrak-editor/roster.ini), so the next
// start opens where the last one left off.

#include <QSettings>
#include <QString>
#include <QStringList>
#include <optional>

namespace ostrak::roster {

// `given` when it is not empty; else the last folder used while it still
// exists; else "Fighters" under the current folder when it exists; else the
// current folder.
QString StartFolder(const QString& given);

// The roster window's settings file: what it remembers for the user.
QSettings RosterSettings();

QString LastFolder();
void RememberFolder(const QString& absolutePath);

// "--roster [FOLDER]" among the program's arguments: nothing without
// --roster, else FOLDER or an empty text.
std::optional<QString> RosterArgument(const QStringList& arguments);

}  // namespace ostrak::roster
