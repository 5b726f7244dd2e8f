// A store that cannot be used says why and never throws; a damaged one is
// set aside, kept byte for byte, and a new one started; the store is the
// user's alone.

#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QSqlDatabase>
#include <QSqlQuery>

#include <filesystem>
#include <fstream>

#include "HistoryFixture.h"
#include "support/FailureMessage.h"
#include "support/RunInChild.h"

namespace ostrak::test {
namespace {

mode_t ModeOf(const std::string& path) {
  struct stat status {};
  ::stat(path.c_str(), &status);
  return status.st_mode & 07777;
}

void Exec(const std::string& store, const std::string& sql) {
  {
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("exec"));
    db.setDatabaseName(QString::fromStdString(store));
    ASSERT_TRUE(db.open());
    QSqlQuery(db).exec(QString::fromStdString(sql));
  }
  QSqlDatabase::removeDatabase(QStringLiteral("exec"));
}

void WithSets(const StoreFolder& folder) {
  const auto store = folder.Open();
  for (int i = 0; i < 30; ++i)
    store->MarkDone(store->Begin("Save", {{folder.File(std::to_string(i)), "", Fighter(i)}}));
}

struct DamageCase {
  const char* name;
  void (*damage)(const StoreFolder&);
};

const DamageCase kDamageCases[] = {
    {"bytes_of_another_kind",
     [](const StoreFolder& folder) {
       Put(folder.store(), std::string(8192, 'x'));
       Put(folder.store() + "-wal", std::string("junk"));
     }},
    {"a_damaged_page",
     [](const StoreFolder& folder) {
       WithSets(folder);
       std::fstream file(folder.store(), std::ios::in | std::ios::out | std::ios::binary);
       file.seekp(3 * 4096);  // a whole page of the tables
       file << std::string(4096, '\xFF');
     }},
    {"the_tables_of_another_program",
     [](const StoreFolder& folder) {
       Put(folder.store(), std::string());
       Exec(folder.store(), "CREATE TABLE people(name TEXT)");
     }},
};

void PrintTo(const DamageCase& c, std::ostream* os) { *os << c.name; }

class DamagedStore : public ::testing::TestWithParam<DamageCase> {};

TEST_P(DamagedStore, IsSetAsideWithItsLogAndANewOneTakesChanges) {
  StoreFolder folder;
  GetParam().damage(folder);
  const std::string damaged = ReadBytes(folder.store());
  const bool hadLog = std::filesystem::exists(folder.store() + "-wal");
  const std::string log = hadLog ? ReadBytes(folder.store() + "-wal") : "";

  history::OpenResult opened = folder.OpenResult(history::Maintenance::WhenDue);
  ASSERT_EQ(opened.status, history::OpenStatus::Opened) << opened.reason;
  const std::string aside = folder.store() + ".corrupt-20240501T120000Z";
  EXPECT_EQ(opened.setAside, aside);
  EXPECT_TRUE(ReadBytes(aside) == damaged);
  if (hadLog) {
    EXPECT_TRUE(ReadBytes(aside + "-wal") == log);
  }
  EXPECT_TRUE(opened.store->History({"/"}).empty());
  opened.store->MarkDone(opened.store->Begin("Save", {{folder.File("a.txt"), "", "1"}}));
  EXPECT_EQ(opened.store->History({"/"}).size(), 1u);
  opened.store.reset();
  EXPECT_EQ(folder.OpenResult().setAside, "");  // the new one is sound
}

INSTANTIATE_TEST_SUITE_P(Damage, DamagedStore, ::testing::ValuesIn(kDamageCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(DamagedStore, FoundWhileInUseIsSetAsideAndTheNextCallsUseANewOne) {
  StoreFolder folder;
  WithSets(folder);
  const auto store = folder.Open();
  {
    std::fstream file(folder.store(), std::ios::in | std::ios::out | std::ios::binary);
    file.seekp(2 * 4096);  // every page but the first, which names the tables
    file << std::string(std::filesystem::file_size(folder.store()) - 2 * 4096, '\xFF');
  }
  const std::string aside = folder.store() + ".corrupt-20240501T120000Z";
  const std::string message = MessageOf<history::StoreError>([&] { store->History({"/"}); });
  EXPECT_EQ(message.substr(message.find("; it was")),
            "; it was set aside as \"" + aside + "\" and a new one started");
  EXPECT_TRUE(std::filesystem::exists(aside));
  EXPECT_TRUE(store->History({"/"}).empty());
  store->MarkDone(store->Begin("Save", {{folder.File("a.txt"), "", "1"}}));
  EXPECT_EQ(store->History({"/"}).size(), 1u);
}

struct RefusalCase {
  const char* name;
  void (*prepare)(const StoreFolder&);
  const char* reason;  // STORE and DATA stand for the store's path and its folder
};

const RefusalCase kRefusalCases[] = {
    {"a_folder_at_the_path",
     [](const StoreFolder& folder) { std::filesystem::create_directories(folder.store()); },
     "\"STORE\" is not a file that can hold the history (a folder or a device is there)"},
    {"a_file_where_its_folder_should_be",
     [](const StoreFolder& folder) { Put(folder.dir / "data/ostrak-editor", std::string("x")); },
     "cannot create the folder \"DATA\": Not a directory"},
    {"made_by_a_newer_program",
     [](const StoreFolder& folder) {
       folder.Open();
       Exec(folder.store(), "PRAGMA user_version = 9");
     },
     "history file \"STORE\" was made by a newer version of the program (format 9; this one knows up to 1)"},
};

void PrintTo(const RefusalCase& c, std::ostream* os) { *os << c.name; }

class UnusableStore : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(UnusableStore, SaysWhyAndLeavesWhatIsThereAsItWas) {
  StoreFolder folder;
  GetParam().prepare(folder);
  const bool isFile = std::filesystem::is_regular_file(folder.store());
  const std::string before = isFile ? ReadBytes(folder.store()) : "";
  const history::OpenResult opened = folder.OpenResult(history::Maintenance::WhenDue);
  EXPECT_EQ(opened.status, history::OpenStatus::Unavailable);
  EXPECT_FALSE(opened.store);
  std::string reason = GetParam().reason;
  if (const auto at = reason.find("STORE"); at != std::string::npos) reason.replace(at, 5, folder.store());
  if (const auto at = reason.find("DATA"); at != std::string::npos)
    reason.replace(at, 4, folder.dir / "data/ostrak-editor");
  EXPECT_EQ(opened.reason, reason);
  if (isFile) {
    EXPECT_TRUE(ReadBytes(folder.store()) == before);
  }
}

INSTANTIATE_TEST_SUITE_P(Refusals, UnusableStore, ::testing::ValuesIn(kRefusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A file system of our own in a private mount namespace, where the machine
// allows one (root, or user namespaces).
std::string MountOwnFileSystem(const std::string& where, const char* options) {
  if (::unshare(CLONE_NEWNS) != 0) {
    const uid_t uid = ::getuid();
    const gid_t gid = ::getgid();
    if (::unshare(CLONE_NEWUSER | CLONE_NEWNS) != 0) return "no mount namespace";
    std::ofstream("/proc/self/setgroups") << "deny";
    std::ofstream("/proc/self/uid_map") << "0 " << uid << " 1";
    std::ofstream("/proc/self/gid_map") << "0 " << gid << " 1";
  }
  if (::mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0) return "cannot make mounts private";
  if (::mount("tmpfs", where.c_str(), "tmpfs", 0, options) != 0) return "cannot mount tmpfs";
  return "";
}

std::string Report(const history::OpenResult& opened) {
  return opened.status == history::OpenStatus::Opened ? "opened" : opened.reason;
}

// Root writes where permissions forbid it; a read-only file system stops
// everyone.
TEST(UnwritableStore, AReadOnlyFileSystemIsSaidForANewStoreAndForAnExistingOne) {
  StoreFolder folder;
  const std::string mount = folder.dir / "ro";
  std::filesystem::create_directory(mount);
  const std::string report = RunInChild([&] {
    if (const std::string problem = MountOwnFileSystem(mount, "size=1m"); !problem.empty())
      return "SKIP " + problem;
    const std::string store = mount + "/ostrak-editor/history.sqlite";
    history::Store::Open(store).store.reset();
    if (::mount(nullptr, mount.c_str(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) != 0)
      return std::string("SKIP no remount");
    return Report(history::Store::Open(store)) + "|" +
           Report(history::Store::Open(mount + "/other/history.sqlite"));
  });
  if (report.rfind("SKIP ", 0) == 0) GTEST_SKIP() << report.substr(5);
  EXPECT_EQ(report, "cannot write the history file \"" + mount +
                        "/ostrak-editor/history.sqlite\": Read-only file system|" +
                        "cannot create the folder \"" + mount + "/other\": Read-only file system");
}

TEST(UnwritableStore, AFullDiskFailsTheRecordAndTheFilesStayAsRecordedBefore) {
  StoreFolder folder;
  const std::string mount = folder.dir / "small";
  std::filesystem::create_directory(mount);
  const std::string report = RunInChild([&] {
    if (const std::string problem = MountOwnFileSystem(mount, "size=512k"); !problem.empty())
      return "SKIP " + problem;
    const std::string path = mount + "/history.sqlite";
    auto store = history::Store::Open(path).store;
    const std::string a = mount + "/a.txt";
    store->MarkDone(store->Begin("Save", {{a, std::nullopt, "1"}}));
    {
      std::ofstream filler(mount + "/filler", std::ios::binary);
      const std::string block(4096, 'f');
      while (filler.write(block.data(), block.size()) && filler.flush()) {
      }
    }
    std::string said;
    try {
      store->Begin("Import roster.csv", {{a, "1", std::string(600 * 1024, 'n')}});
      said = "recorded";
    } catch (const history::StoreError& failure) {
      said = failure.message();
    }
    return said + "|" + store->LastRecorded(a)->content.value_or("none");
  });
  if (report.rfind("SKIP ", 0) == 0) GTEST_SKIP() << report.substr(5);
  EXPECT_EQ(report, "history file \"" + mount + "/history.sqlite\": database or disk is full|1");
}

TEST(PrivateStore, TheFileIsTheUsersAloneAndSoAreTheFoldersMadeForIt) {
  StoreFolder folder;
  const auto store = folder.Open();
  store->MarkDone(store->Begin("Save", {{folder.File("a.txt"), "", "1"}}));
  EXPECT_EQ(ModeOf(folder.store()), 0600u);
  EXPECT_EQ(ModeOf(folder.store() + "-wal"), 0600u);
  EXPECT_EQ(ModeOf(folder.dir / "data/ostrak-editor"), 0700u);
  EXPECT_EQ(ModeOf(folder.dir / "data"), 0700u);
}

TEST(UserHistory, FollowsTheXdgRulesAndTheSettingThatTurnsItOff) {
  const history::HistoryPlace place = history::HistoryPlaceFor("/srv/data", "relative/config", "/home/ann");
  EXPECT_EQ(place.store, "/srv/data/ostrak-editor/history.sqlite");
  EXPECT_EQ(place.setting, "/home/ann/.config/ostrak-editor/history.ini");
  EXPECT_EQ(history::HistoryPlaceFor(nullptr, "", "/home/ann").store,
            "/home/ann/.local/share/ostrak-editor/history.sqlite");

  TempDirectory dir;
  const std::pair<const char*, bool> settings[] = {
      {"history=off\n", true},
      {"[General]\r\n  History = OFF \r\n", true},
      {"history=off\nhistory=on\n", false},
      {"# history=off\n", false},
      {"history=offline\n", false},
      {"", false},
  };
  for (const auto& [text, off] : settings) {
    EXPECT_EQ(history::TurnedOffIn(dir.File("history.ini", text)), off) << text;
  }
  EXPECT_FALSE(history::TurnedOffIn(dir / "missing.ini"));

  const history::HistoryPlace mine{dir / "history.sqlite", dir.File("off.ini", "history=off\n")};
  EXPECT_EQ(history::OpenHistory(mine, history::HistoryUse::Off).reason, "--no-history");
  const history::OpenResult off = history::OpenHistory(mine, history::HistoryUse::On);
  EXPECT_EQ(off.status, history::OpenStatus::TurnedOff);
  EXPECT_EQ(off.reason, "history=off in \"" + dir / "off.ini\"");
  EXPECT_FALSE(std::filesystem::exists(dir / "history.sqlite"));
}

}  // namespace
}  // namespace ostrak::test
