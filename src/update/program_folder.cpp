#include "update/program_folder.h"

namespace vix {

std::optional<std::wstring> ProgramFolder(std::wstring_view programPath) {
    const auto last = programPath.find_last_of(L"\\/");
    if (last == std::wstring_view::npos) return std::nullopt;
    return std::wstring(programPath.substr(0, last + 1));
}

std::wstring UpdateProgramPath(std::wstring_view folder) {
    return std::wstring(folder) + kUpdateProgramName;
}

}  // namespace vix
