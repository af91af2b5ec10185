// Board sets as 128-bit masks. Two rows of six squares plus one unused bit
// take 13 bits, so every diagonal step is a fixed shift: up-left -7,
// up-right -6, down-left +6, down-right +7; a step off the board lands on
// an unused bit or outside the 78 used bits.
#pragma once

#include <cstdint>

#include "rules/board.h"

namespace kolmar {

using Bits = unsigned __int128;

constexpr int bit_de(int s) {
    return (s - 1) + ((s - 1) / 12);
}

namespace detail {
struct TableBits {
    Bits b[TAILLE_DAMIER];
    Bits cases;
};
constexpr TableBits construire_bits() {
    TableBits t{};
    for (int s = 1; s <= NB_CASES; ++s) {
        t.b[s] = Bits(1) << bit_de(s);
        t.cases |= t.b[s];
    }
    return t;
}
inline constexpr TableBits k_bits = construire_bits();
}  // namespace detail

inline Bits bit(int s) {
    return detail::k_bits.b[s];
}
inline Bits toutes_cases() {
    return detail::k_bits.cases;
}

// One step in direction d, keeping only real squares.
template <int D>
inline Bits pas(Bits x) {
    if constexpr (D == 0)
        return (x >> 7) & detail::k_bits.cases;
    else if constexpr (D == 1)
        return (x >> 6) & detail::k_bits.cases;
    else if constexpr (D == 2)
        return (x << 6) & detail::k_bits.cases;
    else
        return (x << 7) & detail::k_bits.cases;
}

// Lowest square of a non-empty set, and the set without it.
inline int premiere_case(Bits x) {
    uint64_t lo = static_cast<uint64_t>(x);
    int b = lo ? __builtin_ctzll(lo) : 64 + __builtin_ctzll(static_cast<uint64_t>(x >> 64));
    return b - b / 13 + 1;
}
inline Bits sans_premiere(Bits x) {
    return x & (x - 1);
}

inline int compter_bits(Bits x) {
    return __builtin_popcountll(static_cast<uint64_t>(x)) + __builtin_popcountll(static_cast<uint64_t>(x >> 64));
}

}  // namespace kolmar
