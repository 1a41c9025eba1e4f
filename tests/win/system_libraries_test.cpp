// The system libraries bound on first use: the program and its hook library
// import none of them, and a call through the binding reaches the system's
// function with its arguments and brings its result back.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/bstr.h"
#include "platform/system_libraries.h"

namespace vix::platform {
namespace {

std::wstring BinaryFolder() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring p(path);
    return p.substr(0, p.find_last_of(L"\\/") + 1);
}

std::string Lower(std::string s) {
    std::transform(s.begin(), s.end(), s.begin(), [](char c) {
        return static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    });
    return s;
}

template <typename T>
T At(const std::vector<char>& file, std::size_t offset) {
    T value{};
    if (offset + sizeof(T) <= file.size()) std::memcpy(&value, file.data() + offset, sizeof(T));
    return value;
}

// The names of the libraries a program file imports at load time, read from
// its import directory (either PE layout).
std::vector<std::string> ImportedLibraries(const std::wstring& path) {
    std::ifstream in(std::filesystem::path(path), std::ios::binary);
    const std::vector<char> file((std::istreambuf_iterator<char>(in)), {});
    const auto nt = static_cast<std::size_t>(At<IMAGE_DOS_HEADER>(file, 0).e_lfanew);
    const auto header = At<IMAGE_FILE_HEADER>(file, nt + 4);
    const std::size_t optional = nt + 4 + sizeof(IMAGE_FILE_HEADER);
    const bool wide = At<WORD>(file, optional) == IMAGE_NT_OPTIONAL_HDR64_MAGIC;
    const IMAGE_DATA_DIRECTORY imports = wide ? At<IMAGE_OPTIONAL_HEADER64>(file, optional)
                                                    .DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT]
                                              : At<IMAGE_OPTIONAL_HEADER32>(file, optional)
                                                    .DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
    const std::size_t sections = optional + header.SizeOfOptionalHeader;
    const auto fileOffset = [&](DWORD rva) -> std::size_t {
        for (WORD i = 0; i < header.NumberOfSections; ++i) {
            const auto s =
                At<IMAGE_SECTION_HEADER>(file, sections + i * sizeof(IMAGE_SECTION_HEADER));
            if (rva >= s.VirtualAddress && rva < s.VirtualAddress + s.Misc.VirtualSize)
                return rva - s.VirtualAddress + s.PointerToRawData;
        }
        return file.size();
    };
    std::vector<std::string> names;
    for (std::size_t d = fileOffset(imports.VirtualAddress); d < file.size();
         d += sizeof(IMAGE_IMPORT_DESCRIPTOR)) {
        const auto descriptor = At<IMAGE_IMPORT_DESCRIPTOR>(file, d);
        if (descriptor.Name == 0) break;
        const std::size_t name = fileOffset(descriptor.Name);
        if (name < file.size()) names.push_back(Lower(file.data() + name));
    }
    return names;
}

TEST(SystemLibraries, NeitherTheProgramNorItsHookLibraryImportsThem) {
    const char* late[] = {"shell32.dll",  "comdlg32.dll", "comctl32.dll", "ole32.dll",
                          "oleaut32.dll", "winhttp.dll",  "wintrust.dll", "crypt32.dll"};
    for (const wchar_t* program : {L"vix.exe", L"Vix32.dll"}) {
        const auto imported = ImportedLibraries(BinaryFolder() + program);
        // The reading works: both need the window manager's library.
        EXPECT_NE(std::find(imported.begin(), imported.end(), "user32.dll"), imported.end())
            << program;
        for (const char* library : late)
            EXPECT_EQ(std::find(imported.begin(), imported.end(), library), imported.end())
                << program << " imports " << library;
    }
}

TEST(SystemLibraries, CallsReachTheSystemsFunctionsWithTheirArgumentsAndResults) {
    // Several arguments in, several results out, in four of the libraries.
    Bstr text(late::SysAllocStringLen(L"colour", 3));
    EXPECT_EQ(text.size(), 3u);
    EXPECT_EQ(text.str(), L"col");

    URL_COMPONENTS parts{};
    parts.dwStructSize = sizeof(parts);
    parts.dwHostNameLength = 1;
    parts.dwUrlPathLength = 1;
    parts.dwExtraInfoLength = 1;
    ASSERT_TRUE(late::WinHttpCrackUrl(L"https://example.org:8443/a/b?c", 0, 0, &parts));
    EXPECT_EQ(parts.nPort, 8443);
    EXPECT_EQ(std::wstring(parts.lpszHostName, parts.dwHostNameLength), L"example.org");
    EXPECT_EQ(std::wstring(parts.lpszUrlPath, parts.dwUrlPathLength), L"/a/b");
    EXPECT_EQ(std::wstring(parts.lpszExtraInfo, parts.dwExtraInfoLength), L"?c");

    VARIANT number, asText;
    late::VariantInit(&number);
    late::VariantInit(&asText);
    number.vt = VT_I4;
    number.lVal = -42;
    ASSERT_EQ(late::VariantChangeType(&asText, &number, 0, VT_BSTR), S_OK);
    EXPECT_EQ(std::wstring(asText.bstrVal), L"-42");
    EXPECT_EQ(late::VariantClear(&asText), S_OK);

    HCERTSTORE store = late::CertOpenStore(CERT_STORE_PROV_MEMORY, 0, 0, 0, nullptr);
    ASSERT_NE(store, nullptr);
    EXPECT_TRUE(late::CertCloseStore(store, 0));
}

TEST(SystemLibraries, AFunctionALibraryLacksIsNullWithTheSystemsError) {
    ::SetLastError(0);
    EXPECT_EQ(SystemFunction(SystemLibrary::Crypto, "NoSuchFunctionHere"), nullptr);
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_PROC_NOT_FOUND));
    // The library itself was found and stays loaded.
    EXPECT_NE(LoadedSystemLibrary(SystemLibrary::Crypto), nullptr);
    EXPECT_NE(SystemFunction(SystemLibrary::Crypto, "CertOpenStore"), nullptr);
}

}  // namespace
}  // namespace vix::platform
