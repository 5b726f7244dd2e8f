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
#include <string_view>
#include <vector>

#include "record/FighterLayout.h"
#include "roster/Identity.h"

namespace ostrak::roster {

inline constexpr int kRatingCount = 6;

// The text columns a row keeps a collation key for, in this order.
enum class TextColumn : std::size_t {
  File,
  FullName,
  CommonName,
  Nationality,
  Height,
  Weight,
  DateOfBirth,
  SherdogId,
  Warnings,
  Count,
};

struct RosterRow {
  std::string file;  // under the folder, '/' between its parts, as the file system names it
  QString fullName;
  QString commonName;
  QString nationality;
  QString height;
  QString weight;
  QString dateOfBirth;
  QString sherdogId;
  QString warnings;     // what looks wrong in a file that loads, in the window's language
  QString explanation;  // what the problem means in plain words; empty when there is nothing more to say
  QString problem;  // what `ostrak-fighter check` says of a file that does not load cleanly; empty otherwise
  std::string searchKey;  // file, names and nationality, folded for the filter
  // The text columns' collation keys, in TextColumn order.
  std::array<std::optional<QCollatorSortKey>, static_cast<std::size_t>(TextColumn::Count)> textKeys;
  // Day, month and year as one number (19900131) when the date of birth reads
  // as d/m/y, so it sorts by time; -1 when it does not.
  std::int32_t birthKey = -1;
  std::optional<QCollatorSortKey> problemKey;                             // absent when there is no problem
  std::array<std::int8_t, kRatingCount> ratings{-1, -1, -1, -1, -1, -1};  // bar order; -1 with a problem
  std::int8_t weightClass = -1;                                           // item index, -1 for none
  std::int8_t gamePlan = -1;
  FighterIdentity identity;  // what tells this fighter's files from another's
  // The keys the duplicate rules compare, worked out once: the trimmed ID,
  // and the name key with the trimmed date of birth; empty when there is none.
  std::string idKey;
  std::string nameAndBirthKey;
  // As the editor's spin boxes show them after the load, in kAttributeFields
  // order; -1 with a problem.
  std::array<std::int8_t, kAttributeCount> attributes{};
  // Of the bytes the row was read from, so an edit can tell whether the file
  // changed since; none when it could not be read.
  std::optional<std::uint64_t> digest;

  bool HasProblem() const { return !problem.isEmpty(); }
  QString FileText() const;
  QString Text(TextColumn column) const;
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

// What a row keeps of a file's bytes to tell them apart from others.
std::uint64_t DigestOf(std::string_view bytes);

// The collator the table sorts texts with: the user's locale, numbers in
// names compared as numbers ("fighter2" before "fighter10").
QCollator RosterCollator();

}  // namespace ostrak::roster
