#include "ui/roster/RosterFolder.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

#include "platform/ConfigDirectory.h"

namespace ostrak::roster {

namespace {

const QString kLastFolderKey = QStringLiteral("roster/lastFolder");

bool IsFolder(const QString& path) { return !path.isEmpty() && QFileInfo(path).isDir(); }

}  // namespace

QSettings RosterSettings() {
  return QSettings(QString::fromStdString(UserConfigDirectory()) + QStringLiteral("ostrak-editor/roster.ini"),
                   QSettings::IniFormat);
}

QString LastFolder() { return RosterSettings().value(kLastFolderKey).toString(); }

void RememberFolder(const QString& absolutePath) {
  QSettings settings = RosterSettings();
  settings.setValue(kLastFolderKey, absolutePath);
}

QString StartFolder(const QString& given) {
  if (!given.isEmpty()) return given;
  if (const QString last = LastFolder(); IsFolder(last)) return last;
  if (IsFolder(QStringLiteral("Fighters"))) return QStringLiteral("Fighters");
  return QDir::currentPath();
}

std::optional<QString> RosterArgument(const QStringList& arguments) {
  const auto at = arguments.indexOf(QStringLiteral("--roster"));
  if (at < 0) return std::nullopt;
  const QString next = arguments.value(at + 1);
  return next.startsWith(QLatin1Char('-')) ? QString() : next;
}

}  // namespace ostrak::roster
