// UTF-8 of any bytes decodes; what it decodes to encodes and decodes again
// unchanged, and UTF-16LE registry text round-trips.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "common/utf16.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::wstring text =
        vix::FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    if (vix::FromUtf8(vix::ToUtf8(text)) != text) std::abort();
    const std::wstring registry = vix::FromUtf16Le({data, size});
    if (registry.find(L'\0') != std::wstring::npos) std::abort();
    if (vix::FromUtf16Le(vix::ToUtf16LeZ(registry)) != registry) std::abort();
    return 0;
}
