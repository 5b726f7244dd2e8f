#include "ui/SaveProposal.h"

#include <QFileInfo>

namespace ostrak {

void OpenedFighter::Opened(const QString& path, const QString& fullName) {
  const QFileInfo file(path);
  file_ = File{file.absolutePath(), file.fileName(), fullName};
}

SaveProposal OpenedFighter::ProposalFor(const QString& fullName) const {
  if (file_ && fullName == file_->fullName) return {file_->name, file_->folder};
  return {fullName + QStringLiteral(".txt"), std::nullopt};
}

}  // namespace ostrak
