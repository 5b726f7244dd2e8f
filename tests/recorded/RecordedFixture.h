#pragma once

// A history place of the test's own, a folder of fighter files in it, and a
// commit of whole files recorded through a journal, as every writer makes one.

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "history/HistoryStore.h"
#include "recorded/RecordedHistory.h"
#include "roster/Roster.h"
#include "support/TempDirectory.h"

namespace ostrak::test {

class RecordedFolder {
public:
  RecordedFolder();

  history::HistoryPlace place() const { return {dir / "data/history.sqlite", dir / "config/history.ini"}; }
  // The fighter folder, canonical, ending in '/'.
  const std::string& files() const { return files_; }
  std::string File(const std::string& name) const { return files_ + name; }

  recorded::WriterHistory Open(history::HistoryUse use = history::HistoryUse::On) const {
    return recorded::WriterHistory::Open(place(), use);
  }
  // Each file named under files() gets its bytes (none: removed) in one
  // commit, journalled by `journal`; the commit's failure message, or "".
  static std::string Commit(const std::string& base, const std::vector<roster::FileWrite>& writes,
                            roster::CommitJournal* journal);
  std::string Commit(const std::vector<roster::FileWrite>& writes, roster::CommitJournal* journal) const {
    return Commit(files_, writes, journal);
  }

  TempDirectory dir;

private:
  std::string files_;
};

// A 28-line fighter file whose first attribute is `punches`.
std::string Fighter(int punches);

// The disk as a test leaves it: a file's bytes, or none for no file.
void Put(const std::string& path, const history::Content& content);
history::Content Held(const std::string& path);

}  // namespace ostrak::test
