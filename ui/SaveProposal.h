#pragma once

// Which file the fighter on screen was opened from, whatever the route (the
// open dialog, the roster, the command line, a drop). Saving it again
// proposes that very file while the full name is the one it was opened
// with, so that a fighter opened from a roster is not saved a second time as
// "Full name.txt" somewhere else; a new fighter, or a renamed one, gets
// "Full name.txt" in the dialog's own folder.

#include <QString>
#include <optional>

namespace ostrak {

struct SaveProposal {
  QString fileName;               // in the save dialog's name box
  std::optional<QString> folder;  // where it opens; none: where it would anyway
};

class OpenedFighter {
public:
  // `path` as the load took it; `fullName` as the form shows it once loaded.
  void Opened(const QString& path, const QString& fullName);
  // A new fighter: nothing on screen came from a file.
  void Forget() { file_.reset(); }

  SaveProposal ProposalFor(const QString& fullName) const;

private:
  struct File {
    QString folder;  // absolute
    QString name;
    QString fullName;
  };
  std::optional<File> file_;
};

}  // namespace ostrak
