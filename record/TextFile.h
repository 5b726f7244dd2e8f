#pragma once

// Whole-file reading and writing of the system's text files (fighter,
// settings, translations). Bytes only: no conversion of any kind.

#include <cstddef>
#include <string>
#include <string_view>

namespace ostrak {

// Larger files are refused like unreadable ones, before anything is read into memory.
constexpr std::size_t kMaxTextFileSize = 16u * 1024u * 1024u;

// The name as the messages quote it: made absolute against the current
// directory, "." and ".." collapsed as written (symbolic links are not resolved).
std::string ExpandFileName(const std::string& path);

// The system's text for an error number, without trailing spaces, line breaks or periods.
std::string SystemErrorText(int errorNumber);

// Every byte of the file. Throws FileOpenError when it cannot be opened or
// read, or is larger than kMaxTextFileSize.
std::string ReadTextFile(const std::string& path);

// Replaces the file with `bytes` or leaves it exactly as it was. The bytes go
// to a temporary file in the same folder that is renamed over the target only
// when complete; the target keeps its permission bits, a symbolic link's
// final target is the file replaced, and the result is read back and compared.
// Throws FileCreateError when the target cannot be written (a missing folder,
// a directory, a non-regular file, no permission), WriteError ("Stream write
// error") when writing, committing or the comparison fails. No temporary file
// remains after a failure.
void WriteTextFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace ostrak
