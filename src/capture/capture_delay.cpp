#include "capture/capture_delay.h"

namespace vix {

int DelayChoiceIndex(int seconds) {
    for (std::size_t i = 0; i < kDelayChoices.size(); ++i)
        if (kDelayChoices[i] == seconds) return static_cast<int>(i);
    return 0;
}

std::wstring DelayChoiceText(int seconds) {
    return seconds <= 0 ? L"none" : std::to_wstring(seconds) + L" s";
}

std::wstring CountdownText(long long msLeft) {
    const long long seconds = msLeft <= 0 ? 1 : (msLeft + 999) / 1000;
    return L"Capturing in " + std::to_wstring(seconds) + L" s\u2026 Esc cancels";
}

}  // namespace vix
