#pragma once

#include <map>
#include <span>
#include <string>
#include <vector>

#include "hotkeys/hot_key_table.h"

// Which hot keys the program takes. Ctrl+Alt is AltGr on many keyboard
// layouts (Ctrl+Alt+E types the euro sign on German ones, Ctrl+Alt+L, S, A,
// O, E, C and X Polish letters), and a registered hot key takes its key away
// from every other program. So a key that types a character on one of the
// user's installed layouts is left out, and so is Ctrl+Alt+C, which does
// nothing. A key another program holds already is left out too. The settings
// dialog lists them all in one line.

namespace vix {

// What one installed keyboard layout types with Ctrl+Alt and a letter.
struct LayoutFacts {
    std::wstring layout;                 // its name, e.g. "00000415"
    std::map<char, std::wstring> typed;  // by letter; letters typing nothing are absent
};

enum class HotKeyFate : unsigned char {
    Register,        // to be registered, or registered
    NoAction,        // Ctrl+Alt+C
    TypesCharacter,  // AltGr types a character with it on an installed layout
    TakenElsewhere,  // another program registered it first
    Failed,          // the registration failed for another reason
};

// The keys in their order of registration, each with its fate.
struct HotKeyPlan {
    std::vector<HotKeyRow> rows;
    std::vector<HotKeyFate> fate;
    // With TypesCharacter: what the key types (on the first layout that does).
    std::vector<std::wstring> typed;

    HotKeyFate FateOf(HotKeyId id) const;
    bool Registers(HotKeyId id) const { return FateOf(id) == HotKeyFate::Register; }
    // A key that was to be registered and could not be.
    void RegistrationFailed(HotKeyId id, bool takenElsewhere);
};

// Decides, from the layouts' facts, which of `rows` (by default the
// program's fifteen) to register. Control characters (Ctrl+letter's own
// codes) count as typing nothing.
HotKeyPlan PlanHotKeys(std::span<const LayoutFacts> layouts,
                       std::span<const HotKeyRow> rows = HotKeyRows());

// The keys that were left out and why, in one line, each by the name its
// row's description gives it, e.g.
// "Not in use: Ctrl+Alt+E (types €), Ctrl+Alt+C (no action)".
std::wstring LeftOutLine(const HotKeyPlan& plan);

}  // namespace vix
