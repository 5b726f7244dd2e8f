#pragma once

// Writing a file over itself, for a file that a new one must not replace (it
// has other names, its folder refuses new files, a new file could not take
// its owner): the file keeps its identity, owner, mode and links. Room for
// the new length is taken before anything is written, so a full disk refuses
// with the file untouched; the old bytes stay in memory so that a failure at
// any later step puts them back. A kill part-way leaves a mixture that only a
// copy kept elsewhere can mend: the callers keep one where they can.

#include <cstddef>
#include <string>
#include <string_view>
#include <utility>

namespace ostrak {

class InPlaceWrite {
public:
  // `file` is open for writing and holds `old`, all of it.
  InPlaceWrite(int file, std::string old) : file_(file), old_(std::move(old)) {}

  // Each step gives 0 or the system's error number.

  // Room for `length` bytes, the file's content and size unchanged. Where the
  // file system cannot reserve (no fallocate), its free room is counted
  // instead and the blocks are taken by Overwrite, before its first byte.
  int Reserve(std::size_t length);
  // `bytes` over the old ones from the start.
  int Overwrite(std::string_view bytes);
  // The file cut (or grown) to `length`.
  int Cut(std::size_t length);
  int Flush();
  // The old bytes back, at their length, flushed; the room reserved past
  // them given back where the file system allows.
  int PutBack();
  // The room reserved past the old end given back, for a write that will
  // not happen; the file itself is not touched.
  void Unreserve();

  const std::string& old() const { return old_; }

private:
  int file_;
  std::string old_;
  std::size_t reserved_ = 0;  // reserved up to this length, past the old end
  bool deferred_ = false;     // the blocks are to be taken when writing
};

struct InPlaceResult {
  int error = 0;         // 0: written and flushed
  bool intact = true;    // on failure: the file holds its old bytes again
  bool touched = false;  // on failure: a byte had been written over the old ones
};

// Reserve, Overwrite, Cut and Flush in turn; after a failure past the
// reservation the old bytes are put back.
InPlaceResult WriteOver(InPlaceWrite& write, std::string_view bytes);

}  // namespace ostrak
