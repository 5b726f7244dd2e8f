#include "record/TextFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QFile>
#include <QSaveFile>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "core/Errors.h"
#include "core/FileAccess.h"
#include "core/FileDescriptor.h"
#include "core/InPlaceWrite.h"

namespace ostrak {

// Checked before the temporary file exists so that the message carries the
// system's own reason for the target rather than for the temporary file.
int CreateProblem(const std::string& path) {
  if (path.empty()) return ENOENT;
  struct stat status {};
  if (::stat(path.c_str(), &status) == 0) {
    if (S_ISDIR(status.st_mode)) return EISDIR;
    // A device or pipe cannot be replaced atomically; replacing it with a
    // regular file would destroy it.
    if (!S_ISREG(status.st_mode)) return ENOTSUP;
    return ::access(path.c_str(), W_OK) == 0 ? 0 : errno;
  }
  if (errno != ENOENT) return errno;
  struct stat link {};
  if (::lstat(path.c_str(), &link) == 0) return 0;  // a dangling link: its target gets created

  std::filesystem::path folder = std::filesystem::path(path).parent_path();
  if (folder.empty()) folder = std::filesystem::path(".");
  if (::stat(folder.c_str(), &status) != 0) return errno;
  if (!S_ISDIR(status.st_mode)) return ENOTDIR;
  return ::access(folder.c_str(), W_OK | X_OK) == 0 ? 0 : errno;
}

bool FileHolds(const std::string& path, std::string_view bytes) {
  const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY));
  if (file.get() < 0) return false;
  char buffer[65536];
  std::size_t compared = 0;
  for (;;) {
    const ssize_t count = ::read(file.get(), buffer, sizeof buffer);
    if (count < 0 && errno == EINTR) continue;
    if (count < 0) return false;
    if (count == 0) return compared == bytes.size();
    const auto length = static_cast<std::size_t>(count);
    if (length > bytes.size() - compared || std::memcmp(buffer, bytes.data() + compared, length) != 0) {
      return false;
    }
    compared += length;
  }
}

namespace {

// A new file renamed over this one would leave its other names (hard links)
// holding the old bytes, or cannot be made at all when the folder refuses new
// files though the file itself may be written (a shared or read-only folder).
bool MustWriteInPlace(const std::string& path) {
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
  if (status.st_nlink > 1) return true;
  std::error_code error;
  const std::filesystem::path target = std::filesystem::canonical(path, error);
  if (error) return false;
  return ::access(target.parent_path().c_str(), W_OK | X_OK) != 0;
}

// The file written over itself (see core/InPlaceWrite.h): room first, the
// old bytes put back after any later failure. The settings file has no kept
// copy, so only a kill part-way can leave it damaged.
void WriteInPlace(const std::string& path, std::string_view bytes) {
  const FileDescriptor file(::open(path.c_str(), O_RDWR | O_CLOEXEC | O_NOCTTY));
  if (file.get() < 0) throw CannotCreateFile(path, errno);
  std::string old;
  if (const int error = ReadAllOf(file.get(), old)) throw CannotCreateFile(path, error);
  InPlaceWrite write(file.get(), std::move(old));
  const InPlaceResult result = WriteOver(write, bytes);
  if (result.error == 0) return;
  throw result.intact ? WriteError::Stream() : WriteError::NotPutBack();
}

// Makes the rename over `path` survive a crash. A folder that cannot be
// opened for reading, or a file system that does not sync folders, gives no
// more than the rename itself.
void SyncFolderOf(const std::string& path) {
  std::error_code error;
  const std::filesystem::path target = std::filesystem::canonical(path, error);
  if (error) return;  // gone already: the reading back fails
  const FileDescriptor folder(::open(target.parent_path().c_str(), O_PATH | O_DIRECTORY | O_CLOEXEC));
  const int problem = folder.get() < 0 ? errno : SyncFolder(folder.get());
  if (problem == 0 || problem == EACCES || problem == EINVAL || problem == EOPNOTSUPP) return;
  // Too late to keep the old file, but a crash could still bring it back: not reported as saved.
  throw WriteError::Stream();
}

}  // namespace

void WriteTextFileAtomically(const std::string& path, std::string_view bytes) {
  if (const int problem = CreateProblem(path)) throw CannotCreateFile(path, problem);
  if (MustWriteInPlace(path)) {
    WriteInPlace(path, bytes);
    if (!FileHolds(path, bytes)) throw WriteError::Stream();
    return;
  }

  const QByteArray encodedName(path.data(), static_cast<qsizetype>(path.size()));
  const QString name = QFile::decodeName(encodedName);
  // Qt names files by QString; a name that does not survive the round trip
  // would be written under another name.
  if (QFile::encodeName(name) != encodedName) throw CannotCreateFile(path, EILSEQ);

  QSaveFile file(name);
  file.setDirectWriteFallback(false);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered)) {
    // Qt words the system's reason itself, with a final period.
    throw CannotCreateFile(path, file.errorString().toStdString());
  }
  const auto size = static_cast<qint64>(bytes.size());
  if (file.write(bytes.data(), size) != size) {
    file.cancelWriting();
    throw WriteError::Stream();
  }
  // commit() syncs too but drops a failure, after which the rename could
  // replace the old file by one the disk never held.
  if (::fsync(file.handle()) != 0) {
    file.cancelWriting();
    throw WriteError::Stream();
  }
  if (!file.commit()) throw WriteError::Stream();
  SyncFolderOf(path);
  if (!FileHolds(path, bytes)) throw WriteError::Stream();
}

}  // namespace ostrak
