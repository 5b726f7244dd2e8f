#pragma once

// Files that are probably one fighter: the same Sherdog ID, or the same full
// name and date of birth. Files joined by either rule, directly or through
// another file, form one group, which says what joins them.

#include <optional>
#include <string>
#include <vector>

#include "roster/Folders.h"
#include "roster/Identity.h"
#include "roster/RosterSource.h"

namespace ostrak::roster {

struct DuplicateCandidate {
  std::string file;                      // as the caller names it
  std::optional<FileIdentity> identity;  // a file met again under another name (a hard link) counts once
  FighterIdentity fighter;
};

enum class DuplicateReason {
  SherdogId,     // the same ID, not empty, spaces and tabs around it aside (see TrimmedId)
  NameAndBirth,  // the same full name (see NameKey) and the same date of birth, neither empty (spaces and
                 // tabs around the date aside)
};

struct DuplicateLink {
  DuplicateReason reason = DuplicateReason::SherdogId;
  // As the first of its files writes them (trimmed): the ID, or the name and the date.
  std::string sherdogId;
  std::string fullName;
  std::string dateOfBirth;
  std::vector<std::size_t> members;  // indexes into the group's files, in order; two or more

  // English, for the command line: "same Sherdog ID "12345"" or "same full
  // name "José Muñoz" and date of birth "01/02/1990"".
  std::string Message() const;
};

struct DuplicateGroup {
  std::vector<std::string> files;    // in the order they were given
  std::vector<DuplicateLink> links;  // by reason (IDs first), then in the order of their first file
  // The links that hold files[index].
  std::vector<const DuplicateLink*> LinksOf(std::size_t index) const;
};

// The groups in the order of their first file.
std::vector<DuplicateGroup> FindDuplicates(const std::vector<DuplicateCandidate>& candidates);

// Every fighter the roster could read, as a candidate.
std::vector<DuplicateCandidate> CandidatesOf(const RosterContents& roster);

}  // namespace ostrak::roster
