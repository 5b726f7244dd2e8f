#pragma once

// The store's tables and their version (PRAGMA user_version), brought up to
// date at every open, one step per version, all in one transaction.

#include "history/Database.h"

namespace ostrak::history::detail {

inline constexpr int kSchemaVersion = 1;

// Before anything is written: throws DamagedStore for an SQLite file that
// is not ours, StoreError for a store a newer program made, so that either is
// left byte for byte as it is. Returns whether the file is still empty.
bool CheckOwnership(Connection& connection);

// A new file gets every table; an older store is migrated.
void BringUpToDate(Connection& connection);

// A change set's state as the table holds it.
inline constexpr int kPending = 0;
inline constexpr int kDone = 1;

}  // namespace ostrak::history::detail
