#pragma once

// The row that first took each key, as a plan claims its files' places. A
// plan of a million files holds each key's bytes once, packed in large
// blocks, and 8-byte slots that find them, rather than a node and a string
// of its own for each.

#include <cstddef>
#include <cstdint>
#include <deque>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace ostrak::roster {

class KeyRows {
public:
  KeyRows() = default;
  KeyRows(const KeyRows&) = delete;
  KeyRows& operator=(const KeyRows&) = delete;
  ~KeyRows();

  // The row that took `key`, and whether that is `row`, which takes it now.
  std::pair<int, bool> Emplace(std::string_view key, int row);
  bool Contains(std::string_view key) const;

private:
  struct Key {
    std::uint32_t block = 0;
    std::uint32_t offset = 0;
    std::uint32_t size = 0;
    int row = 0;
  };

  std::string_view Bytes(const Key& key) const;
  // The slot that holds `key`, or the empty one where it would go.
  std::size_t SlotOf(std::string_view key, std::uint64_t hash) const;
  Key Store(std::string_view key, int row);
  void Grow();

  // A key's number (from 1; 0: empty) in the low half, its hash's high half
  // above it; their count a power of two, at most three quarters taken.
  std::vector<std::uint64_t> slots_;
  std::deque<Key> keys_;
  std::vector<std::string> blocks_;
};

}  // namespace ostrak::roster
