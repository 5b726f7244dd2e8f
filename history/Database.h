#pragma once

// One QtSql connection to the store's SQLite file, and the few ways the
// store talks through it: prepared statements that throw StoreError with
// SQLite's own words, and write transactions that take the lock up front.

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <cstdint>
#include <string>

#include "history/HistoryStore.h"

namespace ostrak::history::detail {

// SQLite says the file is damaged or is no database at all.
class DamagedStore : public StoreError {
public:
  using StoreError::StoreError;
};

class Connection {
public:
  // Opens `path` under a connection name no other has in this process.
  // Nothing is read yet: a file that is no database fails at the first query.
  explicit Connection(const std::string& path);
  ~Connection();
  Connection(const Connection&) = delete;
  Connection& operator=(const Connection&) = delete;

  const std::string& path() const { return path_; }
  QSqlDatabase& database() { return database_; }
  // Runs statements that take no values and give no rows.
  void Run(const char* sql);
  // The first column of the first row of a statement without values.
  QVariant Value(const char* sql);
  // The failure as the user reads it, DamagedStore when SQLite says so.
  [[noreturn]] void Fail(const QSqlQuery& query) const;

private:
  std::string path_;
  QString name_;
  QSqlDatabase database_;
};

class Statement {
public:
  Statement(Connection& connection, const std::string& sql);

  Statement& Bind(const QVariant& value);  // the next '?'
  Statement& Bind(std::int64_t value) { return Bind(QVariant(static_cast<qlonglong>(value))); }
  Statement& BindBytes(const std::string& bytes);  // a BLOB: paths, digests, frames
  Statement& BindText(const std::string& utf8);
  Statement& BindNull() { return Bind(QVariant()); }
  // Runs with the values bound so far, which are then cleared.
  Statement& Run();
  bool Next();
  void Finish() { query_.finish(); }

  bool IsNull(int column) const { return query_.isNull(column); }
  std::int64_t Int(int column) const { return query_.value(column).toLongLong(); }
  std::string Bytes(int column) const { return query_.value(column).toByteArray().toStdString(); }
  std::string Text(int column) const { return query_.value(column).toString().toStdString(); }
  std::int64_t LastId() const { return query_.lastInsertId().toLongLong(); }
  int Affected() const { return query_.numRowsAffected(); }

private:
  Connection& connection_;
  QSqlQuery query_;
  int bound_ = 0;
};

// BEGIN IMMEDIATE, so that two writers queue for the lock instead of one
// failing half-way; rolled back unless committed.
class WriteTransaction {
public:
  explicit WriteTransaction(Connection& connection);
  ~WriteTransaction();
  WriteTransaction(const WriteTransaction&) = delete;
  WriteTransaction& operator=(const WriteTransaction&) = delete;
  void Commit();

private:
  Connection& connection_;
  bool open_ = true;
};

// One snapshot for queries that read in several statements.
class ReadTransaction {
public:
  explicit ReadTransaction(Connection& connection);
  ~ReadTransaction();
  ReadTransaction(const ReadTransaction&) = delete;
  ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
  Connection& connection_;
};

}  // namespace ostrak::history::detail
