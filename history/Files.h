#pragma once

// The files of the history: each canonical path once, as a folder and a name
// (ten thousand files of one folder keep its path once), and each change
// set's files as one packed list of their numbers.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "history/Database.h"
#include "history/Zstd.h"

namespace ostrak::history::detail {

// A canonical path as the queries compare it: without a '/' at the end.
std::string PathKey(const std::string& path);

class Files {
public:
  explicit Files(Connection& connection);

  // The file's number, made when the history meets it first.
  std::int64_t IdOf(const std::string& path);
  std::optional<std::int64_t> Find(const std::string& path);
  std::string PathOf(std::int64_t id);

private:
  std::int64_t FolderOf(const std::string& folder);

  Statement folder_, newFolder_, file_, newFile_, path_;
};

// The SQL condition "file `f` (the file table under that name) is `path` or
// lies below it", with the values a Statement binds in their order.
struct Below {
  std::string sql;
  std::vector<std::string> values;
};
Below FileBelow(const std::string& path);
void BindAll(Statement& statement, const std::vector<std::string>& values);

// A set's file numbers, sorted, as the change_set row keeps them.
std::string PackFileList(std::vector<std::int64_t> ids, Frames& frames);
std::vector<std::int64_t> UnpackFileList(const std::string& packed, Frames& frames);
std::vector<std::int64_t> FilesOfSet(Connection& connection, Frames& frames, std::int64_t set);
// Puts `ids` in temp.listed, for queries that join a set's files.
void ListFiles(Connection& connection, const std::vector<std::int64_t>& ids);

}  // namespace ostrak::history::detail
