// /RegServer and /UnregServer: the class, its ProgID and the type library
// under HKEY_CLASSES_ROOT, where Wine looks for them (it does not merge the
// user's own classes).

#include "server_registration.h"

#include <string>

#include "common/registry_store.h"
#include "photoshop/registration.h"
#include "platform/registry.h"

namespace vix::fake {

namespace {

std::wstring ProgramPath() {
    wchar_t path[MAX_PATH];
    const DWORD length = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    return std::wstring(path, length);
}

std::wstring ClassKey() { return std::wstring(L"CLSID\\") + kPhotoshopClsid; }

bool WriteDefault(RegistryStore& registry, const std::wstring& path, const std::wstring& value) {
    auto key = registry.Open(RegistryRoot::ClassesRoot, path, OpenMode::Create);
    return key && key->Write(L"", RegistryValue::Text(value));
}

}  // namespace

HRESULT RegisterServer() {
    platform::WinRegistry registry;
    const std::wstring name = L"Photoshop Application (test server)";
    const std::wstring progId = kPhotoshopProgId;
    const bool written =
        WriteDefault(registry, ClassKey(), name) &&
        WriteDefault(registry, ClassKey() + L"\\LocalServer32",
                     L"\"" + ProgramPath() + L"\" /Automation") &&
        WriteDefault(registry, ClassKey() + L"\\ProgID", progId + L".Test") &&
        WriteDefault(registry, ClassKey() + L"\\VersionIndependentProgID", progId) &&
        WriteDefault(registry, progId, name) &&
        WriteDefault(registry, progId + L"\\CLSID", kPhotoshopClsid);
    if (!written) return E_ACCESSDENIED;

    // Registers the library and, for each dual interface, the system's
    // automation proxy that marshals it by the library's description.
    ITypeLib* library = nullptr;
    const HRESULT hr = ::LoadTypeLibEx(ProgramPath().c_str(), REGKIND_REGISTER, &library);
    if (library) library->Release();
    return hr;
}

HRESULT UnregisterServer() {
    platform::WinRegistry registry;
    registry.DeleteTree(RegistryRoot::ClassesRoot, ClassKey());
    registry.DeleteTree(RegistryRoot::ClassesRoot, kPhotoshopProgId);
    ITypeLib* library = nullptr;
    HRESULT hr = ::LoadTypeLibEx(ProgramPath().c_str(), REGKIND_NONE, &library);
    if (FAILED(hr)) return hr;
    TLIBATTR* attributes = nullptr;
    hr = library->GetLibAttr(&attributes);
    if (SUCCEEDED(hr)) {
        hr = ::UnRegisterTypeLib(attributes->guid, attributes->wMajorVerNum,
                                 attributes->wMinorVerNum, attributes->lcid, attributes->syskind);
        library->ReleaseTLibAttr(attributes);
    }
    library->Release();
    return hr;
}

}  // namespace vix::fake
