#pragma once

// One fighter file of a roster as its table row shows it, with what sorting
// and filtering need worked out once, when the file is read: the collation
// keys of the text columns, the folded search text, the ratings as numbers.

#include <QCollator>
#include <QString>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "roster/Identity.h"

namespace ostrak::roster {

inline constexpr int kRatingCount = 6;

struct RosterRow {
  std::string file;  // under the folder, '/' between its parts, as the file system names it
  QString fullName;
  QString commonName;
  QString nationality;
  QString problem;  // what `ostrak-fighter check` says of a file that does not load cleanly; empty otherwise
  std::string searchKey;  // file, names and nationality, folded for the filter
  // The text columns' collation keys: file, full name, common name, nationality.
  std::array<std::optional<QCollatorSortKey>, 4> textKeys;
  std::optional<QCollatorSortKey> problemKey;                             // absent when there is no problem
  std::array<std::int8_t, kRatingCount> ratings{-1, -1, -1, -1, -1, -1};  // bar order; -1 with a problem
  std::int8_t weightClass = -1;                                           // item index, -1 for none
  std::int8_t gamePlan = -1;
  FighterIdentity identity;  // what tells this fighter's files from another's
  // The keys the duplicate rules compare, worked out once: the trimmed ID,
  // and the name key with the trimmed date of birth; empty when there is none.
  std::string idKey;
  std::string nameAndBirthKey;

  bool HasProblem() const { return !problem.isEmpty(); }
  QString FileText() const;
};

// What the worker finds when it looks again.
struct RosterChanges {
  std::vector<RosterRow> rows;       // new or changed files
  std::vector<std::string> removed;  // files that are gone
};

// The row of `relative` under `folder` (which ends in '/'), checked as
// `ostrak-fighter check` checks it. `collator` orders the texts; `fileKey`,
// when the caller has it already, is the file name's key.
RosterRow ReadRosterRow(const std::string& folder, const std::string& relative, const QCollator& collator,
                        std::optional<QCollatorSortKey> fileKey = std::nullopt);

// The collator the table sorts texts with: the user's locale, numbers in
// names compared as numbers ("fighter2" before "fighter10").
QCollator RosterCollator();

}  // namespace ostrak::roster
