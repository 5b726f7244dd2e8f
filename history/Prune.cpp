// Pruning: sets older than kKeepDays go unless one of their files counts
// them among its newest kKeepVersions; then the contents no set needs go,
// after every content made against one of them has been rebuilt on its own.

#include "history/StoreImpl.h"

namespace ostrak::history {

namespace detail {

PruneReport PruneIn(Store::Impl& store, std::chrono::sys_seconds now) {
  PruneReport report;
  Connection& db = store.db();
  {
    WriteTransaction transaction(db);
    db.Run("CREATE TEMP TABLE IF NOT EXISTS doomed(id INTEGER PRIMARY KEY)");
    db.Run("DELETE FROM temp.doomed");
    Statement doomed(db,
                     "INSERT INTO temp.doomed SELECT s.id FROM change_set s WHERE s.state = 1 AND s.time < ?"
                     " AND s.id NOT IN (SELECT set_id FROM (SELECT c.set_id, row_number() OVER"
                     " (PARTITION BY c.file_id ORDER BY c.set_id DESC) AS newest FROM change_file c"
                     " JOIN change_set k ON k.id = c.set_id WHERE k.state = 1) WHERE newest <= ?)");
    doomed.BindText(IsoTime(now - kKeepDays)).Bind(static_cast<std::int64_t>(kKeepVersions)).Run();
    report.sets = static_cast<std::size_t>(doomed.Affected());
    if (report.sets) {
      db.Run("DELETE FROM change_file WHERE set_id IN temp.doomed");
      db.Run("DELETE FROM change_set WHERE id IN temp.doomed");
      db.Run("DELETE FROM file WHERE id NOT IN (SELECT file_id FROM change_file)");
      db.Run("DELETE FROM folder WHERE id NOT IN (SELECT folder FROM file)");
    }

    // Contents of dropped sets go too, whatever their age.
    db.Run("CREATE TEMP TABLE IF NOT EXISTS unused(id INTEGER PRIMARY KEY)");
    db.Run("DELETE FROM temp.unused");
    Statement unused(db,
                     "INSERT INTO temp.unused SELECT id FROM content WHERE id NOT IN (SELECT before FROM"
                     " change_file WHERE before IS NOT NULL UNION SELECT after FROM change_file"
                     " WHERE after IS NOT NULL)");
    unused.Run();
    report.contents = static_cast<std::size_t>(unused.Affected());
    if (report.contents) {
      std::vector<std::int64_t> dependants;
      {
        Statement row(db, "SELECT id FROM content WHERE base IN temp.unused AND id NOT IN temp.unused");
        row.Run();
        while (row.Next()) dependants.push_back(row.Int(0));
      }
      for (const std::int64_t id : dependants) store.contents().MakeStandalone(id);
      report.rewritten = dependants.size();
      db.Run("DELETE FROM content_key WHERE id IN temp.unused");
      db.Run("DELETE FROM content WHERE id IN temp.unused");
    }
    transaction.Commit();
  }
  // Gives the freed pages back to the file system, outside the transaction.
  db.Run("PRAGMA incremental_vacuum");
  return report;
}

}  // namespace detail

PruneReport Store::Prune(std::chrono::sys_seconds now) {
  return impl_->Guarded([&] { return detail::PruneIn(*impl_, now); });
}

}  // namespace ostrak::history
