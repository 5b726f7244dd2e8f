#pragma once

// A set over an enumeration, stored as bits: element n (its ordinal) has bit
// value 1 << n, the way the toolkit stores its sets in forms.

#include <cstdint>
#include <initializer_list>

namespace ostrak {

template <typename E>
class TSet {
public:
  constexpr TSet() = default;
  constexpr TSet(std::initializer_list<E> elements) {
    for (E element : elements) bits_ |= Bit(element);
  }

  constexpr bool Contains(E element) const { return (bits_ & Bit(element)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr TSet& Include(E element) {
    bits_ |= Bit(element);
    return *this;
  }
  constexpr TSet& Exclude(E element) {
    bits_ &= ~Bit(element);
    return *this;
  }
  constexpr TSet operator|(TSet other) const { return FromBits(bits_ | other.bits_); }

  constexpr std::uint32_t Bits() const { return bits_; }
  static constexpr TSet FromBits(std::uint32_t bits) {
    TSet set;
    set.bits_ = bits;
    return set;
  }

  friend constexpr bool operator==(TSet, TSet) = default;

private:
  static constexpr std::uint32_t Bit(E element) { return std::uint32_t{1} << static_cast<unsigned>(element); }

  std::uint32_t bits_ = 0;
};

}  // namespace ostrak
