#include "photoshop/registration.h"

#include "photoshop/version_list.h"

namespace vix {

ClassesRoot UserClasses() { return {RegistryRoot::CurrentUser, L"Software\\Classes"}; }
ClassesRoot MachineClasses() { return {RegistryRoot::ClassesRoot, L""}; }

std::wstring JoinPath(const std::wstring& folder, const std::wstring& file) {
    if (folder.empty() || folder.back() == L'\\' || folder.back() == L'/') return folder + file;
    return folder + L"\\" + file;
}

std::wstring ExecutableName(const std::wstring& folder,
                            const std::function<bool(const std::wstring&)>& fileExists) {
    return fileExists(JoinPath(folder, L"Photoshp.exe")) ? L"Photoshp.exe" : L"Photoshop.exe";
}

std::wstring ServerCommand(const std::wstring& folder, const std::wstring& executable) {
    return JoinPath(folder, executable) + L" /Automation";
}

std::vector<RegistrationEntry> RegistrationTable(const std::wstring& version,
                                                 const std::wstring& serverCommand) {
    const std::wstring name = L"Photoshop " + version + L" Application";
    const std::wstring clsidKey = std::wstring(L"CLSID\\") + kPhotoshopClsid;
    const std::wstring interfaceKey = std::wstring(L"Interface\\") + kPhotoshopApplicationIid;
    const std::wstring progId = kPhotoshopProgId;
    return {
        {progId, name, -1},
        {progId + L"\\CLSID", kPhotoshopClsid, 0},
        {clsidKey, name, -1},
        {clsidKey + L"\\ProgID", progId + L"." + version, 2},
        {clsidKey + L"\\VersionIndependentProgID", progId, 2},
        {clsidKey + L"\\LocalServer32", serverCommand, 2},
        {interfaceKey, L"IPhotoshopApplication", -1},
        {interfaceKey + L"\\TypeLib", kPhotoshopTypeLib, 6},
        {interfaceKey + L"\\ProxyStubClsid32", kAutomationProxyClsid, 6},
    };
}

namespace {
std::wstring Below(const ClassesRoot& classes, const std::wstring& key) {
    return classes.path.empty() ? key : classes.path + L"\\" + key;
}
}  // namespace

RegistrationResult WriteRegistration(RegistryStore& store, const ClassesRoot& classes,
                                     std::span<const RegistrationEntry> table) {
    RegistrationResult result;
    std::vector<bool> opened(table.size(), false);
    for (std::size_t i = 0; i < table.size(); ++i) {
        const auto& entry = table[i];
        if (entry.parent >= 0 && !opened[static_cast<std::size_t>(entry.parent)]) continue;
        const std::wstring path = Below(classes, entry.key);
        auto key = store.Open(classes.root, path, OpenMode::Create);
        if (!key) continue;
        opened[i] = true;
        if (!key->Write(L"", RegistryValue::Text(entry.value))) {
            result.failedKey = RegistryKeyName(classes.root, path);
            return result;
        }
        ++result.written;
    }
    return result;
}

std::wstring RegistryKeyName(RegistryRoot root, const std::wstring& path) {
    std::wstring name;
    switch (root) {
        case RegistryRoot::CurrentUser: name = L"HKEY_CURRENT_USER"; break;
        case RegistryRoot::Users: name = L"HKEY_USERS"; break;
        case RegistryRoot::LocalMachine: name = L"HKEY_LOCAL_MACHINE"; break;
        case RegistryRoot::ClassesRoot: name = L"HKEY_CLASSES_ROOT"; break;
    }
    return path.empty() ? name : name + L"\\" + path;
}

std::wstring RegistrationFailureMessage(const std::wstring& keyName) {
    return L"Failed to set data for \"" + keyName + L"\"";
}

ChoiceOutcome ChooseVersion(std::span<const std::wstring> versions, int index,
                            std::span<RegistryStore* const> versionViews,
                            RegistryStore& classesStore, const ClassesRoot& classes,
                            const std::function<bool(const std::wstring&)>& fileExists) {
    ChoiceOutcome outcome;
    if (index < 0 || static_cast<std::size_t>(index) >= versions.size()) return outcome;
    const std::wstring& version = versions[static_cast<std::size_t>(index)];
    const std::wstring folder = ReadApplicationPath(versionViews, version);
    if (version.empty() || folder.empty()) return outcome;

    const auto command = ServerCommand(folder, ExecutableName(folder, fileExists));
    const auto table = RegistrationTable(version, command);
    const auto written = WriteRegistration(classesStore, classes, table);
    outcome.failedKey = written.failedKey;
    outcome.closeForm = !written.failedKey;
    outcome.chosenVersion = version;
    outcome.lastListedVersion = versions.back();
    return outcome;
}

}  // namespace vix
