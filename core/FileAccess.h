#pragma once

// Reading whole input files, flushing folders, and the file errors that
// quote a path. Paths and file contents are bytes, as everywhere else.

#include <cstddef>
#include <string>

#include "core/Errors.h"

namespace ostrak {

// Inputs larger than this are refused before they are read into memory.
constexpr std::size_t kMaxInputFileBytes = 16 * 1024 * 1024;

// The path as the file errors quote it: a relative name expanded against the
// current directory, with ".", ".." and doubled separators folded lexically
// (links are not resolved).
std::string FullPathName(const std::string& name);

// A system error text with its trailing spaces, line breaks and periods removed.
std::string TrimSystemText(std::string text);
// The system's text for an errno value, trimmed.
std::string SystemErrorText(int errorNumber);

// "Cannot open file "%s". %s" and "Cannot create file "%s". %s".
FileOpenError CannotOpenFile(const std::string& name, int errorNumber);
FileCreateError CannotCreateFile(const std::string& name, int errorNumber);
// With the reason as another layer worded it (trimmed the same way).
FileCreateError CannotCreateFile(const std::string& name, const std::string& systemText);

// The whole content of a file. Failing to open or read it, or a content of
// more than maxBytes, fails with CannotOpenFile (the last with the system's
// "file too large" text). A FIFO without a writer reads as empty instead of
// blocking.
std::string ReadWholeFile(const std::string& name, std::size_t maxBytes = kMaxInputFileBytes);

// The content of the open regular file `file`, read from its start whatever
// its offset: 0, EFBIG when it holds more than maxBytes, or the error number.
int ReadAllOf(int file, std::string& content, std::size_t maxBytes = kMaxInputFileBytes);

// Flushes the names in a folder (created, renamed, removed) to the disk, so a
// rename survives a crash; `folder` is any descriptor of it, O_PATH too. 0,
// or the error number (EACCES: the folder cannot be opened for reading).
int SyncFolder(int folder);

}  // namespace ostrak
