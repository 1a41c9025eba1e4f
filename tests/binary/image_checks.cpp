#include "image_checks.h"

#include <algorithm>
#include <array>
#include <regex>

namespace vix::binary {
namespace {

std::string Lower(std::string_view text) {
    std::string lower(text);
    for (char& c : lower)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return lower;
}

// Every one is part of every Windows 10 and 11. Imported today: kernel32,
// user32, gdi32, advapi32 and msvcrt (MinGW's C runtime, a system file
// since Windows XP). Loaded at run time today, and so fine to import
// directly: comctl32, comdlg32, ole32, oleaut32, shell32, winhttp (the
// update check), crypt32 and wintrust (the update program's signature),
// ntdll. Linked but unused today: msimg32. Of the system's usual set:
// wininet, shlwapi, uxtheme, version, winmm. The Universal C runtime's
// api-ms-win-crt-* are Windows 10's own too.
constexpr std::array<std::string_view, 20> kSystemLibraries = {
    "kernel32.dll", "user32.dll",   "gdi32.dll",    "advapi32.dll", "msvcrt.dll",
    "comctl32.dll", "comdlg32.dll", "ole32.dll",    "oleaut32.dll", "shell32.dll",
    "winhttp.dll",  "crypt32.dll",  "wintrust.dll", "ntdll.dll",    "msimg32.dll",
    "wininet.dll",  "shlwapi.dll",  "uxtheme.dll",  "version.dll",  "winmm.dll",
};
constexpr std::string_view kUniversalCrtPrefix = "api-ms-win-crt-";
constexpr std::string_view kHookLibrary = "vix32.dll";

bool IsSystemLibrary(const std::string& lower) {
    return std::find(kSystemLibraries.begin(), kSystemLibraries.end(), lower) !=
               kSystemLibraries.end() ||
           lower.starts_with(kUniversalCrtPrefix);
}

std::uint16_t U16(const std::vector<std::uint8_t>& d, std::size_t at) {
    return static_cast<std::uint16_t>(d[at] | d[at + 1] << 8);
}

std::uint32_t U32(const std::vector<std::uint8_t>& d, std::size_t at) {
    return U16(d, at) | static_cast<std::uint32_t>(U16(d, at + 2)) << 16;
}

}  // namespace

std::vector<std::string> MissingSecurityFlags(const pe::PeImage& image) {
    std::vector<std::string> missing;
    const auto dll = image.DllCharacteristics();
    if (!(dll & pe::kDynamicBase)) missing.push_back("DYNAMIC_BASE");
    if (!(dll & pe::kNxCompat)) missing.push_back("NX_COMPAT");
    if (image.Is64() && !(dll & pe::kHighEntropyVa)) missing.push_back("HIGH_ENTROPY_VA");
    if (!(image.Characteristics() & pe::kLargeAddressAware))
        missing.push_back("LARGE_ADDRESS_AWARE");
    return missing;
}

std::vector<std::string> UnexpectedLibraries(const pe::PeImage& image, bool hookLibraryAllowed) {
    std::vector<std::string> unexpected;
    for (const auto& library : image.Imports()) {
        const std::string lower = Lower(library.name);
        if (IsSystemLibrary(lower)) continue;
        if (hookLibraryAllowed && lower == kHookLibrary) continue;
        unexpected.push_back(library.name);
    }
    return unexpected;
}

std::vector<std::string> MinGwRuntimeLibraries(const pe::PeImage& image) {
    std::vector<std::string> found;
    for (const auto& library : image.Imports()) {
        const std::string lower = Lower(library.name);
        if (lower.starts_with("libstdc++") || lower.starts_with("libgcc_s") ||
            lower.starts_with("libwinpthread"))
            found.push_back(library.name);
    }
    return found;
}

std::vector<std::string> ManifestProblems(std::string_view manifest) {
    struct Rule {
        const char* what;
        std::regex pattern;
    };
    static const Rule rules[] = {
        {"runs as the user who starts it (asInvoker)",
         std::regex(R"(<requestedExecutionLevel\s+level="asInvoker")")},
        {"names Windows 10 and 11 as supported",
         std::regex(R"(<supportedOS\s+Id="\{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a\}")",
                    std::regex::icase)},
        {"is aware of each monitor's DPI (PerMonitorV2 first)",
         std::regex(R"(<dpiAwareness[^>]*>\s*PerMonitorV2\b)")},
    };
    const std::string text(manifest);
    std::vector<std::string> problems;
    for (const Rule& rule : rules)
        if (!std::regex_search(text, rule.pattern)) problems.push_back(rule.what);
    return problems;
}

std::optional<FixedVersion> ReadVersionResource(const std::vector<std::uint8_t>& data) {
    // wLength, wValueLength, wType, then the key in UTF-16 and its
    // terminator, then VS_FIXEDFILEINFO on a four-byte boundary.
    const std::u16string_view key = u"VS_VERSION_INFO";
    const std::size_t keyEnd = 6 + (key.size() + 1) * 2;
    const std::size_t fixed = (keyEnd + 3) & ~std::size_t{3};
    constexpr std::size_t kFixedSize = 52;
    if (data.size() < fixed + kFixedSize || U16(data, 0) > data.size()) return std::nullopt;
    if (U16(data, 2) < kFixedSize) return std::nullopt;
    for (std::size_t i = 0; i <= key.size(); ++i) {
        const char16_t expected = i < key.size() ? key[i] : u'\0';
        if (U16(data, 6 + i * 2) != expected) return std::nullopt;
    }
    if (U32(data, fixed) != 0xFEEF04BDu) return std::nullopt;
    const std::uint32_t fileVersionMs = U32(data, fixed + 8);
    return FixedVersion{static_cast<std::uint16_t>(fileVersionMs >> 16),
                        static_cast<std::uint16_t>(fileVersionMs & 0xFFFF), U32(data, fixed + 36)};
}

const pe::Resource* FindResource(const std::vector<pe::Resource>& resources, std::uint16_t type,
                                 std::uint16_t id) {
    for (const auto& resource : resources)
        if (resource.type == type && resource.id == id) return &resource;
    return nullptr;
}

}  // namespace vix::binary
