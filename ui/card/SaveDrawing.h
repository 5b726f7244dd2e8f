#pragma once

// Saving a card or a radar where the user says: the save dialog with the
// drawings' file types, the format from the name's ending (or the chosen
// type's, added to a name without one), the file replaced only once the new
// one is whole, and a failure said in a message.

#include <QString>
#include <functional>
#include <memory>
#include <optional>

#include "ui/card/Drawing.h"

namespace ostrak {

class Dialogs;

struct DrawingSave {
  QString title;   // of the dialog and the messages
  QString folder;  // where the dialog opens
  QString name;    // proposed, without an ending
  int scale = 1;   // the PNG type selected when the dialog opens
};

// The drawing for the chosen path, made once the path is known.
using DrawingMaker = std::function<std::unique_ptr<Drawing>(const QString& path)>;

// The folder of the file written, when one was.
std::optional<QString> SaveDrawingAs(Dialogs& dialogs, const DrawingSave& save, const DrawingMaker& make);

}  // namespace ostrak
