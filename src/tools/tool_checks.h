#pragma once

#include <array>
#include <cstddef>
#include <span>

#include "hotkeys/hot_key_table.h"
#include "tools/active_mode.h"

// What tool_set.cpp, the one file naming every tool, asserts of them at
// build time: no two tools run under one mode, and no letter is two hot
// keys, among the program's fifteen and the keys the tools bring. A tool
// declares both as static members: `static constexpr ActiveMode kMode`
// and `static constexpr HotKeyRow kOwnKeys[]`; a tool without them has no
// mode and brings no key. ToolTable checks the same again at start.

namespace vix {

template <class T>
constexpr ActiveMode ModeOf() {
    if constexpr (requires { T::kMode; })
        return T::kMode;
    else
        return ActiveMode::None;
}

template <class T>
constexpr std::span<const HotKeyRow> OwnKeysOf() {
    if constexpr (requires { T::kOwnKeys; })
        return T::kOwnKeys;
    else
        return {};
}

// No mode but None is in `modes` twice.
constexpr bool DistinctModes(std::span<const ActiveMode> modes) {
    for (std::size_t i = 0; i < modes.size(); ++i)
        for (std::size_t j = i + 1; j < modes.size(); ++j)
            if (modes[i] != ActiveMode::None && modes[i] == modes[j]) return false;
    return true;
}

// No letter is on two rows of `groups`, within a group or across them.
constexpr bool DistinctLetters(std::span<const std::span<const HotKeyRow>> groups) {
    for (std::size_t g = 0; g < groups.size(); ++g)
        for (std::size_t i = 0; i < groups[g].size(); ++i)
            for (std::size_t h = g; h < groups.size(); ++h)
                for (std::size_t j = h == g ? i + 1 : 0; j < groups[h].size(); ++j)
                    if (groups[g][i].letter == groups[h][j].letter) return false;
    return true;
}

// Every key a tool brings is a letter described under its own name.
constexpr bool WellFormedKeys(std::span<const std::span<const HotKeyRow>> groups) {
    for (std::span<const HotKeyRow> group : groups)
        for (const HotKeyRow& row : group)
            if (!WellFormed(row)) return false;
    return true;
}

template <class... Tools>
constexpr bool DistinctModes() {
    const std::array<ActiveMode, sizeof...(Tools)> modes{ModeOf<Tools>()...};
    return DistinctModes(modes);
}

template <class... Tools>
constexpr bool DistinctLetters() {
    const std::array<std::span<const HotKeyRow>, 1 + sizeof...(Tools)> groups{
        std::span<const HotKeyRow>(kHotKeyRows), OwnKeysOf<Tools>()...};
    return DistinctLetters(groups);
}

template <class... Tools>
constexpr bool WellFormedKeys() {
    const std::array<std::span<const HotKeyRow>, sizeof...(Tools)> groups{OwnKeysOf<Tools>()...};
    return WellFormedKeys(groups);
}

}  // namespace vix
