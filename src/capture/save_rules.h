#pragma once

#include <string>

// What the save dialog's choice means: the format and the final file name
// for the name typed and the filter chosen.

namespace vix {

// The dialog's filters, as the dialog shows them (indexes 1 to 4), and
// the extension it adds to a name typed without one.
inline constexpr wchar_t kSaveFilter[] =
    L"All (*.jpg;*.jpeg;*.tif)|*.jpg;*.jpeg;*.tif|JPEG Image File (*.jpg)|*.jpg|"
    L"Taged Image File Format (*.tif)|*.tif|PNG (*.png)|*.png";
inline constexpr wchar_t kSaveDefaultExtension[] = L"jpg";

enum class ImageFormat { kJpeg, kTiff, kPng };

struct SaveTarget {
    ImageFormat format;
    std::wstring fileName;
    friend bool operator==(const SaveTarget&, const SaveTarget&) = default;
};

// Filter 2 always saves JPEG, filter 3 TIFF and filter 4 PNG, adding ".jpg",
// ".tif" or ".png" to a name not already ending so (in any case). Under
// filter 1 (and any index the dialog should not give) a name ending in
// ".tif" is TIFF, one ending in ".png" PNG, one ending in ".jpg" or ".jpeg"
// JPEG as it is, and any other name is JPEG with ".jpg" added: every choice
// saves something.
SaveTarget ChooseSaveTarget(const std::wstring& chosenName, int filterIndex);

}  // namespace vix
