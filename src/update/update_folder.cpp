#include "update/update_folder.h"

namespace vix {

std::wstring UpdateFolderIn(std::wstring_view local) {
    return std::wstring(local) + L"Brellin Software Development\\VIX\\Update\\";
}

std::wstring UpdateProgramPath(std::wstring_view folder) {
    return std::wstring(folder) + kUpdateProgramName;
}

}  // namespace vix
