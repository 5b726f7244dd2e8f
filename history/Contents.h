#pragma once

// Each distinct content once, found by the first four bytes of its SHA-256
// and confirmed byte for byte (a whole digest per content would cost more
// than the change itself), kept as a zstd frame made against an earlier
// content (its base) so that a small change costs a small frame. A chain of
// bases is cut by a frame on its own every kMaxDepth + 1 contents, so
// rebuilding any content reads a bounded number of frames.

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <unordered_map>

#include "history/Database.h"
#include "history/Zstd.h"

namespace ostrak::history::detail {

inline constexpr int kMaxDepth = 63;
// Larger contents are refused; no fighter file comes near.
inline constexpr std::size_t kMaxContentBytes = 64 * 1024 * 1024;

struct StoredContent {
  std::int64_t id = 0;
  int depth = 0;
};

class Contents {
public:
  Contents(Connection& connection, Frames& frames);

  // The content holding `bytes`: the one already stored, else a new one made
  // against `base` while its chain is short enough. `baseBytes`, when given,
  // are the base's bytes, which spares rebuilding them.
  StoredContent Put(const std::string& bytes, const std::optional<StoredContent>& base,
                    const std::string* baseBytes);
  std::string Load(std::int64_t id);
  std::size_t SizeOf(std::int64_t id);
  // Rebuilds the content as a frame on its own, before its base goes.
  void MakeStandalone(std::int64_t id);
  // Drops every content remembered: their ids may be given anew.
  void Forget();

private:
  struct Row {
    std::optional<std::int64_t> base;
    std::string frame;
  };
  Row Fetch(std::int64_t id);
  void Remember(std::int64_t id, const std::string& bytes);

  Connection& connection_;
  Frames& frames_;
  Statement candidates_;
  Statement row_;
  Statement insert_;
  Statement key_;
  // Recently rebuilt or stored contents: the next version of a file is made
  // against the last. A committed id is never reused, and a content never changes.
  std::unordered_map<std::int64_t, std::string> cache_;
  std::deque<std::int64_t> cacheOrder_;
  std::size_t cacheBytes_ = 0;
};

}  // namespace ostrak::history::detail
