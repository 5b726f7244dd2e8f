#include "roster/TableSource.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>

#include "core/FileAccess.h"
#include "roster/Utf8Text.h"

namespace ostrak::roster {

namespace {

// Far more than any roster needs; a larger "table" is a mistake.
constexpr std::size_t kMaxTableBytes = std::size_t{1} << 30;
constexpr std::size_t kPieceBytes = 65536;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

}  // namespace

TableSource::TableSource(const std::string& path) : path_(path) {
  // Non-blocking only for the open itself, so that a FIFO without a writer cannot hang us.
  auto file =
      std::make_unique<FileDescriptor>(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK | O_NOCTTY));
  if (file->get() < 0) throw CannotOpenFile(path, errno);
  struct stat status {};
  if (::fstat(file->get(), &status) != 0) throw CannotOpenFile(path, errno);
  if (S_ISDIR(status.st_mode)) throw CannotOpenFile(path, EISDIR);
  if (S_ISREG(status.st_mode)) {
    if (static_cast<unsigned long long>(status.st_size) > kMaxTableBytes) throw CannotOpenFile(path, EFBIG);
    identity_ = IdentityOf(status);
    file_ = std::move(file);
  } else {
    const int flags = ::fcntl(file->get(), F_GETFL);
    if (flags < 0 || ::fcntl(file->get(), F_SETFL, flags & ~O_NONBLOCK) < 0)
      throw CannotOpenFile(path, errno);
    file_ = std::move(file);
    // A pipe cannot be read twice: hold it.
    for (std::string_view piece; !(piece = NextRaw()).empty();) {
      if (held_.size() + piece.size() > kMaxTableBytes) throw CannotOpenFile(path, EFBIG);
      held_ += piece;
    }
    file_.reset();
  }
  Detect();
}

TableSource TableSource::FromBytes(std::string bytes) {
  TableSource source;
  source.held_ = std::move(bytes);
  source.Detect();
  return source;
}

std::string_view TableSource::NextRaw() {
  if (!file_) {
    const std::string_view piece = std::string_view(held_).substr(heldAt_, kPieceBytes);
    heldAt_ += piece.size();
    return piece;
  }
  buffer_.resize(kPieceBytes);
  for (;;) {
    const ssize_t count = ::read(file_->get(), buffer_.data(), buffer_.size());
    if (count >= 0) return std::string_view(buffer_.data(), static_cast<std::size_t>(count));
    if (errno != EINTR) throw CannotOpenFile(path_, errno);
  }
}

void TableSource::Detect() {
  Utf8Validator validator;
  std::string start;
  for (std::string_view piece; !(piece = NextRaw()).empty();) {
    if (start.size() < kByteOrderMark.size()) start += piece.substr(0, kByteOrderMark.size());
    if (!validator.Feed(piece)) break;
  }
  if (!validator.Finish()) encoding_ = TableEncoding::Windows1252;
  if (start.starts_with(kByteOrderMark)) markBytes_ = kByteOrderMark.size();
  heldAt_ = 0;
  if (file_ && ::lseek(file_->get(), 0, SEEK_SET) != 0) throw CannotOpenFile(path_, errno);
}

std::string_view TableSource::Next() {
  std::string_view piece = NextRaw();
  if (!started_) {
    started_ = true;
    // A mark may be cut between pieces only in a table of fewer bytes than a piece.
    piece.remove_prefix(std::min(markBytes_, piece.size()));
  }
  if (encoding_ != TableEncoding::Windows1252) return piece;
  converted_ = Utf8FromFileText(std::string(piece));
  return converted_;
}

}  // namespace ostrak::roster
