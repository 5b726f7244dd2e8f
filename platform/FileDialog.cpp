#include "platform/FileDialog.h"

#include <QDir>
#include <QFileInfo>

#include "platform/Dialogs.h"
#include "platform/ErrorGuard.h"

namespace ostrak {

QString FilterSuffix(const FileFilter& filter) {
  const QString& pattern = filter.pattern;
  if (!pattern.startsWith(QLatin1String("*.")) || pattern.size() < 3) return {};
  const QString suffix = pattern.mid(2);
  return suffix.contains(QLatin1Char(' ')) || suffix.contains(QLatin1Char('*')) ? QString() : suffix;
}

bool TFileDialog::Execute(Dialogs& dialogs) {
  if (!dialogs.RunFileDialog(*this)) return false;
  // The dialogs of the desktop this editor was made for leave the process in
  // the chosen file's folder, and the next dialog's relative start folder
  // is found from there.
  QDir::setCurrent(QFileInfo(fileName_).absolutePath());
  return true;
}

void TFileDialog::DoShow() {
  Guard([this] {
    if (OnShow) OnShow();
  });
}

QString TFileDialog::StartDirectory() const {
  const QDir current = QDir::current();
  if (initialDir_.isEmpty()) return current.absolutePath();
  const QString candidate = current.absoluteFilePath(initialDir_);
  return QFileInfo(candidate).isDir() ? QDir::cleanPath(candidate) : current.absolutePath();
}

}  // namespace ostrak
