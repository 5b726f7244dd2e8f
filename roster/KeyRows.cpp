#include "roster/KeyRows.h"

#include <malloc.h>

#include <functional>

namespace ostrak::roster {

namespace {

constexpr std::size_t kBlockBytes = std::size_t{1} << 20;
constexpr std::size_t kFirstSlots = 64;
// Past this many keys the table's pages are handed back to the system as it
// goes: they lie among the plan's, which live on, so the allocator alone
// would keep them, and what the commit allocates next would come on top.
constexpr std::size_t kTrimAfterKeys = 65536;

std::uint64_t HashOf(std::string_view key) { return std::hash<std::string_view>{}(key); }
std::uint64_t Tag(std::uint64_t hash) { return hash & 0xFFFFFFFF00000000u; }
std::uint64_t NumberIn(std::uint64_t slot) { return slot & 0xFFFFFFFFu; }

}  // namespace

KeyRows::~KeyRows() {
  const bool large = keys_.size() > kTrimAfterKeys;
  slots_ = {};
  keys_ = {};
  blocks_ = {};
  if (large) ::malloc_trim(0);
}

std::string_view KeyRows::Bytes(const Key& key) const {
  return std::string_view(blocks_[key.block]).substr(key.offset, key.size);
}

std::size_t KeyRows::SlotOf(std::string_view key, std::uint64_t hash) const {
  const std::size_t mask = slots_.size() - 1;
  for (std::size_t at = hash & mask;; at = (at + 1) & mask) {
    const std::uint64_t slot = slots_[at];
    if (slot == 0) return at;
    if (Tag(slot) == Tag(hash) && Bytes(keys_[NumberIn(slot) - 1]) == key) return at;
  }
}

KeyRows::Key KeyRows::Store(std::string_view key, int row) {
  if (blocks_.empty() || blocks_.back().size() + key.size() > blocks_.back().capacity()) {
    blocks_.emplace_back();
    blocks_.back().reserve(std::max(kBlockBytes, key.size()));
  }
  std::string& block = blocks_.back();
  const Key stored{static_cast<std::uint32_t>(blocks_.size() - 1), static_cast<std::uint32_t>(block.size()),
                   static_cast<std::uint32_t>(key.size()), row};
  block.append(key);
  return stored;
}

void KeyRows::Grow() {
  std::vector<std::uint64_t> old = std::move(slots_);
  slots_.assign(old.empty() ? kFirstSlots : old.size() * 2, 0);
  const std::size_t mask = slots_.size() - 1;
  for (const std::uint64_t slot : old) {
    if (slot == 0) continue;
    std::size_t at = HashOf(Bytes(keys_[NumberIn(slot) - 1])) & mask;
    while (slots_[at] != 0) at = (at + 1) & mask;
    slots_[at] = slot;
  }
}

std::pair<int, bool> KeyRows::Emplace(std::string_view key, int row) {
  if ((keys_.size() + 1) * 4 > slots_.size() * 3) Grow();
  const std::uint64_t hash = HashOf(key);
  const std::size_t at = SlotOf(key, hash);
  if (slots_[at] != 0) return {keys_[NumberIn(slots_[at]) - 1].row, false};
  keys_.push_back(Store(key, row));
  slots_[at] = Tag(hash) | keys_.size();
  return {row, true};
}

bool KeyRows::Contains(std::string_view key) const {
  return !slots_.empty() && slots_[SlotOf(key, HashOf(key))] != 0;
}

}  // namespace ostrak::roster
