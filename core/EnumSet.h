#pragma once

// A set of the values of a small enumeration (at most 32 values), as the
// controls' option properties hold them: TCheckOptions{coCheckOnChange,
// coCheckOnExit}, options.Contains(coCheckOnExit).

#include <cstdint>
#include <initializer_list>

namespace ostrak {

template <typename Enum>
class EnumSet {
public:
  constexpr EnumSet() = default;
  constexpr EnumSet(std::initializer_list<Enum> values) {
    for (Enum value : values) bits_ |= Bit(value);
  }

  constexpr bool Contains(Enum value) const { return (bits_ & Bit(value)) != 0; }
  constexpr bool Empty() const { return bits_ == 0; }
  constexpr EnumSet With(Enum value) const { return FromBits(bits_ | Bit(value)); }
  constexpr EnumSet Without(Enum value) const { return FromBits(bits_ & ~Bit(value)); }
  constexpr std::uint32_t Bits() const { return bits_; }
  static constexpr EnumSet FromBits(std::uint32_t bits) {
    EnumSet set;
    set.bits_ = bits;
    return set;
  }
  friend constexpr bool operator==(EnumSet, EnumSet) = default;

private:
  static constexpr std::uint32_t Bit(Enum value) { return std::uint32_t{1} << static_cast<unsigned>(value); }
  std::uint32_t bits_ = 0;
};

}  // namespace ostrak
