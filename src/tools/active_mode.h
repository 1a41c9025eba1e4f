#pragma once

#include <string_view>

// The running tool: at most one runs at a time, and the main window keeps
// which (ActiveMode). A mode is known by its name, which the tool declares
// in its own header (static constexpr ActiveMode kMode{"grid"}); no number
// is handed out by hand, so two folders cannot pick the same one unseen.
// tool_set.cpp, which names every tool, makes two tools with one name a
// build error (tool_checks.h).

namespace vix {

class ActiveMode {
  public:
    // None: no tool runs.
    constexpr ActiveMode() = default;
    constexpr explicit ActiveMode(std::string_view name) : name_(name) {}

    static const ActiveMode None;

    constexpr std::string_view Name() const { return name_; }
    friend constexpr bool operator==(ActiveMode a, ActiveMode b) { return a.name_ == b.name_; }

  private:
    std::string_view name_;
};

inline constexpr ActiveMode ActiveMode::None{};

}  // namespace vix
