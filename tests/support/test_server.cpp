#include "test_server.h"

#include <windows.h>

#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>

#include "wine_host.h"

namespace vix::test {
namespace {

using namespace std::chrono_literals;

std::string SupportFile(const char* name) { return std::string(VIX_TEST_SUPPORT_DIR "/") + name; }

// The number after "\"key\":" in a flat JSON object.
std::uint16_t PortIn(const std::string& json, const char* key) {
    const std::string mark = std::string("\"") + key + "\":";
    const auto at = json.find(mark);
    if (at == std::string::npos) return 0;
    return static_cast<std::uint16_t>(std::strtoul(json.c_str() + at + mark.size(), nullptr, 10));
}

// Runs test_pki.py and waits for the file it writes last.
bool RunPki(std::vector<std::string> args, const std::wstring& result) {
    ::DeleteFileW(result.c_str());
    args.insert(args.begin(), {VIX_PYTHON3, SupportFile("test_pki.py")});
    return StartUnixProgram(args) && WaitForFile(result, 60s);
}

}  // namespace

TestServer::TestServer(const std::wstring& pki) {
    folder_ = NewTempFolder(L"vix-server");
    pki_ = pki.empty() ? folder_ + L"pki\\" : pki;
    if (pki_.back() != L'\\') pki_ += L'\\';
    const std::string dir = UnixPath(folder_);
    std::vector<std::string> argv{VIX_PYTHON3, SupportFile("update_server.py"), "--dir", dir,
                                  "--heartbeat"};
    WriteFileBytes(folder_ + L"alive", {});
    heartbeat_ = std::thread([this] {
        for (int tick = 0; !ending_; ++tick) {
            if (tick % 50 == 0) WriteFileBytes(folder_ + L"alive", {});
            std::this_thread::sleep_for(100ms);
        }
    });
    if (!pki.empty()) argv.insert(argv.end(), {"--pki", UnixPath(pki_)});
    if (dir.empty() || !StartUnixProgram(argv)) return;
    if (!WaitForFile(folder_ + L"ready.json", 60s)) return;
    const std::string ready = ReadFileBytes(folder_ + L"ready.json");
    httpPort_ = PortIn(ready, "http");
    httpsPort_ = PortIn(ready, "https");
}

TestServer::~TestServer() {
    ending_ = true;
    if (heartbeat_.joinable()) heartbeat_.join();
    if (!folder_.empty()) WriteFileBytes(folder_ + L"quit", {});
}

std::wstring TestServer::Base(bool https) const {
    return (https ? L"https://127.0.0.1:" : L"http://127.0.0.1:") +
           std::to_wstring(https ? httpsPort_ : httpPort_);
}

bool TestServer::Script(const std::string& routes) const {
    return WriteFileBytes(folder_ + L"routes.json", routes);
}

std::vector<std::string> TestServer::Requests() const {
    std::vector<std::string> lines;
    const std::string log = ReadFileBytes(folder_ + L"requests.jsonl");
    std::size_t start = 0;
    for (auto end = log.find('\n'); end != std::string::npos; end = log.find('\n', start)) {
        lines.push_back(log.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

std::string JsonText(std::string_view text) {
    std::string out = "\"";
    for (unsigned char c : text) {
        if (c == '"' || c == '\\') {
            out += '\\';
            out += char(c);
        } else if (c < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof(escaped), "\\u%04x", c);
            out += escaped;
        } else {
            out += char(c);
        }
    }
    return out + "\"";
}

std::string BodyRoute(std::string_view body, int status) {
    return "{\"status\": " + std::to_string(status) + ", \"body\": " + JsonText(body) + "}";
}

bool MakeTestPki(const std::wstring& pki) {
    std::wstring folder = pki;
    if (folder.back() != L'\\') folder += L'\\';
    if (::GetFileAttributesW((folder + L"done").c_str()) != INVALID_FILE_ATTRIBUTES) return true;
    return StartUnixProgram({VIX_PYTHON3, SupportFile("test_pki.py"), "make", UnixPath(folder)}) &&
           WaitForFile(folder + L"done", 60s);
}

bool SignTestFile(const std::wstring& pki, const char* signer, const std::wstring& source,
                  const std::wstring& target) {
    return RunPki({"sign", UnixPath(pki), signer, UnixPath(source), UnixPath(target)}, target);
}

bool RevokeTestCertificate(const std::wstring& pki, const char* name) {
    std::wstring folder = pki;
    if (folder.back() != L'\\') folder += L'\\';
    const std::wstring done = folder + std::wstring(name, name + std::strlen(name)) + L".revoked";
    return RunPki({"revoke", UnixPath(folder), name}, done);
}

}  // namespace vix::test
