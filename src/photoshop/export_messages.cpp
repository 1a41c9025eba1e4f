#include "photoshop/export_messages.h"

namespace vix {

namespace {
constexpr wchar_t kCouldNotOpen[] = L"Error could not open a photoshop session, version < 5 ??";
constexpr wchar_t kColorFailed[] = L"Vix Could not export the current color to Photoshop";
constexpr wchar_t kImageFailed[] = L"Vix Could not export the image to Photoshop";

std::wstring_view Headline(ExportError error) {
    switch (error) {
        case ExportError::S01: return L"ERROR Clipboard data not ready !!";
        case ExportError::I08: return L"Error could not set photoshop visible version < 5 ??";
        case ExportError::I02Color:
        case ExportError::I02Image: return kCouldNotOpen;
        case ExportError::P04_6:
        case ExportError::P04: return kColorFailed;
        case ExportError::I04_5:
        case ExportError::I04_4:
        case ExportError::I04: return kImageFailed;
    }
    return {};
}
}  // namespace

std::wstring_view ErrorCode(ExportError error) {
    switch (error) {
        case ExportError::S01: return L"S01";
        case ExportError::I08: return L"I08";
        case ExportError::I02Color:
        case ExportError::I02Image: return L"I02";
        case ExportError::P04_6: return L"P04_6";
        case ExportError::P04: return L"P04";
        case ExportError::I04_5: return L"I04_5";
        case ExportError::I04_4: return L"I04_4";
        case ExportError::I04: return L"I04";
    }
    return {};
}

std::wstring ErrorMessage(ExportError error, std::wstring_view errorText) {
    std::wstring text(Headline(error));
    text += L"\rErrorcode: ";
    text += ErrorCode(error);
    if (error == ExportError::I02Color) {
        text += L"\r";
        text += errorText;
    }
    return text;
}

}  // namespace vix
