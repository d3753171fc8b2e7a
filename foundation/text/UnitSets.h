#pragma once
// Membership of UTF-16 code units in a few fixed sets, answered by one
// table load: the table holds a bit per set for every unit and is built
// from the sets when they are compiled, so a test never searches a set.
#include <array>
#include <cstddef>
#include <cstdint>
#include <string_view>

template <size_t N>
class UnitSets {
    static_assert(N <= 8, "one byte of bits per unit");

public:
    constexpr explicit UnitSets(const std::array<std::u16string_view, N>& sets)
    {
        for (size_t set = 0; set < N; ++set)
            for (char16_t c : sets[set])
                bits_[c] = uint8_t(bits_[c] | (1u << set));
    }

    constexpr bool Holds(size_t set, char16_t c) const { return (bits_[c] >> set) & 1u; }

private:
    std::array<uint8_t, 0x10000> bits_{};
};
