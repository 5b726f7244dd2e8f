#pragma once

// The store's tables and their version (PRAGMA user_version), brought up to
// date at every open, one step per version, all in one transaction.

#include "history/Database.h"

namespace ostrak::history::detail {

inline constexpr int kSchemaVersion = 1;

// A new file gets every table; an older store is migrated. Throws
// DamagedStore for an SQLite file that is not ours, StoreError for a store a
// newer program made (it is left as it is).
void BringUpToDate(Connection& connection);

// A change set's state as the table holds it.
inline constexpr int kPending = 0;
inline constexpr int kDone = 1;

}  // namespace ostrak::history::detail
