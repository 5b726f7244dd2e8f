#include "roster/Duplicates.h"

#include <algorithm>
#include <map>
#include <numeric>
#include <unordered_map>
#include <unordered_set>

namespace ostrak::roster {

namespace {

struct FileKeyHash {
  std::size_t operator()(const FileIdentity& file) const {
    return std::hash<unsigned long long>()(static_cast<unsigned long long>(file.inode) * 31 +
                                           static_cast<unsigned long long>(file.device));
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
  kept.reserve(candidates.size());
  std::unordered_set<FileIdentity, FileKeyHash> seen(candidates.size());
  for (std::size_t i = 0; i < candidates.size(); ++i) {
    const auto& identity = candidates[i].identity;
    if (identity && !seen.insert(*identity).second) continue;
    kept.push_back(i);
  }

  Buckets byId(kept.size());
  Buckets byName(kept.size());
  // Each bucket in the order of its first candidate (a map's values stay where they are).
  std::vector<std::pair<const std::string*, std::vector<std::size_t>*>> order[2];
  const auto add = [&](Buckets& buckets, int reason, std::string key, std::size_t k) {
    const auto [bucket, fresh] = buckets.try_emplace(std::move(key));
    if (fresh) order[reason].emplace_back(&bucket->first, &bucket->second);
    bucket->second.push_back(k);
  };
  for (std::size_t k = 0; k < kept.size(); ++k) {
    const FighterIdentity& fighter = candidates[kept[k]].fighter;
    if (std::string id = TrimmedId(fighter.sherdogId); !id.empty()) add(byId, 0, std::move(id), k);
    std::string name = NameKey(fighter.fullName);
    const std::string born = TrimmedId(fighter.dateOfBirth);
    // The NUL is in neither part, so that no two pairs make one key.
    if (!name.empty() && !born.empty()) add(byName, 1, (name += '\0') += born, k);
  }

  UnionFind sets(kept.size());
  for (const auto& buckets : order) {
    for (const auto& [key, members] : buckets) {
      for (std::size_t m = 1; m < members->size(); ++m) sets.Join((*members)[0], (*members)[m]);
    }
  }

  std::map<std::size_t, std::size_t> groupOfRoot;  // by the root, the earliest member
  std::vector<DuplicateGroup> groups;
  std::vector<std::size_t> indexInGroup(kept.size());
  for (const auto& buckets : order) {
    for (const auto& [key, members] : buckets) {
      if (members->size() > 1) groupOfRoot.emplace(sets.Find((*members)[0]), 0);
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
    for (const auto& [key, bucket] : order[reason]) {
      const std::vector<std::size_t>& members = *bucket;
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
