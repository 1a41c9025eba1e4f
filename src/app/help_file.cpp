#include "app/help_file.h"

#include "app/application.h"
#include "app/vendor.h"
#include "platform/file.h"
#include "platform/system_libraries.h"
#include "update/signature_check.h"

namespace vix {
namespace {

bool HelpFileThere(const std::wstring& path) {
    const DWORD attributes = ::GetFileAttributesW(platform::detail::LongPathForm(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

}  // namespace

std::wstring HelpFilePath() {
    const std::wstring program = OwnProgramPath();
    const std::size_t slash = program.find_last_of(L"\\/");
    if (slash == std::wstring::npos) return {};
    return program.substr(0, slash + 1) + kHelpFile;
}

void ShowHelp(HWND owner) {
    const std::wstring path = HelpFilePath();
    if (path.empty() || !HelpFileThere(path)) {
        Application::ShowError(L"The help file \"" +
                               (path.empty() ? std::wstring(kHelpFile) : path) +
                               L"\" is missing. Install VIX again to get it back.");
        return;
    }
    // ShellExecute's result is a number dressed as a handle: above 32 is
    // success.
    const auto result = reinterpret_cast<INT_PTR>(platform::late::ShellExecuteW(
        owner, L"open", path.c_str(), nullptr, nullptr, SW_SHOWNORMAL));
    if (result <= 32)
        Application::ShowError(L"Cannot open the help file \"" + path +
                               L"\": no help viewer opens it.");
}

}  // namespace vix
