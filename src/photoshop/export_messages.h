#pragma once

#include <string>
#include <string_view>

// The texts the Photoshop exports show. Each error ends with its code; "\r"
// breaks the line as the message box shows it.

namespace vix {

inline constexpr wchar_t kOpenPhotoshopQuestion[] =
    L"VIX could not find an open PhotoShop session,\rwould you like VIX to open PhotoShop?";

enum class ExportError {
    S01,       // the clipboard does not hold the snapshot just put there
    I08,       // making Photoshop visible or getting its action control failed
    I02Color,  // creating the automation object failed (colour export)
    I02Image,  // the same for the image exports
    P04_6,     // the colour request returned failure
    P04,       // the colour request raised an error
    I04_5,     // the new document returned failure
    I04_4,     // the new layer and the fallback new document both failed
    I04,       // a request raised an error (image exports)
};

// The code as shown after "Errorcode: ".
std::wstring_view ErrorCode(ExportError error);
// The whole text; `errorText` is the system's text for the failure and is
// shown only by I02 of the colour export.
std::wstring ErrorMessage(ExportError error, std::wstring_view errorText = {});

}  // namespace vix
