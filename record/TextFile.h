#pragma once

// Writing the system's text files (fighter, settings). Reading them is
// core/FileAccess's ReadWholeFile. Bytes only: no conversion of any kind.

#include <string>
#include <string_view>

namespace ostrak {

// Replaces the file with `bytes` or leaves it exactly as it was. The bytes go
// to a temporary file in the same folder that is synced and renamed over the
// target only when complete, then the folder is synced; the target keeps its
// permission bits, a symbolic link's final target is the file replaced, and
// the result is read back and compared. Throws FileCreateError when the
// target cannot be written (a missing folder, a directory, a non-regular
// file, no permission), WriteError ("Stream write error") when writing,
// syncing, committing or the comparison fails. No temporary file remains
// after a failure. Only a failed sync of the folder comes after the rename:
// the new bytes are in place then, though a crash could lose the rename.
// Where a new file cannot take the old one's place (the file has several
// hard links, or its folder does not let us create a file) the bytes are
// written into the file itself (core/InPlaceWrite.h): a full disk refuses
// before the first byte, a later failure puts the old bytes back, and only a
// kill part-way can leave it part-written. Fighter files are written by the
// roster engine (roster/Roster.h), never here: this is for the settings.
void WriteTextFileAtomically(const std::string& path, std::string_view bytes);

// Whether the file at `path` holds exactly `bytes`, read without the limit
// of a load, since a save may write more than a load accepts.
bool FileHolds(const std::string& path, std::string_view bytes);

// Why WriteTextFileAtomically would refuse `path` before writing a byte, as an
// error number for CannotCreateFile, or 0 when nothing stands in the way.
int CreateProblem(const std::string& path);

}  // namespace ostrak
