#pragma once

// Every window the program opens over its own: message boxes, the editor's
// notice, the file dialogs. The windows reach them through this interface
// only, so tests answer them from a script instead of running modal loops.
// Each call blocks until the user has answered; while it is open the
// program's other windows take no input.

#include <QString>
#include <optional>
#include <vector>

#include "platform/FileDialog.h"

namespace ostrak {

enum class MessageIcon { None, Information, Stop };

class Dialogs {
public:
  virtual ~Dialogs() = default;

  // A message box with one OK button, owned by the active window.
  virtual void ShowMessage(const QString& text, const QString& title, MessageIcon icon) = 0;

  // The editor's own small notice: no icon, the text word-wrapped at most
  // half the screen wide, one "OK" that Enter and Esc both press, centred on
  // the screen.
  virtual void ShowNotice(const QString& text, const QString& title) = 0;

  // Opens `dialog` as it is configured and raises its OnShow once it is
  // open; a save dialog that asks before replacing asks over itself and
  // stays open on No. Accepted: true, with the chosen path in FileName.
  // Callers use TFileDialog::Execute, which adds what every dialog does
  // after it is accepted.
  virtual bool RunFileDialog(TFileDialog& dialog) = 0;

  // Qt's own folder dialog, opening in `start`: the chosen folder, or
  // nothing when cancelled. A double that does not script it cancels.
  virtual std::optional<QString> ChooseDirectory(const QString& title, const QString& start);

  // A file the program reads or writes on its own account (a table), unlike
  // the editor's dialogs: the current directory stays where it is, and a save
  // asks before replacing a file. The chosen path, or nothing when cancelled.
  virtual std::optional<ChosenFile> ChooseFile(const FileChoice& choice);

  // A question with Yes (the default) and No: true for Yes. A double that
  // does not script it answers No.
  virtual bool Ask(const QString& text, const QString& title);

  // A line of text the user types under `label`, starting as `initial`:
  // the text, or nothing when cancelled. A double that does not script it
  // cancels.
  virtual std::optional<QString> AskText(const QString& label, const QString& title, const QString& initial);
};

}  // namespace ostrak
