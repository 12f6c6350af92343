#pragma once

// Tables indexed by an enum, one entry per value in the enum's order: the
// check that they are, for a static_assert beside each table.

#include <array>
#include <cstddef>

namespace corvane::board {

template <typename Entry, std::size_t N, typename KeyOf>
constexpr bool InEnumOrder(const std::array<Entry, N>& table, KeyOf keyOf)
{
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(keyOf(table[i])) != i)
            return false;
    return true;
}

} // namespace corvane::board
