#include "history/Schema.h"

#include <iterator>
#include <string>

#include "core/IntToStr.h"

namespace ostrak::history::detail {

namespace {

// content: each distinct content once, found through content_key (the
// first four bytes of its SHA-256 as a number). A frame made against another
// content names it as `base`; `depth` counts the frames read to rebuild it
// (an upper bound once pruning has rebuilt one on its way).
// folder, file: each canonical path once, so that the rows of a set hold
// small numbers.
// change_set.kind: SetKind's order; files: its file numbers, packed;
// writer_*: who is writing a pending set.
// change_file: a file's versions side by side; before/after NULL when there
// was no file.
constexpr const char* kVersion1[] = {
    "CREATE TABLE meta(key TEXT PRIMARY KEY, value TEXT NOT NULL) WITHOUT ROWID",
    "CREATE TABLE content(id INTEGER PRIMARY KEY AUTOINCREMENT, base INTEGER, depth INTEGER NOT NULL,"
    " frame BLOB NOT NULL)",
    "CREATE TABLE content_key(key INTEGER NOT NULL, id INTEGER NOT NULL, PRIMARY KEY(key, id)) WITHOUT ROWID",
    "CREATE TABLE folder(id INTEGER PRIMARY KEY, path BLOB NOT NULL UNIQUE)",
    "CREATE TABLE file(id INTEGER PRIMARY KEY, folder INTEGER NOT NULL, name BLOB NOT NULL, UNIQUE(folder, "
    "name))",
    "CREATE TABLE change_set(id INTEGER PRIMARY KEY AUTOINCREMENT, time TEXT NOT NULL, command TEXT NOT NULL,"
    " kind INTEGER NOT NULL, reverts INTEGER, state INTEGER NOT NULL, file_count INTEGER NOT NULL,"
    " files BLOB NOT NULL, writer_pid INTEGER, writer_token TEXT, note TEXT NOT NULL DEFAULT '')",
    "CREATE INDEX change_set_by_reverts ON change_set(reverts) WHERE reverts IS NOT NULL",
    "CREATE INDEX change_set_pending ON change_set(state) WHERE state = 0",
    "CREATE TABLE change_file(file_id INTEGER NOT NULL, set_id INTEGER NOT NULL, before INTEGER, after "
    "INTEGER,"
    " PRIMARY KEY(file_id, set_id)) WITHOUT ROWID",
    "CREATE TABLE draft(slot INTEGER PRIMARY KEY CHECK (slot = 1), time TEXT NOT NULL, frame BLOB NOT NULL)",
};

struct Step {
  const char* const* statements;
  std::size_t count;
};

// Step i brings version i to version i + 1.
constexpr Step kSteps[] = {{kVersion1, std::size(kVersion1)}};
static_assert(std::size(kSteps) == kSchemaVersion);

}  // namespace

namespace {

void RefuseNewer(const Connection& connection, int found) {
  if (found > kSchemaVersion)
    throw StoreError("history file \"" + connection.path() +
                     "\" was made by a newer version of the program (format " + IntToStr(found) +
                     "; this one knows up to " + IntToStr(kSchemaVersion) + ")");
}

}  // namespace

bool CheckOwnership(Connection& connection) {
  const int found = connection.Value("PRAGMA user_version").toInt();
  RefuseNewer(connection, found);
  if (found != 0) return false;
  if (connection.Value("SELECT count(*) FROM sqlite_master").toInt() != 0)
    throw DamagedStore("history file \"" + connection.path() + "\" holds the tables of another program");
  return true;
}

void BringUpToDate(Connection& connection) {
  if (connection.Value("PRAGMA user_version").toInt() == kSchemaVersion) return;
  WriteTransaction transaction(connection);
  // Read again under the lock: another process may have got there first.
  const int found = connection.Value("PRAGMA user_version").toInt();
  RefuseNewer(connection, found);
  if (found == 0 && connection.Value("SELECT count(*) FROM sqlite_master").toInt() != 0)
    throw DamagedStore("history file \"" + connection.path() + "\" holds the tables of another program");
  for (int version = found; version < kSchemaVersion; ++version) {
    const Step& step = kSteps[version];
    for (std::size_t i = 0; i < step.count; ++i) connection.Run(step.statements[i]);
  }
  connection.Run(("PRAGMA user_version = " + IntToStr(kSchemaVersion)).c_str());
  transaction.Commit();
}

}  // namespace ostrak::history::detail
