#pragma once

// A store in a fresh folder with a clock the test turns, fighter-like file
// contents, and a look into the store's tables for what the API does not
// show (how contents are kept).

#include <gtest/gtest.h>

#include <chrono>
#include <memory>
#include <optional>
#include <string>

#include "history/HistoryStore.h"
#include "support/TempDirectory.h"

namespace ostrak::test {

using namespace std::chrono_literals;

class StoreFolder {
public:
  std::string store() const { return dir / "data/ostrak-editor/history.sqlite"; }
  std::string File(const std::string& name) const { return dir / ("files/" + name); }

  history::OpenResult OpenResult(history::Maintenance maintenance = history::Maintenance::Never) const {
    return history::Store::Open(store(), {[this] { return now; }, maintenance});
  }
  std::unique_ptr<history::Store> Open(history::Maintenance maintenance = history::Maintenance::Never) const {
    history::OpenResult opened = OpenResult(maintenance);
    EXPECT_EQ(opened.status, history::OpenStatus::Opened) << opened.reason;
    return std::move(opened.store);
  }

  TempDirectory dir;
  std::chrono::sys_seconds now = std::chrono::sys_days{std::chrono::year{2024} / 5 / 1} + 12h;
};

// A 28-line fighter file whose first attribute is `punches`.
inline std::string Fighter(int punches, const std::string& name = "Jos\xE9 Mu\xF1oz") {
  std::string text = std::to_string(punches) + "\r\n";
  for (int line = 1; line < 17; ++line) text += std::to_string(1 + (line * 7) % 20) + "\r\n";
  text += name + "\r\nPepe\r\n2\r\n0\r\n180 cm\r\n77 kg\r\n3\r\nPer\xFA\r\n01/02/1990\r\n12345\r\n1\r\n";
  return text;
}

// One number from the store's tables, read through a connection of the test's own.
long long Peek(const std::string& store, const std::string& sql);

// The disk as a test leaves it: a file's bytes, or none for no file.
void Put(const std::string& path, const history::Content& content);
history::Content Held(const std::string& path);

// A writer that records `files` and is killed before it marks them done:
// Begin runs in a child process that then ends without another word.
history::ChangeSetId BeginAndDie(const StoreFolder& folder, const std::string& command,
                                 const std::vector<history::FileChange>& files);

}  // namespace ostrak::test
