#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// Where the binary checks find what they check: the Windows builds' images
// and the packages made from them. Each place comes from the environment
// when set there (scripts/test sets them; an empty value means the build was
// not made in this run), otherwise from the CMake definitions of this test
// program (the presets' own folders).

namespace vix::binary {

struct Build {
    const char* name;  // "win32" or "win64", as the presets are named
    bool is64;
};
inline constexpr Build kWin32{"win32", false};
inline constexpr Build kWin64{"win64", true};

// The build's bin folder; nothing when the run said it was not built.
std::optional<std::string> BinDir(const Build& build);
// The folder scripts/package wrote the build's package to.
std::optional<std::string> PackageDir(const Build& build);

bool FileExists(const std::string& path);
std::vector<std::uint8_t> ReadBytes(const std::string& path);
void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes);

// The hook library's exports as its contract gives them: the names of
// vix32.def (without the stdcall decoration GNU tools need) and the
// functions vix32_api.h declares, both in sorted order.
std::vector<std::string> DefinitionFileNames();
std::vector<std::string> ApiHeaderNames();

// Runs a shell command line; its exit status (-1 when it could not run).
int RunCommand(const std::string& commandLine);
// A word quoted for the shell.
std::string Quoted(const std::string& word);

}  // namespace vix::binary
