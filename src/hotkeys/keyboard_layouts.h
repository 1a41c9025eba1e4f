#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "hotkeys/hot_key_plan.h"

// What the user's installed keyboard layouts type with Ctrl+Alt and each of
// `letters` (as AltGr, which Windows sends as Ctrl+Alt, would).

namespace vix {

std::vector<LayoutFacts> InstalledLayoutFacts(std::string_view letters);

// One layout's facts; exposed so that a test can ask about a layout it loads.
LayoutFacts LayoutFactsOf(HKL layout, std::string_view letters);

}  // namespace vix
