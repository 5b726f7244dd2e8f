#include "history/Database.h"

#include <QSqlError>

#include <atomic>

namespace ostrak::history::detail {

namespace {

constexpr int kSqliteCorrupt = 11;
constexpr int kSqliteNotADatabase = 26;

QString UniqueName() {
  static std::atomic<unsigned long long> next{0};
  return QStringLiteral("ostrak-history-%1").arg(next.fetch_add(1));
}

}  // namespace

Connection::Connection(const std::string& path) : path_(path), name_(UniqueName()) {
  database_ = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name_);
  if (!database_.isValid()) {
    database_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name_);
    throw StoreError("Qt's SQLite driver is not installed (libqt6sql6-sqlite)");
  }
  database_.setDatabaseName(QString::fromStdString(path));
  database_.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
  if (!database_.open()) {
    const std::string why = database_.lastError().databaseText().toStdString();
    database_ = QSqlDatabase();
    QSqlDatabase::removeDatabase(name_);
    throw StoreError("cannot open \"" + path + "\": " + why);
  }
}

Connection::~Connection() {
  database_.close();
  database_ = QSqlDatabase();
  QSqlDatabase::removeDatabase(name_);
}

void Connection::Fail(const QSqlQuery& query) const {
  const QSqlError error = query.lastError();
  bool isNumber = false;
  const int code = error.nativeErrorCode().toInt(&isNumber) & 0xFF;
  std::string text = error.databaseText().toStdString();
  if (text.empty()) text = error.driverText().toStdString();
  const std::string message = "history file \"" + path_ + "\": " + text;
  if (isNumber && (code == kSqliteCorrupt || code == kSqliteNotADatabase)) throw DamagedStore(message);
  throw StoreError(message);
}

void Connection::Run(const char* sql) {
  QSqlQuery query(database_);
  if (!query.exec(QString::fromUtf8(sql))) Fail(query);
}

QVariant Connection::Value(const char* sql) {
  QSqlQuery query(database_);
  if (!query.exec(QString::fromUtf8(sql))) Fail(query);
  return query.next() ? query.value(0) : QVariant();
}

Statement::Statement(Connection& connection, const std::string& sql)
    : connection_(connection), query_(connection.database()) {
  query_.setForwardOnly(true);
  if (!query_.prepare(QString::fromStdString(sql))) connection_.Fail(query_);
}

Statement& Statement::Bind(const QVariant& value) {
  query_.bindValue(bound_++, value);
  return *this;
}

Statement& Statement::BindBytes(const std::string& bytes) {
  return Bind(QVariant(QByteArray(bytes.data(), static_cast<qsizetype>(bytes.size()))));
}

Statement& Statement::BindText(const std::string& utf8) {
  return Bind(QVariant(QString::fromStdString(utf8)));
}

Statement& Statement::Run() {
  bound_ = 0;
  if (!query_.exec()) connection_.Fail(query_);
  return *this;
}

bool Statement::Next() {
  if (query_.next()) return true;
  // The end, or a failure on the way: SQLite reports a damaged page here.
  if (query_.lastError().isValid() && query_.lastError().type() != QSqlError::NoError)
    connection_.Fail(query_);
  return false;
}

WriteTransaction::WriteTransaction(Connection& connection) : connection_(connection) {
  connection_.Run("BEGIN IMMEDIATE");
}

WriteTransaction::~WriteTransaction() {
  if (!open_) return;
  QSqlQuery rollback(connection_.database());
  rollback.exec(QStringLiteral("ROLLBACK"));
}

void WriteTransaction::Commit() {
  connection_.Run("COMMIT");
  open_ = false;
}

ReadTransaction::ReadTransaction(Connection& connection) : connection_(connection) {
  connection_.Run("BEGIN");
}

ReadTransaction::~ReadTransaction() {
  QSqlQuery end(connection_.database());
  end.exec(QStringLiteral("COMMIT"));
}

}  // namespace ostrak::history::detail
