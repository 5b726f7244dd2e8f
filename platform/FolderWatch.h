#pragma once

// Tells when anything changes in a tree of folders: a file created, removed,
// renamed, written (in place too) or given new attributes, through inotify.
// Folders, not files: a file's own watch goes silent once an atomic save
// replaces it. Qt's own folder watch does not report a file written in
// place, which is how the editor saves a file with several links.
//
// The tree is followed by name. An inotify watch sticks to an inode, so a
// folder renamed away or removed ends its watch (IN_MOVE_SELF, IN_IGNORED)
// and reports a change; the top folder's parent is watched for its name, so
// a folder made again under it is seen too. The walk that reads the tree
// watches every folder it enters before reading it: the folder now under
// each name is watched anew at every walk, and nothing made while a folder
// is read goes unseen.

#include <QObject>
#include <QSocketNotifier>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>

#include "core/FileDescriptor.h"

namespace ostrak {

// The watches themselves, shared with the thread that walks the tree; it
// may outlive the FolderWatch that reads its events.
class WatchedTree {
public:
  WatchedTree();
  WatchedTree(const WatchedTree&) = delete;
  WatchedTree& operator=(const WatchedTree&) = delete;

  // False when inotify is not available at all.
  bool Usable() const { return inotify_.get() >= 0; }
  int Descriptor() const { return inotify_.get(); }

  // The tree under `top` (no trailing '/') from now on; every watch of
  // before is dropped.
  void Follow(const std::string& top);

  // One walk over the tree, from one thread at a time. Enter watches the
  // folder open at `folder` (named `path`), which the walk is about to read;
  // false when it cannot be watched (inotify's limit, no permission). End
  // drops the watches of folders the walk did not enter and says whether
  // every folder it entered is watched.
  void BeginPass();
  bool Enter(int folder, const std::string& path);
  bool EndPass();

  // Reads the events waiting, forgets the watches they end; true when any
  // of them may change what the tree holds.
  bool ReadEvents();

private:
  void WatchParent();
  void Drop(int watch);

  FileDescriptor inotify_;
  mutable std::mutex mutex_;
  std::string top_;
  std::string topName_;  // the top folder's name in its parent
  int parentWatch_ = -1;
  std::map<int, std::string> folders_;  // by watch descriptor
  std::set<int> entered_;               // in the pass under way
  bool passWatchedAll_ = true;
};

class FolderWatch : public QObject {
  Q_OBJECT

public:
  explicit FolderWatch(QObject* parent = nullptr);
  ~FolderWatch() override;

  // What the walking thread needs.
  const std::shared_ptr<WatchedTree>& Tree() const { return tree_; }

signals:
  // Once per batch of events read; a caller that rescans should coalesce.
  void Changed();

private:
  std::shared_ptr<WatchedTree> tree_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace ostrak
