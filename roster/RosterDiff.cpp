#include "roster/RosterDiff.h"

#include <unordered_map>

#include "core/FileAccess.h"
#include "core/IntToStr.h"
#include "record/FighterColumns.h"
#include "roster/Folders.h"
#include "roster/Identity.h"
#include "roster/RosterRows.h"

namespace ostrak::roster {

namespace {

constexpr std::size_t kNone = static_cast<std::size_t>(-1);

// "a//./b.txt" and "a/b.txt" name one file.
std::string FileKey(const std::string& name) {
  std::string key = name.starts_with('/') ? "/" : "";
  for (const std::string& step : PathSteps(name)) {
    if (!key.empty() && key.back() != '/') key += '/';
    key += step;
  }
  return key;
}

// Whether the two differ; `diff` gets the fields and ratings when they do.
bool Compare(const RosterFighter& before, const RosterFighter& after, FighterDiff& diff) {
  static_cast<FileChanges&>(diff) = ChangesOf(before.bytes, after.bytes);
  return diff.Changed();
}

std::string IdOf(const RosterFighter& fighter) { return TrimmedId(IdentityOfBytes(fighter.bytes).sherdogId); }

// One side's fighters by key, each key held by one; a key held twice is a problem.
std::unordered_map<std::string, std::size_t> ByFile(const RosterContents& side, bool after,
                                                    std::vector<DiffProblem>& problems) {
  std::unordered_map<std::string, std::size_t> byFile;
  for (std::size_t i = 0; i < side.fighters.size(); ++i) {
    const RosterFighter& fighter = side.fighters[i];
    const auto [found, fresh] = byFile.emplace(FileKey(fighter.name), i);
    if (fresh) continue;
    const RosterFighter& first = side.fighters[found->second];
    problems.push_back({after,
                        {fighter.row, kFileColumn,
                         "names the same file as " +
                             (first.row > 0 ? "row " + IntToStr(first.row) : std::string(first.name))}});
  }
  return byFile;
}

}  // namespace

RosterDiff CompareRosters(const RosterContents& before, const RosterContents& after, MatchBy match,
                          std::vector<DiffProblem>& problems) {
  RosterDiff diff;
  const RosterContents* sides[2] = {&before, &after};
  for (int side = 0; side < 2; ++side) {
    for (const RosterFighter& fighter : sides[side]->fighters) {
      if (fighter.failure) problems.push_back({side == 1, {fighter.row, {}, *fighter.failure}});
    }
  }
  const std::unordered_map<std::string, std::size_t> files[2] = {ByFile(before, false, problems),
                                                                 ByFile(after, true, problems)};
  if (!problems.empty()) return diff;

  // pair[side][i]: the other side's fighter paired with the i-th; kNone for none.
  std::vector<std::size_t> pair[2] = {std::vector<std::size_t>(before.fighters.size(), kNone),
                                      std::vector<std::size_t>(after.fighters.size(), kNone)};
  std::vector<bool> held[2] = {std::vector<bool>(before.fighters.size()),
                               std::vector<bool>(after.fighters.size())};
  if (match == MatchBy::SherdogId) {
    std::unordered_map<std::string, std::vector<std::size_t>> ids[2];
    std::vector<std::string> order;  // the IDs in the order met, the first side first
    for (int side = 0; side < 2; ++side) {
      for (std::size_t i = 0; i < sides[side]->fighters.size(); ++i) {
        std::string id = IdOf(sides[side]->fighters[i]);
        if (id.empty()) continue;
        auto& holders = ids[side][id];
        if (holders.empty() && (side == 0 || !ids[0].count(id))) order.push_back(id);
        holders.push_back(i);
      }
    }
    for (const std::string& id : order) {
      const auto find = [&](int side) {
        const auto found = ids[side].find(id);
        return found == ids[side].end() ? std::vector<std::size_t>() : found->second;
      };
      const std::vector<std::size_t> holders[2] = {find(0), find(1)};
      if (holders[0].size() > 1 || holders[1].size() > 1) {
        IdHeldTwice twice{id, {}, {}};
        for (int side = 0; side < 2; ++side) {
          for (const std::size_t i : holders[side]) {
            held[side][i] = true;
            (side == 0 ? twice.before : twice.after).push_back(sides[side]->fighters[i].name);
          }
        }
        diff.heldTwice.push_back(std::move(twice));
      } else if (holders[0].size() == 1 && holders[1].size() == 1) {
        pair[0][holders[0][0]] = holders[1][0];
        pair[1][holders[1][0]] = holders[0][0];
      }
    }
  }
  // By file: every pair when matching by file, what the IDs left otherwise
  // (a fighter given an ID, or whose ID changed, keeps its file).
  for (std::size_t i = 0; i < before.fighters.size(); ++i) {
    if (pair[0][i] != kNone || held[0][i]) continue;
    const auto found = files[1].find(FileKey(before.fighters[i].name));
    if (found == files[1].end() || pair[1][found->second] != kNone || held[1][found->second]) continue;
    pair[0][i] = found->second;
    pair[1][found->second] = i;
  }

  for (std::size_t i = 0; i < before.fighters.size(); ++i) {
    if (held[0][i]) continue;
    const RosterFighter& old = before.fighters[i];
    FighterDiff fighter;
    fighter.before = old.name;
    if (pair[0][i] == kNone) {
      fighter.status = DiffStatus::Removed;
      diff.fighters.push_back(std::move(fighter));
      continue;
    }
    const RosterFighter& now = after.fighters[pair[0][i]];
    fighter.after = now.name;
    const bool changed = Compare(old, now, fighter);
    if (FileKey(old.name) != FileKey(now.name)) {
      fighter.status = DiffStatus::Renamed;
    } else if (!changed) {
      ++diff.unchanged;
      continue;
    }
    diff.fighters.push_back(std::move(fighter));
  }
  for (std::size_t i = 0; i < after.fighters.size(); ++i) {
    if (held[1][i] || pair[1][i] != kNone) continue;
    FighterDiff fighter;
    fighter.status = DiffStatus::Added;
    fighter.after = after.fighters[i].name;
    diff.fighters.push_back(std::move(fighter));
  }
  return diff;
}

void NameRowsUnder(RosterContents& table, const std::string& folder) {
  std::string prefix = FullPathName(folder.empty() ? "." : folder);
  if (!prefix.ends_with('/')) prefix += '/';
  std::vector<std::string> names;
  for (const RosterFighter& fighter : table.fighters) {
    const std::string full = FullPathName(fighter.name);
    if (!full.starts_with(prefix) || full.size() == prefix.size()) return;
    names.push_back(full.substr(prefix.size()));
  }
  for (std::size_t i = 0; i < names.size(); ++i) table.fighters[i].name = std::move(names[i]);
}

}  // namespace ostrak::roster
