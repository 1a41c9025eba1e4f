#include "registry_tree.h"

namespace vix::test {
namespace {

// Written last into the backup key: its copy is complete.
constexpr wchar_t kComplete[] = L"Copy complete";
// Whether the saved key existed at all.
constexpr wchar_t kExisted[] = L"Key existed";
constexpr wchar_t kTree[] = L"\\Tree";

}  // namespace

bool CopyTree(RegistryStore& store, RegistryRoot root, std::wstring_view from,
              std::wstring_view to) {
    const auto source = store.Open(root, from, OpenMode::Existing);
    if (!source) return false;
    auto target = store.Open(root, to, OpenMode::Create);
    if (!target) return false;
    for (const std::wstring& name : source->ValueNames())
        if (const auto value = source->Read(name)) target->Write(name, *value);
    for (const std::wstring& sub : source->SubkeyNames())
        CopyTree(store, root, std::wstring(from) + L"\\" + sub, std::wstring(to) + L"\\" + sub);
    return true;
}

SavedKey::SavedKey(RegistryStore& store, RegistryRoot root, std::wstring key, std::wstring backup)
    : store_(store), root_(root), key_(std::move(key)), backup_(std::move(backup)) {
    if (const auto existing = store_.Open(root_, backup_, OpenMode::Existing)) {
        // A complete copy is the user's key from before an earlier run that
        // died: it, not today's state, is what goes back.
        if (existing->Read(kComplete)) return;
    }
    store_.DeleteTree(root_, backup_);
    const bool existed = CopyTree(store_, root_, key_, backup_ + kTree);
    auto marker = store_.Open(root_, backup_, OpenMode::Create);
    if (!marker) return;
    marker->Write(kExisted, RegistryValue::Dword(existed ? 1 : 0));
    marker->Write(kComplete, RegistryValue::Dword(1));
}

void SavedKey::Restore() {
    if (restored_) return;
    restored_ = true;
    bool existed = false;
    {
        const auto marker = store_.Open(root_, backup_, OpenMode::Existing);
        // Without a complete copy nothing may be deleted: leave the key alone.
        if (!marker || !marker->Read(kComplete)) return;
        existed = marker->Read(kExisted) == RegistryValue::Dword(1);
    }
    store_.DeleteTree(root_, key_);
    if (existed) CopyTree(store_, root_, backup_ + kTree, key_);
    store_.DeleteTree(root_, backup_);
}

}  // namespace vix::test
