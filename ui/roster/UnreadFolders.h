#pragma once

// What the roster window says of the folders a look at the roster could not
// read: one short line for the status bar, and one line per folder, with its
// full name, for its tool tip and the program's error output.

#include <QString>
#include <QStringList>
#include <vector>

#include "roster/FolderListing.h"

namespace ostrak::roster {

struct UnreadFolders {
  QString status;     // empty when every folder was read
  QStringList lines;  // "FOLDER/: why", FOLDER under `top`
};

// `top`: the roster folder, ending in '/'.
UnreadFolders DescribeUnreadFolders(const QString& top, const std::vector<SkippedFolder>& skipped);

}  // namespace ostrak::roster
