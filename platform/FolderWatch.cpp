#include "platform/FolderWatch.h"

#include <sys/inotify.h>
#include <unistd.h>

#include <array>

namespace ostrak {

namespace {

// A write counts once its writer closes the file.
constexpr std::uint32_t kEvents = IN_CREATE | IN_DELETE | IN_MOVED_FROM | IN_MOVED_TO | IN_CLOSE_WRITE |
                                  IN_ATTRIB | IN_DELETE_SELF | IN_MOVE_SELF | IN_ONLYDIR;

}  // namespace

FolderWatch::FolderWatch(QObject* parent) : QObject(parent) { Open(); }

FolderWatch::~FolderWatch() = default;

void FolderWatch::Open() {
  notifier_.reset();
  inotify_.reset();
  inotify_.emplace(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC));
  if (Descriptor() < 0) return;
  notifier_ = std::make_unique<QSocketNotifier>(Descriptor(), QSocketNotifier::Read);
  connect(notifier_.get(), &QSocketNotifier::activated, this, &FolderWatch::Read);
}

bool FolderWatch::Add(const std::string& folder) {
  return Descriptor() >= 0 && ::inotify_add_watch(Descriptor(), folder.c_str(), kEvents) >= 0;
}

// Watch descriptors cannot be listed; a new instance drops them all.
void FolderWatch::Clear() { Open(); }

void FolderWatch::Read() {
  alignas(inotify_event) std::array<char, 16384> buffer;
  bool any = false;
  while (::read(Descriptor(), buffer.data(), buffer.size()) > 0) any = true;
  if (any) emit Changed();
}

}  // namespace ostrak
