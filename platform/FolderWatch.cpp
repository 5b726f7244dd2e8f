#include "platform/FolderWatch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstring>

namespace ostrak {

namespace {

// A write counts once its writer closes the file.
constexpr std::uint32_t kFolderEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_CLOSE_WRITE |
                                        IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;
// In the parent, only what can put another folder under the top's name or
// make it readable.
constexpr std::uint32_t kParentEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_ATTRIB |
                                        IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

}  // namespace

WatchedTree::WatchedTree() : inotify_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {}

void WatchedTree::Follow(const std::string& top) {
  const std::lock_guard lock(mutex_);
  for (const auto& [watch, path] : folders_) ::inotify_rm_watch(Descriptor(), watch);
  folders_.clear();
  entered_.clear();
  if (parentWatch_ >= 0) ::inotify_rm_watch(Descriptor(), parentWatch_);
  parentWatch_ = -1;
  top_ = top;
  while (top_.size() > 1 && top_.ends_with('/')) top_.pop_back();
  const auto slash = top_.rfind('/');
  topName_ = slash == std::string::npos ? top_ : top_.substr(slash + 1);
  WatchParent();
}

// The root has no parent to watch; a parent that cannot be watched leaves
// the walks to find a new top folder.
void WatchedTree::WatchParent() {
  if (!Usable() || parentWatch_ >= 0 || topName_.empty()) return;
  const auto slash = top_.rfind('/');
  const std::string parent = slash == std::string::npos ? "." : slash == 0 ? "/" : top_.substr(0, slash);
  parentWatch_ = ::inotify_add_watch(Descriptor(), parent.c_str(), kParentEvents);
}

void WatchedTree::BeginPass() {
  const std::lock_guard lock(mutex_);
  entered_.clear();
  passWatchedAll_ = Usable();
  WatchParent();
  if (parentWatch_ < 0 && !topName_.empty()) passWatchedAll_ = false;
}

bool WatchedTree::Enter(int folder, const std::string& path) {
  if (!Usable()) return false;
  // Through the open descriptor, so that the folder watched is the very one
  // read, whatever its name holds by now; by name where /proc is missing.
  int watch =
      ::inotify_add_watch(Descriptor(), ("/proc/self/fd/" + std::to_string(folder)).c_str(), kFolderEvents);
  if (watch < 0 && errno == ENOENT) watch = ::inotify_add_watch(Descriptor(), path.c_str(), kFolderEvents);
  const std::lock_guard lock(mutex_);
  if (watch < 0) {
    passWatchedAll_ = false;
    return false;
  }
  folders_[watch] = path;
  entered_.insert(watch);
  return true;
}

bool WatchedTree::EndPass() {
  const std::lock_guard lock(mutex_);
  for (auto it = folders_.begin(); it != folders_.end();) {
    if (entered_.contains(it->first)) {
      ++it;
    } else {
      ::inotify_rm_watch(Descriptor(), it->first);
      it = folders_.erase(it);
    }
  }
  entered_.clear();
  return passWatchedAll_;
}

// A folder renamed away is no longer the one under its name: its watch goes,
// and the walk that the change calls for watches what the name holds now.
void WatchedTree::Drop(int watch) {
  if (folders_.erase(watch) > 0) ::inotify_rm_watch(Descriptor(), watch);
}

bool WatchedTree::ReadEvents() {
  alignas(inotify_event) std::array<char, 16384> buffer;
  bool changed = false;
  const std::lock_guard lock(mutex_);
  for (;;) {
    const ssize_t count = ::read(Descriptor(), buffer.data(), buffer.size());
    if (count <= 0) break;
    for (ssize_t at = 0; at < count;) {
      inotify_event event;
      std::memcpy(&event, buffer.data() + at, sizeof event);
      const char* name = buffer.data() + at + sizeof event;
      at += static_cast<ssize_t>(sizeof event + event.len);
      if (event.mask & IN_Q_OVERFLOW) {
        changed = true;
      } else if (event.wd == parentWatch_) {
        if (event.mask & (IN_DELETE_SELF | IN_MOVE_SELF | IN_IGNORED)) {
          // Watched anew by the next walk, by name.
          if (!(event.mask & IN_IGNORED)) ::inotify_rm_watch(Descriptor(), parentWatch_);
          parentWatch_ = -1;
          changed = true;
        } else if (event.len > 0 && topName_ == name) {
          changed = true;
        }
      } else if (folders_.contains(event.wd)) {
        if (event.mask & IN_IGNORED) {
          folders_.erase(event.wd);
        } else if (event.mask & IN_MOVE_SELF) {
          Drop(event.wd);
        }
        changed = true;
      }
      // Anything else is from a watch already dropped.
    }
  }
  return changed;
}

FolderWatch::FolderWatch(QObject* parent) : QObject(parent), tree_(std::make_shared<WatchedTree>()) {
  if (!tree_->Usable()) return;
  notifier_ = std::make_unique<QSocketNotifier>(tree_->Descriptor(), QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, [this] {
    if (tree_->ReadEvents()) emit Changed();
  });
}

FolderWatch::~FolderWatch() = default;

}  // namespace ostrak
