#include "HistoryFixture.h"

#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <charconv>
#include <filesystem>

#include "support/RunInChild.h"

namespace ostrak::test {

long long Peek(const std::string& store, const std::string& sql) {
  long long value = -1;
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("peek"));
    db.setDatabaseName(QString::fromStdString(store));
    if (db.open()) {
      QSqlQuery query(db);
      if (query.exec(QString::fromStdString(sql)) && query.next()) value = query.value(0).toLongLong();
    }
  }
  QSqlDatabase::removeDatabase(QStringLiteral("peek"));
  return value;
}

void Put(const std::string& path, const history::Content& content) {
  std::filesystem::create_directories(std::filesystem::path(path).parent_path());
  if (content)
    WriteBytes(path, *content);
  else
    std::filesystem::remove(path);
}

history::Content Held(const std::string& path) {
  if (!std::filesystem::exists(path)) return std::nullopt;
  return ReadBytes(path);
}

history::ChangeSetId BeginAndDie(const StoreFolder& folder, const std::string& command,
                                 const std::vector<history::FileChange>& files) {
  const std::string said = RunInChild([&] {
    // Never closed: the child ends as a killed writer would.
    history::Store* store = folder.Open().release();
    return std::to_string(store->Begin(command, files));
  });
  history::ChangeSetId id = 0;
  const auto [end, error] = std::from_chars(said.data(), said.data() + said.size(), id);
  EXPECT_TRUE(error == std::errc() && end == said.data() + said.size()) << said;
  return id;
}

}  // namespace ostrak::test
