#include "prefixed_registry.h"

namespace vix::test {
namespace {

const wchar_t* RootName(RegistryRoot root) {
    switch (root) {
        case RegistryRoot::CurrentUser: return L"HKCU";
        case RegistryRoot::Users: return L"HKU";
        case RegistryRoot::LocalMachine: return L"HKLM";
        case RegistryRoot::ClassesRoot: return L"HKCR";
    }
    return L"HKCU";
}

}  // namespace

std::wstring PrefixedRegistry::Where(RegistryRoot root, std::wstring_view path) const {
    while (!path.empty() && path.front() == L'\\')
        path.remove_prefix(1);
    std::wstring where = base_ + L"\\" + RootName(root);
    if (!path.empty()) where += L"\\" + std::wstring(path);
    return where;
}

std::unique_ptr<RegistryKey> PrefixedRegistry::Open(RegistryRoot root, std::wstring_view path,
                                                    OpenMode mode) {
    return inner_.Open(RegistryRoot::CurrentUser, Where(root, path), mode);
}

bool PrefixedRegistry::DeleteTree(RegistryRoot root, std::wstring_view path) {
    return inner_.DeleteTree(RegistryRoot::CurrentUser, Where(root, path));
}

}  // namespace vix::test
