#include "ui/roster/UnreadFolders.h"

#include <QCoreApplication>
#include <QFile>

#include "ui/roster/EngineMessages.h"

namespace ostrak::roster {

namespace {

// A folder too deep to read has a name too long for a status bar: its first
// and last two folders tell where it is.
constexpr qsizetype kShownParts = 2;

QString ShortName(const QString& folder) {
  const QStringList parts = folder.split(QLatin1Char('/'), Qt::SkipEmptyParts);
  if (parts.size() <= 2 * kShownParts + 1) return folder;
  return QStringList(parts.mid(0, kShownParts)).join(QLatin1Char('/')) + QStringLiteral("/…/") +
         QStringList(parts.mid(parts.size() - kShownParts)).join(QLatin1Char('/')) + QLatin1Char('/');
}

}  // namespace

UnreadFolders DescribeUnreadFolders(const QString& top, const std::vector<SkippedFolder>& skipped) {
  UnreadFolders said;
  for (const SkippedFolder& folder : skipped) {
    const QString name = QFile::decodeName(QByteArray::fromStdString(folder.folder));
    const QString why = TranslateEngineMessage(folder.Message());
    said.lines << top + name + QStringLiteral(": ") + why;
    if (said.status.isEmpty())
      said.status = (name.isEmpty() ? top : ShortName(name)) + QStringLiteral(": ") + why;
  }
  if (skipped.size() > 1) {
    said.status +=
        QCoreApplication::translate("ostrak::roster::UnreadFolders", "; %1 folders not read in all")
            .arg(skipped.size());
  }
  return said;
}

}  // namespace ostrak::roster
