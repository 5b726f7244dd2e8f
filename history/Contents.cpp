#include "history/Contents.h"

#include <QByteArray>
#include <QCryptographicHash>

#include <vector>

namespace ostrak::history::detail {

namespace {

constexpr std::size_t kCacheBytes = 8 * 1024 * 1024;

std::int64_t KeyOf(const std::string& bytes) {
  const QByteArray digest = QCryptographicHash::hash(
      QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())), QCryptographicHash::Sha256);
  std::int64_t key = 0;
  for (int i = 0; i < 4; ++i) key = key << 8 | static_cast<unsigned char>(digest[i]);
  return key;
}

}  // namespace

Contents::Contents(Connection& connection, Frames& frames)
    : connection_(connection),
      frames_(frames),
      candidates_(connection,
                  "SELECT k.id, c.depth FROM content_key k JOIN content c ON c.id = k.id WHERE k.key = ?"),
      row_(connection, "SELECT base, frame FROM content WHERE id = ?"),
      insert_(connection, "INSERT INTO content(base, depth, frame) VALUES(?, ?, ?)"),
      key_(connection, "INSERT INTO content_key(key, id) VALUES(?, ?)") {}

StoredContent Contents::Put(const std::string& bytes, const std::optional<StoredContent>& base,
                            const std::string* baseBytes) {
  if (bytes.size() > kMaxContentBytes)
    throw StoreError("a file of more than 64 MiB is not kept in the history");
  const std::int64_t key = KeyOf(bytes);
  std::vector<StoredContent> found;
  candidates_.Bind(key).Run();
  while (candidates_.Next()) found.push_back({candidates_.Int(0), static_cast<int>(candidates_.Int(1))});
  for (const StoredContent& candidate : found) {
    const bool same =
        base && baseBytes && candidate.id == base->id ? *baseBytes == bytes : Load(candidate.id) == bytes;
    if (same) return candidate;
  }
  std::string rebuilt;
  const bool againstBase = base && base->depth < kMaxDepth;
  if (againstBase && !baseBytes) {
    rebuilt = Load(base->id);
    baseBytes = &rebuilt;
  }
  const std::string frame =
      frames_.Compress(bytes, againstBase ? std::string_view(*baseBytes) : std::string_view());
  if (againstBase)
    insert_.Bind(base->id);
  else
    insert_.BindNull();
  const int depth = againstBase ? base->depth + 1 : 0;
  insert_.Bind(depth).BindBytes(frame).Run();
  const StoredContent stored{insert_.LastId(), depth};
  key_.Bind(key).Bind(stored.id).Run();
  Remember(stored.id, bytes);
  return stored;
}

Contents::Row Contents::Fetch(std::int64_t id) {
  row_.Bind(id).Run();
  if (!row_.Next()) throw DamagedStore("damaged history: a content is missing");
  Row row{std::nullopt, row_.Bytes(1)};
  if (!row_.IsNull(0)) row.base = row_.Int(0);
  row_.Finish();
  return row;
}

std::string Contents::Load(std::int64_t id) {
  // Down the chain to a frame on its own or a content already rebuilt, then
  // up again, keeping each on the way: the neighbours of a file share them.
  std::vector<std::pair<std::int64_t, Row>> chain;
  std::string bytes;
  for (std::int64_t next = id;;) {
    if (const auto cached = cache_.find(next); cached != cache_.end()) {
      bytes = cached->second;
      break;
    }
    if (chain.size() > kMaxDepth + 1) throw DamagedStore("damaged history: a content's chain does not end");
    chain.emplace_back(next, Fetch(next));
    if (!chain.back().second.base) break;
    next = *chain.back().second.base;
  }
  for (auto link = chain.rbegin(); link != chain.rend(); ++link) {
    const Row& row = link->second;
    bytes = frames_.Decompress(row.frame, row.base ? std::string_view(bytes) : std::string_view(),
                               kMaxContentBytes);
    Remember(link->first, bytes);
  }
  return bytes;
}

std::size_t Contents::SizeOf(std::int64_t id) {
  if (const auto cached = cache_.find(id); cached != cache_.end()) return cached->second.size();
  return frames_.SizeOf(Fetch(id).frame, kMaxContentBytes);
}

void Contents::MakeStandalone(std::int64_t id) {
  const std::string bytes = Load(id);
  Statement update(connection_, "UPDATE content SET base = NULL, depth = 0, frame = ? WHERE id = ?");
  update.BindBytes(frames_.Compress(bytes, {})).Bind(id).Run();
}

void Contents::Forget() {
  cache_.clear();
  cacheOrder_.clear();
  cacheBytes_ = 0;
}

void Contents::Remember(std::int64_t id, const std::string& bytes) {
  if (bytes.size() > kCacheBytes / 8 || cache_.count(id)) return;
  while (cacheBytes_ + bytes.size() > kCacheBytes && !cacheOrder_.empty()) {
    const auto oldest = cache_.find(cacheOrder_.front());
    cacheBytes_ -= oldest->second.size();
    cache_.erase(oldest);
    cacheOrder_.pop_front();
  }
  cache_.emplace(id, bytes);
  cacheOrder_.push_back(id);
  cacheBytes_ += bytes.size();
}

}  // namespace ostrak::history::detail
