#include "capture/capture_dialogs.h"

#include <vector>

#include "capture/save_rules.h"
#include "common/program_names.h"
#include "platform/file_dialogs.h"

namespace vix {
namespace {

// The filter as the dialog takes it: pairs of strings ended by a zero each,
// the list ended by one more.
std::wstring DialogFilter() {
    std::wstring filter = kSaveFilter;
    for (wchar_t& c : filter)
        if (c == L'|') c = L'\0';
    filter.push_back(L'\0');
    return filter;
}

}  // namespace

std::optional<SaveChoice> SystemCaptureDialogs::ChooseSaveFile(HWND owner) {
    const std::wstring filter = DialogFilter();
    std::vector<wchar_t> name(32768, L'\0');
    OPENFILENAMEW ofn{};
    ofn.lStructSize = sizeof ofn;
    ofn.hwndOwner = owner;
    ofn.lpstrFilter = filter.c_str();
    ofn.nFilterIndex = 1;
    ofn.lpstrFile = name.data();
    ofn.nMaxFile = static_cast<DWORD>(name.size());
    ofn.lpstrDefExt = kSaveDefaultExtension;
    ofn.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_ENABLESIZING | OFN_NOCHANGEDIR;
    const auto chosen = platform::AskSaveFileName(ofn);
    if (!chosen) return std::nullopt;
    return SaveChoice{*chosen, static_cast<int>(ofn.nFilterIndex)};
}

std::optional<std::wstring> SystemCaptureDialogs::ChooseSequenceFolder(HWND owner) {
    BROWSEINFOW info{};
    info.hwndOwner = owner;
    info.lpszTitle = kSequenceFolderTitle;
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    return platform::AskFolder(info);
}

int SystemCaptureDialogs::Message(HWND owner, const std::wstring& text, UINT flags) {
    return ::MessageBoxW(owner, text.c_str(), kApplicationTitle, flags);
}

}  // namespace vix
