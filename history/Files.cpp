#include "history/Files.h"

#include <algorithm>

namespace ostrak::history::detail {

namespace {

struct Parts {
  std::string folder;  // "/" for a file at the root
  std::string name;
};

Parts Split(const std::string& key) {
  const std::size_t slash = key.rfind('/');
  return {slash == 0 ? "/" : key.substr(0, slash), key.substr(slash + 1)};
}

// Large enough for a million files in one set, as packed numbers.
constexpr std::size_t kMaxListBytes = 64 * 1024 * 1024;

}  // namespace

std::string PathKey(const std::string& path) {
  std::string key = path;
  while (key.size() > 1 && key.back() == '/') key.pop_back();
  return key;
}

Files::Files(Connection& connection)
    : folder_(connection, "SELECT id FROM folder WHERE path = ?"),
      newFolder_(connection, "INSERT INTO folder(path) VALUES(?)"),
      file_(connection, "SELECT id FROM file WHERE folder = ? AND name = ?"),
      newFile_(connection, "INSERT INTO file(folder, name) VALUES(?, ?)"),
      path_(connection, "SELECT d.path, f.name FROM file f JOIN folder d ON d.id = f.folder WHERE f.id = ?") {
}

std::int64_t Files::FolderOf(const std::string& folder) {
  folder_.BindBytes(folder).Run();
  if (folder_.Next()) {
    const std::int64_t id = folder_.Int(0);
    folder_.Finish();
    return id;
  }
  newFolder_.BindBytes(folder).Run();
  return newFolder_.LastId();
}

std::int64_t Files::IdOf(const std::string& path) {
  const Parts parts = Split(PathKey(path));
  const std::int64_t folder = FolderOf(parts.folder);
  file_.Bind(folder).BindBytes(parts.name).Run();
  if (file_.Next()) {
    const std::int64_t id = file_.Int(0);
    file_.Finish();
    return id;
  }
  newFile_.Bind(folder).BindBytes(parts.name).Run();
  return newFile_.LastId();
}

std::optional<std::int64_t> Files::Find(const std::string& path) {
  const Parts parts = Split(PathKey(path));
  folder_.BindBytes(parts.folder).Run();
  if (!folder_.Next()) return std::nullopt;
  const std::int64_t folder = folder_.Int(0);
  folder_.Finish();
  file_.Bind(folder).BindBytes(parts.name).Run();
  if (!file_.Next()) return std::nullopt;
  const std::int64_t id = file_.Int(0);
  file_.Finish();
  return id;
}

std::string Files::PathOf(std::int64_t id) {
  path_.Bind(id).Run();
  if (!path_.Next()) throw DamagedStore("damaged history: a file of a change set is missing");
  const std::string folder = path_.Bytes(0);
  const std::string name = path_.Bytes(1);
  path_.Finish();
  return (folder == "/" ? folder : folder + "/") + name;
}

Below FileBelow(const std::string& path) {
  const std::string key = PathKey(path);
  if (key == "/") return {"1", {}};
  const Parts parts = Split(key);
  // The file itself, or a folder at or below it: '0' follows '/', so the
  // paths below a folder sort between the two.
  return {
      "(f.folder IN (SELECT id FROM folder WHERE path = ? OR (path >= ? AND path < ?))"
      " OR (f.name = ? AND f.folder = (SELECT id FROM folder WHERE path = ?)))",
      {key, key + "/", key + "0", parts.name, parts.folder}};
}

void BindAll(Statement& statement, const std::vector<std::string>& values) {
  for (const std::string& value : values) statement.BindBytes(value);
}

std::string PackFileList(std::vector<std::int64_t> ids, Frames& frames) {
  std::sort(ids.begin(), ids.end());
  std::string packed;
  std::int64_t previous = 0;
  for (const std::int64_t id : ids) {
    auto gap = static_cast<std::uint64_t>(id - previous);
    previous = id;
    do {
      packed += static_cast<char>((gap & 0x7F) | (gap > 0x7F ? 0x80 : 0));
      gap >>= 7;
    } while (gap);
  }
  return frames.Compress(packed, {});
}

std::vector<std::int64_t> UnpackFileList(const std::string& packed, Frames& frames) {
  const std::string gaps = frames.Decompress(packed, {}, kMaxListBytes);
  std::vector<std::int64_t> ids;
  std::uint64_t value = 0;
  int shift = 0;
  std::uint64_t previous = 0;
  for (const char c : gaps) {
    if (shift > 56) throw DamagedStore("damaged history: a change set's file list cannot be read");
    value |= static_cast<std::uint64_t>(static_cast<unsigned char>(c) & 0x7F) << shift;
    shift += 7;
    if (static_cast<unsigned char>(c) & 0x80) continue;
    previous += value;
    ids.push_back(static_cast<std::int64_t>(previous));
    value = 0;
    shift = 0;
  }
  if (shift != 0) throw DamagedStore("damaged history: a change set's file list cannot be read");
  return ids;
}

std::vector<std::int64_t> FilesOfSet(Connection& connection, Frames& frames, std::int64_t set) {
  Statement row(connection, "SELECT files FROM change_set WHERE id = ?");
  row.Bind(set).Run();
  if (!row.Next()) return {};
  return UnpackFileList(row.Bytes(0), frames);
}

void ListFiles(Connection& connection, const std::vector<std::int64_t>& ids) {
  connection.Run("CREATE TEMP TABLE IF NOT EXISTS listed(id INTEGER PRIMARY KEY)");
  connection.Run("DELETE FROM temp.listed");
  Statement add(connection, "INSERT OR IGNORE INTO temp.listed(id) VALUES(?)");
  for (const std::int64_t id : ids) add.Bind(id).Run();
}

}  // namespace ostrak::history::detail
