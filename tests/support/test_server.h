#pragma once

#include <atomic>
#include <cstdint>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

// The update tests' web server (update_server.py) and certificates
// (test_pki.py), driven from a Windows test under Wine.

namespace vix::test {

class TestServer {
  public:
    // Starts a server in a new temporary folder on the certificates in
    // `pki` (a Windows path; made there when missing), or on its own.
    explicit TestServer(const std::wstring& pki = {});
    // Tells the server to end. A heartbeat keeps it alive meanwhile, so it
    // also ends (30 s later) when this process dies without a goodbye.
    ~TestServer();
    TestServer(const TestServer&) = delete;
    TestServer& operator=(const TestServer&) = delete;

    // False when the server did not report its ports in time.
    bool ok() const { return httpPort_ != 0 && httpsPort_ != 0; }
    std::uint16_t httpPort() const { return httpPort_; }
    std::uint16_t httpsPort() const { return httpsPort_; }
    // "http://127.0.0.1:PORT" or "https://127.0.0.1:PORT".
    std::wstring Base(bool https) const;
    // The certificates' folder, with a trailing backslash.
    const std::wstring& pki() const { return pki_; }

    // Replaces the answers: a JSON object from request path to answer, as
    // update_server.py describes.
    bool Script(const std::string& routes) const;
    // The requests so far, one JSON object per line.
    std::vector<std::string> Requests() const;

  private:
    std::wstring folder_;
    std::wstring pki_;
    std::uint16_t httpPort_ = 0;
    std::uint16_t httpsPort_ = 0;
    std::atomic<bool> ending_{false};
    std::thread heartbeat_;
};

// `text` as a JSON string, quotes included.
std::string JsonText(std::string_view text);
// One route: {"body": text} or {"status": n, "body": text}.
std::string BodyRoute(std::string_view body, int status = 200);

// Makes the certificates in `pki` (Windows path) unless they are there.
bool MakeTestPki(const std::wstring& pki);
// Signs `source` as "publisher", "other" or "untrusted" into `target`.
bool SignTestFile(const std::wstring& pki, const char* signer, const std::wstring& source,
                  const std::wstring& target);
// Puts the root-issued certificate `name` on the root's revocation list.
bool RevokeTestCertificate(const std::wstring& pki, const char* name);

}  // namespace vix::test
