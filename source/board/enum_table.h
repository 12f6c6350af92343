#pragma once

// Tables indexed by an enum, one entry per value in the enum's order: the
// check that they are, for a static_assert beside each table.

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>
#include <utility>

namespace corvane::board {

template <typename Entry, std::size_t N, typename KeyOf>
constexpr bool InEnumOrder(const std::array<Entry, N>& table, KeyOf keyOf)
{
    for (std::size_t i = 0; i < N; ++i)
        if (static_cast<std::size_t>(keyOf(table[i])) != i)
            return false;
    return true;
}

// A value's name in a table of names (as design files and the command
// write it), and the value a name stands for.
template <typename Enum, std::size_t N>
constexpr std::string_view NameIn(
    const std::array<std::pair<Enum, std::string_view>, N>& names, Enum value)
{
    for (const auto& [named, name] : names)
        if (named == value)
            return name;
    return {};
}

template <typename Enum, std::size_t N>
constexpr std::optional<Enum> NamedIn(
    const std::array<std::pair<Enum, std::string_view>, N>& names, std::string_view name)
{
    for (const auto& [value, named] : names)
        if (named == name)
            return value;
    return std::nullopt;
}

} // namespace corvane::board
