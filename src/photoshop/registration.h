#pragma once

#include <functional>
#include <optional>
#include <span>
#include <string>
#include <vector>

#include "common/registry_store.h"

// Registering one installed Photoshop version as the automation server that
// "Photoshop.Application" starts, and the version chooser's OK.

namespace vix {

inline constexpr wchar_t kPhotoshopClsid[] = L"{6DECC242-87EF-11cf-86B4-444553540000}";
inline constexpr wchar_t kPhotoshopApplicationIid[] = L"{9414F179-C905-11d1-92CC-00600808FC44}";
inline constexpr wchar_t kPhotoshopTypeLib[] = L"{4B0AB3E1-80F1-11cf-86B4-444553540000}";
// The system's proxy for automation interfaces described by a type library.
inline constexpr wchar_t kAutomationProxyClsid[] = L"{00020424-0000-0000-C000-000000000046}";
inline constexpr wchar_t kPhotoshopProgId[] = L"Photoshop.Application";

// Where class registrations go: the machine's classes (HKEY_CLASSES_ROOT)
// need administrator rights on current Windows, the user's own
// (HKEY_CURRENT_USER\Software\Classes) do not and take precedence for
// that user.
struct ClassesRoot {
    RegistryRoot root = RegistryRoot::CurrentUser;
    std::wstring path;  // the key below `root`, empty for HKEY_CLASSES_ROOT itself
};
ClassesRoot UserClasses();
ClassesRoot MachineClasses();

// "Photoshp.exe" where the folder holds a file of that name (older
// versions), otherwise "Photoshop.exe", whether or not that exists.
std::wstring ExecutableName(const std::wstring& folder,
                            const std::function<bool(const std::wstring&)>& fileExists);
// The folder with exactly one separator before the file name.
std::wstring JoinPath(const std::wstring& folder, const std::wstring& file);
// LocalServer32's command: the program and " /Automation".
std::wstring ServerCommand(const std::wstring& folder, const std::wstring& executable);

// One default value to write. A key whose `parent` entry could not be
// opened is not touched.
struct RegistrationEntry {
    std::wstring key;  // relative to the classes root
    std::wstring value;
    int parent = -1;
    friend bool operator==(const RegistrationEntry&, const RegistrationEntry&) = default;
};
std::vector<RegistrationEntry> RegistrationTable(const std::wstring& version,
                                                 const std::wstring& serverCommand);

struct RegistrationResult {
    int written = 0;
    // The full name of the key whose value the system refused; writing
    // stops there.
    std::optional<std::wstring> failedKey;
};
// Writes the table under `classes`, opening each key with creation; a key
// that cannot be opened is skipped with its children.
RegistrationResult WriteRegistration(RegistryStore& store, const ClassesRoot& classes,
                                     std::span<const RegistrationEntry> table);

// "HKEY_CURRENT_USER\Software\Classes\Photoshop.Application" and the like.
std::wstring RegistryKeyName(RegistryRoot root, const std::wstring& path);
// The message shown when a registration write is refused.
std::wstring RegistrationFailureMessage(const std::wstring& keyName);

// The version chooser's OK for the entry `index` of `versions`.
struct ChoiceOutcome {
    // The choice to store (then save): the version and the newest listed,
    // set whenever the registration was attempted, even if a write failed.
    std::optional<std::wstring> chosenVersion;
    std::optional<std::wstring> lastListedVersion;
    std::optional<std::wstring> failedKey;  // show RegistrationFailureMessage
    bool closeForm = true;                  // false after a refused write
};
ChoiceOutcome ChooseVersion(std::span<const std::wstring> versions, int index,
                            std::span<RegistryStore* const> versionViews,
                            RegistryStore& classesStore, const ClassesRoot& classes,
                            const std::function<bool(const std::wstring&)>& fileExists);

}  // namespace vix
