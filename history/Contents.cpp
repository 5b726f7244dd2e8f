#include "history/Contents.h"

#include <QByteArray>
#include <QCryptographicHash>

#include <vector>

namespace ostrak::history::detail {

namespace {

constexpr std::size_t kCacheBytes = 4 * 1024 * 1024;

struct Row {
  std::int64_t id = 0;
  std::size_t size = 0;
  std::optional<std::int64_t> base;
  std::string frame;
};

}  // namespace

std::string Sha256(const std::string& bytes) {
  return QCryptographicHash::hash(QByteArrayView(bytes.data(), static_cast<qsizetype>(bytes.size())),
                                  QCryptographicHash::Sha256)
      .toStdString();
}

Contents::Contents(Connection& connection, Frames& frames)
    : connection_(connection),
      frames_(frames),
      find_(connection, "SELECT id, depth FROM content WHERE sha256 = ?"),
      row_(connection, "SELECT size, base, frame FROM content WHERE id = ?"),
      insert_(connection, "INSERT INTO content(sha256, size, base, depth, frame) VALUES(?, ?, ?, ?, ?)") {}

StoredContent Contents::Put(const std::string& bytes, const std::optional<StoredContent>& base,
                            const std::string* baseBytes) {
  if (bytes.size() > kMaxContentBytes)
    throw StoreError("a file of more than 64 MiB is not kept in the history");
  const std::string digest = Sha256(bytes);
  find_.BindBytes(digest).Run();
  if (find_.Next()) {
    const StoredContent found{find_.Int(0), static_cast<int>(find_.Int(1))};
    find_.Finish();
    return found;
  }
  std::string rebuilt;
  const bool againstBase = base && base->depth < kMaxDepth;
  if (againstBase && !baseBytes) {
    rebuilt = Load(base->id);
    baseBytes = &rebuilt;
  }
  const std::string frame =
      frames_.Compress(bytes, againstBase ? std::string_view(*baseBytes) : std::string_view());
  insert_.BindBytes(digest).Bind(static_cast<std::int64_t>(bytes.size()));
  if (againstBase)
    insert_.Bind(base->id);
  else
    insert_.BindNull();
  const int depth = againstBase ? base->depth + 1 : 0;
  insert_.Bind(depth).BindBytes(frame).Run();
  const StoredContent stored{insert_.LastId(), depth};
  Remember(stored.id, bytes);
  return stored;
}

std::string Contents::Load(std::int64_t id) {
  if (const auto cached = cache_.find(id); cached != cache_.end()) return cached->second;
  // Down the chain to a frame on its own or one already rebuilt, then up again.
  std::vector<Row> chain;
  std::string bytes;
  for (std::int64_t next = id;;) {
    if (chain.size() > 4 * (kMaxDepth + 1))
      throw DamagedStore("damaged history: a content's chain does not end");
    if (const auto cached = cache_.find(next); cached != cache_.end()) {
      bytes = cached->second;
      break;
    }
    row_.Bind(next).Run();
    if (!row_.Next()) throw DamagedStore("damaged history: a content is missing");
    Row row{next, static_cast<std::size_t>(row_.Int(0)), std::nullopt, row_.Bytes(2)};
    if (!row_.IsNull(1)) row.base = row_.Int(1);
    row_.Finish();
    if (row.size > kMaxContentBytes) throw DamagedStore("damaged history: a content is too large");
    chain.push_back(std::move(row));
    if (!chain.back().base) break;
    next = *chain.back().base;
  }
  for (auto row = chain.rbegin(); row != chain.rend(); ++row) {
    try {
      bytes =
          frames_.Decompress(row->frame, row->size, row->base ? std::string_view(bytes) : std::string_view());
    } catch (const DamagedStore&) {
      throw;
    } catch (const StoreError& failure) {
      throw DamagedStore(failure.message());
    }
  }
  Remember(id, bytes);
  return bytes;
}

void Contents::MakeStandalone(std::int64_t id) {
  const std::string bytes = Load(id);
  Statement update(connection_, "UPDATE content SET base = NULL, depth = 0, frame = ? WHERE id = ?");
  update.BindBytes(frames_.Compress(bytes, {})).Bind(id).Run();
}

void Contents::Remember(std::int64_t id, const std::string& bytes) {
  if (bytes.size() > kCacheBytes / 4 || cache_.count(id)) return;
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
