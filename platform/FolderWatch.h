#pragma once

// Tells when anything changes in a set of folders: a file created, removed,
// renamed, written (in place too) or given new attributes, through inotify.
// Folders, not files: a file's own watch goes silent once an atomic save
// replaces it. Qt's own folder watch does not report a file written in
// place, which is how the editor saves a file with several links.

#include <QObject>
#include <QSocketNotifier>
#include <memory>
#include <optional>
#include <string>

#include "core/FileDescriptor.h"

namespace ostrak {

class FolderWatch : public QObject {
  Q_OBJECT

public:
  explicit FolderWatch(QObject* parent = nullptr);
  ~FolderWatch() override;

  // False when the folder cannot be watched (no inotify, its limit on
  // watches reached, no permission): the caller must look for itself.
  bool Add(const std::string& folder);
  // Forgets every folder.
  void Clear();

signals:
  // Once per batch of events read; a caller that rescans should coalesce.
  void Changed();

private:
  void Open();
  void Read();
  int Descriptor() const { return inotify_ ? inotify_->get() : -1; }

  std::optional<FileDescriptor> inotify_;
  std::unique_ptr<QSocketNotifier> notifier_;
};

}  // namespace ostrak
