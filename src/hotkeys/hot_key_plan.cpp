#include "hotkeys/hot_key_plan.h"

namespace vix {
namespace {

bool IsPrintable(wchar_t c) { return c >= 0x20 && c != 0x7F && !(c >= 0x80 && c < 0xA0); }

// The printable part of what a key types; empty when it types only control
// characters.
std::wstring Printable(const std::wstring& text) {
    std::wstring out;
    for (wchar_t c : text)
        if (IsPrintable(c)) out += c;
    return out;
}

std::size_t IndexOf(const HotKeyPlan& plan, HotKeyId id) {
    for (std::size_t i = 0; i < plan.rows.size(); ++i)
        if (plan.rows[i].id() == id) return i;
    return plan.rows.size();
}

std::wstring Reason(const HotKeyPlan& plan, std::size_t i) {
    switch (plan.fate[i]) {
        case HotKeyFate::NoAction: return L"no action";
        case HotKeyFate::TypesCharacter: return L"types " + plan.typed[i];
        case HotKeyFate::TakenElsewhere: return L"used by another program";
        case HotKeyFate::Failed: return L"refused by Windows";
        case HotKeyFate::Register: break;
    }
    return {};
}

}  // namespace

HotKeyFate HotKeyPlan::FateOf(HotKeyId id) const {
    const std::size_t i = IndexOf(*this, id);
    return i < fate.size() ? fate[i] : HotKeyFate::NoAction;
}

void HotKeyPlan::RegistrationFailed(HotKeyId id, bool takenElsewhere) {
    const std::size_t i = IndexOf(*this, id);
    if (i < fate.size()) fate[i] = takenElsewhere ? HotKeyFate::TakenElsewhere : HotKeyFate::Failed;
}

HotKeyPlan PlanHotKeys(std::span<const LayoutFacts> layouts, std::span<const HotKeyRow> rows) {
    HotKeyPlan plan;
    plan.rows.assign(rows.begin(), rows.end());
    plan.fate.resize(rows.size());
    plan.typed.resize(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const HotKeyRow& row = rows[i];
        if (!row.hasAction) {
            plan.fate[i] = HotKeyFate::NoAction;
            continue;
        }
        plan.fate[i] = HotKeyFate::Register;
        for (const LayoutFacts& layout : layouts) {
            const auto found = layout.typed.find(row.letter);
            if (found == layout.typed.end()) continue;
            std::wstring text = Printable(found->second);
            if (text.empty()) continue;
            plan.fate[i] = HotKeyFate::TypesCharacter;
            plan.typed[i] = std::move(text);
            break;
        }
    }
    return plan;
}

std::wstring LeftOutLine(const HotKeyPlan& plan) {
    std::wstring line;
    for (std::size_t i = 0; i < plan.rows.size(); ++i) {
        if (plan.fate[i] == HotKeyFate::Register) continue;
        line += line.empty() ? L"Not in use: " : L", ";
        line += std::wstring(KeyName(plan.rows[i])) + L" (" + Reason(plan, i) + L")";
    }
    return line;
}

}  // namespace vix
