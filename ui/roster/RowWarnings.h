#pragma once

// What the roster window says of a file that loads but looks wrong, and what
// a failure to load means in plain words, in the window's language: the
// engine's kinds and details, worded here.

#include <QString>
#include <vector>

#include "roster/FileWarnings.h"

namespace ostrak::roster {

// Every warning, "; " between them; empty for none.
QString WarningsText(const std::vector<FileWarning>& warnings);
// Empty when there is nothing more to say than the message.
QString ExplanationText(const FailureExplanation& explanation);

}  // namespace ostrak::roster
