#include "binary_images.h"

#include <sys/wait.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <regex>
#include <sstream>
#include <stdexcept>

namespace vix::binary {
namespace {

std::optional<std::string> FromEnvironment(const std::string& variable, const char* fallback) {
    if (const char* value = std::getenv(variable.c_str())) {
        if (*value == '\0') return std::nullopt;
        return std::string(value);
    }
    return std::string(fallback);
}

std::string Upper(std::string text) {
    for (char& c : text)
        if (c >= 'a' && c <= 'z') c = static_cast<char>(c - 'a' + 'A');
    return text;
}

std::string ReadText(const std::string& path) {
    std::ifstream file(path);
    if (!file) throw std::runtime_error("cannot read " + path);
    std::stringstream text;
    text << file.rdbuf();
    return text.str();
}

std::vector<std::string> Sorted(std::vector<std::string> names) {
    std::sort(names.begin(), names.end());
    return names;
}

}  // namespace

std::optional<std::string> BinDir(const Build& build) {
    return FromEnvironment("VIX_" + Upper(build.name) + "_BIN",
                           build.is64 ? VIX_WIN64_BIN : VIX_WIN32_BIN);
}

std::optional<std::string> PackageDir(const Build& build) {
    const auto root = FromEnvironment("VIX_PACKAGES", VIX_PACKAGES);
    if (!root) return std::nullopt;
    return *root + "/" + build.name;
}

bool FileExists(const std::string& path) { return std::ifstream(path).good(); }

std::vector<std::uint8_t> ReadBytes(const std::string& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) throw std::runtime_error("cannot read " + path);
    return {std::istreambuf_iterator<char>(file), {}};
}

void WriteBytes(const std::string& path, const std::vector<std::uint8_t>& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()),
               static_cast<std::streamsize>(bytes.size()));
    if (!file) throw std::runtime_error("cannot write " + path);
}

std::vector<std::string> DefinitionFileNames() {
    std::istringstream lines(ReadText(VIX_SOURCE_DIR "/src/hooks/vix32/vix32.def"));
    std::vector<std::string> names;
    bool exports = false;
    for (std::string line; std::getline(lines, line);) {
        std::istringstream words(line);
        std::string word;
        if (!(words >> word)) continue;
        if (word == "EXPORTS") {
            exports = true;
            continue;
        }
        if (exports) names.push_back(word.substr(0, word.find('@')));
    }
    return Sorted(names);
}

std::vector<std::string> ApiHeaderNames() {
    const std::string text = ReadText(VIX_SOURCE_DIR "/src/hooks/vix32_api.h");
    static const std::regex declaration(R"(VIX32_API\s+\w+\s+WINAPI\s+(\w+)\s*\()");
    std::vector<std::string> names;
    for (std::sregex_iterator it(text.begin(), text.end(), declaration), end; it != end; ++it)
        names.push_back((*it)[1]);
    return Sorted(names);
}

int RunCommand(const std::string& commandLine) {
    const int status = std::system(commandLine.c_str());
    if (status == -1 || !WIFEXITED(status)) return -1;
    return WEXITSTATUS(status);
}

std::string Quoted(const std::string& word) {
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

}  // namespace vix::binary
