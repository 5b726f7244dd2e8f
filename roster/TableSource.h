#pragma once

// A table's bytes, read in pieces so that a large table is never held whole,
// and handed on as UTF-8: a byte-order mark is dropped, and a table that is
// not UTF-8 throughout is read as Windows-1252, as spreadsheets in western
// locales save CSV (a mark before such a body is dropped all the same: it
// only says what the writer meant). Deciding that takes a first reading of
// the whole table.

#include <optional>
#include <string>
#include <string_view>

#include "core/FileDescriptor.h"
#include "roster/Folders.h"

namespace ostrak::roster {

enum class TableEncoding { Utf8, Windows1252 };

class TableSource {
public:
  // Throws FileOpenError ("Cannot open file ...") when the table cannot be
  // opened or read, or is larger than any roster needs. A pipe is read whole.
  explicit TableSource(const std::string& path);
  // A table already in memory.
  static TableSource FromBytes(std::string bytes);

  TableSource(TableSource&&) = default;
  TableSource& operator=(TableSource&&) = default;

  TableEncoding encoding() const { return encoding_; }
  // The table's file, so that no row can name it; none for one in memory.
  const std::optional<FileIdentity>& identity() const { return identity_; }

  // The next piece of UTF-8 text; empty at the end. Throws FileOpenError.
  std::string_view Next();

private:
  TableSource() = default;
  std::string_view NextRaw();
  void Detect();

  std::string path_;
  std::unique_ptr<FileDescriptor> file_;  // none when `held_` holds the table
  std::string held_;
  std::size_t heldAt_ = 0;
  std::string buffer_;
  std::string converted_;
  bool started_ = false;
  TableEncoding encoding_ = TableEncoding::Utf8;
  std::size_t markBytes_ = 0;  // of a byte-order mark, dropped from the first piece
  std::optional<FileIdentity> identity_;
};

}  // namespace ostrak::roster
