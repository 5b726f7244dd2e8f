// Opening a store: its folder and file made private, a damaged file set aside
// before SQLite touches it, then what killed writers left settled.

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QString>

#include <cerrno>
#include <cstring>

#include "core/FileAccess.h"
#include "core/FileDescriptor.h"
#include "core/IntToStr.h"
#include "history/Schema.h"
#include "history/StoreImpl.h"

namespace ostrak::history {

namespace {

std::chrono::sys_seconds SystemNow() {
  return std::chrono::time_point_cast<std::chrono::seconds>(std::chrono::system_clock::now());
}

std::string FolderOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string Quoted(const std::string& path) { return "\"" + path + "\""; }

// Every missing folder on the way, made 0700 as the XDG rules ask: history
// is nobody else's business.
void MakeFolders(const std::string& folder) {
  for (std::size_t end = 1; end <= folder.size(); ++end) {
    if (end != folder.size() && folder[end] != '/') continue;
    const std::string prefix = folder.substr(0, end);
    if (::mkdir(prefix.c_str(), 0700) == 0) continue;
    const int error = errno;
    struct stat status {};
    if (error == EEXIST && ::stat(prefix.c_str(), &status) == 0 && S_ISDIR(status.st_mode)) continue;
    throw StoreError("cannot create the folder " + Quoted(prefix) + ": " +
                     SystemErrorText(error == EEXIST ? ENOTDIR : error));
  }
}

// The store's file, 0600 from the start: SQLite would make it readable to all.
void CreateStoreFile(const std::string& path) {
  const FileDescriptor file(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC | O_NOFOLLOW, 0600));
  if (file.get() < 0 && errno != EEXIST)
    throw StoreError("cannot create the history file " + Quoted(path) + ": " + SystemErrorText(errno));
}

// What SQLite writes first in every database; an empty file becomes one.
bool LooksLikeSqlite(const std::string& path) {
  static constexpr char kHeader[] = "SQLite format 3";
  const FileDescriptor file(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
  char start[sizeof kHeader] = {};
  const ssize_t got = file.get() < 0 ? -1 : ::read(file.get(), start, sizeof start);
  return got == 0 ||
         (got == static_cast<ssize_t>(sizeof start) && std::memcmp(start, kHeader, sizeof start) == 0);
}

void PrepareFile(const std::string& path) {
  if (path.empty() || path[0] != '/')
    throw StoreError("the history file " + Quoted(path) + " is not an absolute path");
  if (QString::fromStdString(path).toStdString() != path)
    throw StoreError("the history file's path " + Quoted(path) + " is not UTF-8, which SQLite needs");
  MakeFolders(FolderOf(path));
  struct stat status {};
  if (::stat(path.c_str(), &status) != 0) {
    if (errno != ENOENT)
      throw StoreError("cannot reach the history file " + Quoted(path) + ": " + SystemErrorText(errno));
    CreateStoreFile(path);
  } else if (!S_ISREG(status.st_mode)) {
    throw StoreError(Quoted(path) +
                     " is not a file that can hold the history (a folder or a device is there)");
  }
  // SQLite would open a file it cannot write read-only, and fail only at the
  // first change; its -wal and -shm files need the folder.
  if (::access(path.c_str(), R_OK | W_OK) != 0)
    throw StoreError("cannot write the history file " + Quoted(path) + ": " + SystemErrorText(errno));
  const std::string folder = FolderOf(path);
  if (::access(folder.c_str(), W_OK | X_OK) != 0)
    throw StoreError("cannot write in the history's folder " + Quoted(folder) + ": " +
                     SystemErrorText(errno));
}

void Maintain(Store::Impl& impl, std::optional<PruneReport>& pruned) {
  impl.Guarded([&] {
    const std::chrono::sys_seconds now = impl.Now();
    const std::string last =
        impl.db().Value("SELECT value FROM meta WHERE key = 'maintained'").toString().toStdString();
    if (!last.empty() && last > detail::IsoTime(now - std::chrono::days(1))) return 0;
    const std::string verdict = impl.db().Value("PRAGMA quick_check").toString().toStdString();
    if (verdict != "ok")
      throw detail::DamagedStore("history file " + Quoted(impl.path) + " failed its check: " + verdict);
    pruned = detail::PruneIn(impl, now);
    detail::Statement mark(impl.db(), "INSERT OR REPLACE INTO meta(key, value) VALUES('maintained', ?)");
    mark.BindText(detail::IsoTime(now)).Run();
    return 0;
  });
}

}  // namespace

Store::Impl::Impl(std::string path_, Clock clock)
    : path(std::move(path_)),
      writer(detail::ThisProcess()),
      clock_(clock ? std::move(clock) : Clock(SystemNow)) {}

bool Store::Impl::Session::Prepare(detail::Connection& connection) {
  // Only before the first table, and before the log: lets a prune give pages back.
  if (detail::CheckOwnership(connection)) connection.Run("PRAGMA auto_vacuum = INCREMENTAL");
  // A kill loses nothing either way; only a power cut may take the newest
  // records, never the store.
  connection.Run("PRAGMA synchronous = NORMAL");
  const std::string mode = connection.Value("PRAGMA journal_mode = WAL").toString().toStdString();
  if (mode != "wal")
    throw StoreError("history file " + Quoted(connection.path()) + " cannot use its write-ahead log");
  detail::BringUpToDate(connection);
  return true;
}

void Store::Impl::Connect() {
  session_.reset();
  session_ = std::make_unique<Session>(path, frames_);
}

Store::Impl::Session& Store::Impl::Live() {
  if (!session_)
    throw StoreError("history file " + Quoted(path) + " was set aside and no new one could be started");
  return *session_;
}

std::string Store::Impl::SetAsideAndRestart() {
  session_.reset();
  std::string aside = path + ".corrupt-" + detail::CompactTime(Now());
  struct stat status {};
  for (int n = 2; ::lstat(aside.c_str(), &status) == 0; ++n)
    aside = path + ".corrupt-" + detail::CompactTime(Now()) + "-" + IntToStr(n);
  if (::rename(path.c_str(), aside.c_str()) != 0)
    throw StoreError("cannot set the damaged history file " + Quoted(path) +
                     " aside: " + SystemErrorText(errno));
  for (const char* suffix : {"-wal", "-shm"}) {
    if (::rename((path + suffix).c_str(), (aside + suffix).c_str()) != 0 && errno != ENOENT)
      throw StoreError("cannot set " + Quoted(path + suffix) + " aside: " + SystemErrorText(errno));
  }
  setAside = aside;
  CreateStoreFile(path);
  Connect();
  return aside;
}

std::string Store::Impl::SetAsideWith(const std::string& why) {
  try {
    return why + "; it was set aside as " + Quoted(SetAsideAndRestart()) + " and a new one started";
  } catch (const StoreError& failure) {
    return why + "; " + failure.message();
  }
}

OpenResult Store::Open(const std::string& path, const OpenOptions& options) {
  OpenResult result;
  try {
    PrepareFile(path);
    auto impl = std::make_unique<Impl>(path, options.clock);
    // A file of another kind is moved before SQLite opens it, which could
    // take its -wal for its own.
    if (!LooksLikeSqlite(path)) {
      impl->SetAsideAndRestart();
    } else {
      try {
        impl->Connect();
      } catch (const detail::DamagedStore&) {
        impl->SetAsideAndRestart();
      }
    }
    std::unique_ptr<Store> store(new Store(std::move(impl)));
    Impl& opened = *store->impl_;
    try {
      result.settled = store->Settle();
      if (options.maintenance == Maintenance::WhenDue) Maintain(opened, result.pruned);
    } catch (const StoreError& failure) {
      // The store still takes new sets; what was left is tried again next time.
      result.problems.push_back(failure.message());
    }
    result.setAside = opened.setAside;
    result.store = std::move(store);
    result.status = OpenStatus::Opened;
  } catch (const StoreError& failure) {
    result.status = OpenStatus::Unavailable;
    result.reason = failure.message();
  } catch (const std::exception& failure) {
    result.status = OpenStatus::Unavailable;
    result.reason = std::string("history: ") + failure.what();
  }
  return result;
}

Store::Store(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
Store::~Store() = default;

const std::string& Store::path() const { return impl_->path; }

std::optional<PruneReport> Store::MaintainWhenDue() {
  std::optional<PruneReport> pruned;
  Maintain(*impl_, pruned);
  return pruned;
}

namespace detail {

namespace {

std::string Digits(long long value, int width) {
  std::string text = IntToStr(value);
  return std::string(text.size() < static_cast<std::size_t>(width) ? width - text.size() : 0, '0') + text;
}

struct Parts {
  std::string year, month, day, hour, minute, second;
};

Parts PartsOf(std::chrono::sys_seconds time) {
  using namespace std::chrono;
  const sys_days days = floor<std::chrono::days>(time);
  const year_month_day date(days);
  const hh_mm_ss<seconds> clock(time - days);
  return {Digits(static_cast<int>(date.year()), 4),     Digits(static_cast<unsigned>(date.month()), 2),
          Digits(static_cast<unsigned>(date.day()), 2), Digits(clock.hours().count(), 2),
          Digits(clock.minutes().count(), 2),           Digits(clock.seconds().count(), 2)};
}

}  // namespace

std::string IsoTime(std::chrono::sys_seconds time) {
  const Parts p = PartsOf(time);
  return p.year + "-" + p.month + "-" + p.day + "T" + p.hour + ":" + p.minute + ":" + p.second + "Z";
}

std::string CompactTime(std::chrono::sys_seconds time) {
  const Parts p = PartsOf(time);
  return p.year + p.month + p.day + "T" + p.hour + p.minute + p.second + "Z";
}

}  // namespace detail

}  // namespace ostrak::history
