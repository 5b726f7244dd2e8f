#include "platform/Dialogs.h"

namespace ostrak {

std::optional<QString> Dialogs::ChooseDirectory(const QString&, const QString&) { return std::nullopt; }

std::optional<ChosenFile> Dialogs::ChooseFile(const FileChoice&) { return std::nullopt; }

bool Dialogs::Ask(const QString&, const QString&) { return false; }

std::optional<QString> Dialogs::AskText(const QString&, const QString&, const QString&) {
  return std::nullopt;
}

}  // namespace ostrak
