#include "hotkeys/hot_key_service.h"

#include <vector>

#include "hotkeys/keyboard_layouts.h"

namespace vix {

void HotKeyService::Register(HWND window, std::span<const HotKeyRow> rows) {
    const std::vector<LayoutFacts> layouts = InstalledLayoutFacts(ActionLetters(rows));
    Register(window, rows, layouts);
}

void HotKeyService::Register(HWND window, std::span<const HotKeyRow> rows,
                             std::span<const LayoutFacts> layouts) {
    keys_.Release();
    plan_ = PlanHotKeys(layouts, rows);
    std::vector<platform::HotKeySpec> specs;
    std::vector<HotKeyId> ids;
    for (const HotKeyRow& row : rows) {
        if (!plan_.Registers(row.id())) continue;
        // The atom names are literals, so their data ends in a terminator.
        specs.push_back({row.atomName.data(), kHotKeyModifiers,
                         static_cast<UINT>(static_cast<unsigned char>(row.letter))});
        ids.push_back(row.id());
    }
    keys_ = platform::HotKeys(window, specs);
    for (std::size_t i = 0; i < ids.size(); ++i) {
        const platform::HotKeyState& state = keys_.keys()[i];
        if (!state.registered) plan_.RegistrationFailed(ids[i], state.TakenElsewhere());
    }
}

}  // namespace vix
