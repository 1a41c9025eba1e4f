// Any typed name under any filter saves something: the chosen name with at
// most an ending added, and the final name's ending fits the format.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "capture/save_rules.h"

namespace {

bool EndsWithNoCase(const std::wstring& s, const std::wstring& ending) {
    if (s.size() < ending.size()) return false;
    for (std::size_t i = 0; i < ending.size(); ++i) {
        wchar_t c = s[s.size() - ending.size() + i];
        if (c >= L'A' && c <= L'Z') c = c - L'A' + L'a';
        if (c != ending[i]) return false;
    }
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    const int filter = static_cast<int>(data[0] % 6);
    std::wstring name;
    // Mostly the letters that matter, now and then anything.
    const wchar_t letters[] = L".jpgetifJPGETIF\\x";
    for (std::size_t i = 1; i < size; ++i)
        name += data[i] < 200 ? letters[data[i] % 17] : static_cast<wchar_t>(data[i] * 131);
    const vix::SaveTarget t = vix::ChooseSaveTarget(name, filter);
    if (t.fileName.compare(0, name.size(), name) != 0) std::abort();
    const std::size_t added = t.fileName.size() - name.size();
    if (added != 0 && added != 4) std::abort();
    if (t.format == vix::ImageFormat::kTiff && !EndsWithNoCase(t.fileName, L".tif")) std::abort();
    if (t.format == vix::ImageFormat::kJpeg && !EndsWithNoCase(t.fileName, L".jpg") &&
        !EndsWithNoCase(t.fileName, L".jpeg"))
        std::abort();
    if (filter == 2 && t.format != vix::ImageFormat::kJpeg) std::abort();
    if (filter == 3 && t.format != vix::ImageFormat::kTiff) std::abort();
    return 0;
}
