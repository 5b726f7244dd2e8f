#include "roster/Duplicates.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <set>
#include <unordered_map>

namespace ostrak::roster {

namespace {

struct FileKey {
  dev_t device;
  ino_t inode;
  bool operator<(const FileKey& other) const {
    return std::pair(device, inode) < std::pair(other.device, other.inode);
  }
};

class UnionFind {
public:
  explicit UnionFind(std::size_t size) : parent_(size) { std::iota(parent_.begin(), parent_.end(), 0); }
  std::size_t Find(std::size_t i) {
    while (parent_[i] != i) i = parent_[i] = parent_[parent_[i]];
    return i;
  }
  void Join(std::size_t a, std::size_t b) {
    a = Find(a);
    b = Find(b);
    if (a != b) parent_[std::max(a, b)] = std::min(a, b);  // the root stays the earliest member
  }

private:
  std::vector<std::size_t> parent_;
};

// A key's candidates in order, the key itself held once.
using Buckets = std::unordered_map<std::string, std::vector<std::size_t>>;

}  // namespace

std::string DuplicateLink::Message() const {
  if (reason == DuplicateReason::SherdogId) return "same Sherdog ID \"" + sherdogId + "\"";
  return "same full name \"" + fullName + "\" and date of birth \"" + dateOfBirth + "\"";
}

std::vector<const DuplicateLink*> DuplicateGroup::LinksOf(std::size_t index) const {
  std::vector<const DuplicateLink*> found;
  for (const DuplicateLink& link : links) {
    if (std::find(link.members.begin(), link.members.end(), index) != link.members.end())
      found.push_back(&link);
  }
  return found;
}

std::vector<DuplicateGroup> FindDuplicates(const std::vector<DuplicateCandidate>& candidates) {
  std::vector<std::size_t> kept;  // indexes into candidates, each file once
  std::set<FileKey> seen;
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const auto& identity = candidates[i].identity;
    if (identity && !seen.insert({identity->device, identity->inode}).second) continue;
    kept.push_back(i);
  }

  Buckets byId;
  Buckets byName;
  std::vector<std::string> order[2];  // keys in the order of their first candidate
  for (std::size_t k = 0; k < kept.size(); ++k) {
    const FighterIdentity& fighter = candidates[kept[k]].fighter;
    if (std::string id = TrimmedId(fighter.sherdogId); !id.empty()) {
      auto& bucket = byId[id];
      if (bucket.empty()) order[0].push_back(id);
      bucket.push_back(k);
    }
    const std::string name = NameKey(fighter.fullName);
    const std::string born = TrimmedId(fighter.dateOfBirth);
    if (!name.empty() && !born.empty()) {
      // The NUL cannot be in either part, so that no two pairs make one key.
      std::string key = name + '\0' + born;
      auto& bucket = byName[key];
      if (bucket.empty()) order[1].push_back(key);
      bucket.push_back(k);
    }
  }

  UnionFind sets(kept.size());
  for (const Buckets* buckets : {&byId, &byName}) {
    for (const auto& [key, members] : *buckets) {
      for (std::size_t m = 1; m < members.size(); ++m) sets.Join(members[0], members[m]);
    }
  }

  std::map<std::size_t, std::size_t> groupOfRoot;  // by the root, the earliest member
  std::vector<DuplicateGroup> groups;
  std::vector<std::size_t> indexInGroup(kept.size());
  for (const Buckets* buckets : {&byId, &byName}) {
    for (const auto& [key, members] : *buckets) {
      if (members.size() > 1) groupOfRoot.emplace(sets.Find(members[0]), 0);
    }
  }
  for (auto& [root, group] : groupOfRoot) {
    group = groups.size();
    groups.emplace_back();
  }
  for (std::size_t k = 0; k < kept.size(); ++k) {
    const auto found = groupOfRoot.find(sets.Find(k));
    if (found == groupOfRoot.end()) continue;
    indexInGroup[k] = groups[found->second].files.size();
    groups[found->second].files.push_back(candidates[kept[k]].file);
  }
  for (int reason = 0; reason < 2; ++reason) {
    const Buckets& buckets = reason == 0 ? byId : byName;
    for (const std::string& key : order[reason]) {
      const std::vector<std::size_t>& members = buckets.at(key);
      if (members.size() < 2) continue;
      const FighterIdentity& first = candidates[kept[members[0]]].fighter;
      DuplicateLink link;
      if (reason == 0) {
        link.sherdogId = TrimmedId(first.sherdogId);
      } else {
        link.reason = DuplicateReason::NameAndBirth;
        link.fullName = first.fullName;
        link.dateOfBirth = TrimmedId(first.dateOfBirth);
      }
      for (const std::size_t k : members) link.members.push_back(indexInGroup[k]);
      groups[groupOfRoot.at(sets.Find(members[0]))].links.push_back(std::move(link));
    }
  }
  return groups;
}

std::vector<DuplicateCandidate> CandidatesOf(const RosterContents& roster) {
  std::vector<DuplicateCandidate> candidates;
  candidates.reserve(roster.fighters.size());
  for (const RosterFighter& fighter : roster.fighters) {
    if (fighter.failure) continue;
    candidates.push_back({fighter.name, fighter.identity, IdentityOfBytes(fighter.bytes)});
  }
  return candidates;
}

}  // namespace ostrak::roster
