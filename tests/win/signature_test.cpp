// How far an update program's signature can be checked under Wine: which
// files WinVerifyTrust refuses, whose signature it names, and what a
// certificate chain built with revocation checking adds.
#include <windows.h>
#include <wincrypt.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "platform/handle.h"
#include "platform/held_program.h"
#include "update/signature_check.h"
#include "update/signature_reading.h"
#include "update/update_program.h"
#include "root_trust.h"
#include "test_pki_folder.h"
#include "test_server.h"
#include "wine_host.h"

namespace vix::test {
namespace {

using namespace std::chrono_literals;

constexpr wchar_t kPublisher[] = L"Brellin Software Development";

struct SignatureFacts {
    LONG trust = 0;         // WinVerifyTrust, revocation checked on the whole chain
    std::wstring signer;    // the signing certificate's display name
    std::wstring root;      // the chain's top certificate's display name
    DWORD chainErrors = 0;  // the signer's chain built again, revocation checked
};

// A certificate of the shared test PKI, read from its PEM file.
Certificate LoadTestCertificate(const char* name) {
    const std::string pem =
        ReadFileBytes(SharedTestPki() + std::wstring(name, name + std::strlen(name)) + L".pem");
    DWORD size = 0;
    if (!::CryptStringToBinaryA(pem.data(), static_cast<DWORD>(pem.size()),
                                CRYPT_STRING_BASE64HEADER, nullptr, &size, nullptr, nullptr))
        return Certificate();
    std::vector<BYTE> der(size);
    if (!::CryptStringToBinaryA(pem.data(), static_cast<DWORD>(pem.size()),
                                CRYPT_STRING_BASE64HEADER, der.data(), &size, nullptr, nullptr))
        return Certificate();
    return Certificate(::CertCreateCertificateContext(X509_ASN_ENCODING, der.data(), size));
}

std::wstring DisplayName(const Certificate& cert) {
    if (!cert) return L"";
    wchar_t name[256] = L"";
    ::CertGetNameStringW(cert.get(), CERT_NAME_SIMPLE_DISPLAY_TYPE, 0, nullptr, name, 256);
    return name;
}

// Verifies `path` (through `file` when given) as the update check reads it.
SignatureFacts Examine(const std::wstring& path, HANDLE file = nullptr) {
    const SignatureReading reading = ReadSignature(path, file, true);
    return {reading.trust, DisplayName(reading.signer), DisplayName(reading.root),
            reading.chainErrors};
}

// Signed copies of the stand-in update program, made once for the suite.
class UpdateSignature : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        folder_ = new std::wstring(NewTempFolder(L"vix-signed"));
        const std::wstring pki = SharedTestPki();
        const std::wstring stub = ProgramFolder() + L"update_stub.exe";
        ready_ = TrustTestRoot(pki + L"root.der") &&
                 ::CopyFileW(stub.c_str(), File(L"unsigned").c_str(), FALSE) &&
                 SignTestFile(pki, "publisher", stub, File(L"publisher")) &&
                 SignTestFile(pki, "other", stub, File(L"other")) &&
                 SignTestFile(pki, "renewed", stub, File(L"renewed")) &&
                 SignTestFile(pki, "impostor", stub, File(L"impostor")) &&
                 SignTestFile(pki, "untrusted", stub, File(L"untrusted")) &&
                 MakeChangedCopy(File(L"publisher"), File(L"changed"));
        // Lists fetched in an earlier run in this prefix may be stale.
        ForgetCachedRevocationLists();
    }
    static void TearDownTestSuite() {
        DistrustTestRoot(SharedTestPki() + L"root.der");
        delete folder_;
        folder_ = nullptr;
    }
    void SetUp() override { ASSERT_TRUE(ready_) << "signing the test files failed"; }

    static std::wstring File(const wchar_t* name) { return *folder_ + name + L".exe"; }

    // A signed file with one byte of its code changed after signing.
    static bool MakeChangedCopy(const std::wstring& from, const std::wstring& to) {
        std::string bytes = ReadFileBytes(from);
        if (bytes.size() < 0x1100) return false;
        bytes[0x1000] = static_cast<char>(bytes[0x1000] ^ 0x01);
        return WriteFileBytes(to, bytes);
    }

    static std::wstring* folder_;
    static bool ready_;
};

std::wstring* UpdateSignature::folder_ = nullptr;
bool UpdateSignature::ready_ = false;

TEST_F(UpdateSignature, UnsignedFileHasNoSignature) {
    const auto facts = Examine(File(L"unsigned"));
    EXPECT_EQ(facts.trust, TRUST_E_NOSIGNATURE);
    EXPECT_EQ(facts.signer, L"");
}

TEST_F(UpdateSignature, FileChangedAfterSigningFailsItsDigest) {
    EXPECT_EQ(Examine(File(L"changed")).trust, TRUST_E_BAD_DIGEST);
}

TEST_F(UpdateSignature, PublishersFileVerifiesAndNamesThePublisher) {
    const auto facts = Examine(File(L"publisher"));
    EXPECT_EQ(facts.trust, ERROR_SUCCESS);
    EXPECT_EQ(facts.signer, kPublisher);
    EXPECT_EQ(facts.root, L"VIX Test Root");
    EXPECT_EQ(facts.chainErrors, static_cast<DWORD>(CERT_TRUST_NO_ERROR));
}

TEST_F(UpdateSignature, SomeoneElsesFileVerifiesButNamesSomeoneElse) {
    const auto facts = Examine(File(L"other"));
    EXPECT_EQ(facts.trust, ERROR_SUCCESS);
    EXPECT_EQ(facts.signer, L"Someone Else Test Publisher");
    EXPECT_NE(facts.signer, kPublisher);
}

// Wine 8's WinVerifyTrust accepts a chain to an untrusted root (Windows
// answers CERT_E_UNTRUSTEDROOT); the chain's own status shows it on both.
// Such a file carries the publisher's very name, so a publisher check must
// look at the chain, not at names alone.
TEST_F(UpdateSignature, UntrustedRootShowsInTheChainStatus) {
    const auto facts = Examine(File(L"untrusted"));
    EXPECT_EQ(facts.signer, kPublisher);
    EXPECT_EQ(facts.root, L"Stray Test Root");
    EXPECT_TRUE(facts.chainErrors & CERT_TRUST_IS_UNTRUSTED_ROOT) << facts.chainErrors;
    RecordProperty("WinVerifyTrust", std::to_string(facts.trust));
}

// The verdict on an update program, next to a running program signed by
// the publisher: the publisher's renewed certificate under the same
// authority passes; the publisher's very name under another authority, even
// a trusted one, does not.
TEST_F(UpdateSignature, OnlyThePublisherCertifiedByItsOwnAuthorityMayStart) {
    struct Case {
        const wchar_t* file;
        SignatureVerdict verdict;
    };
    const Case cases[] = {
        {L"publisher", SignatureVerdict::Trusted},
        {L"renewed", SignatureVerdict::Trusted},
        {L"impostor", SignatureVerdict::OtherPublisher},
        {L"other", SignatureVerdict::OtherPublisher},
        {L"untrusted", SignatureVerdict::Invalid},
        {L"changed", SignatureVerdict::Invalid},
        {L"unsigned", SignatureVerdict::Unsigned},
    };
    for (const Case& c : cases) {
        const platform::File held(::CreateFileW(File(c.file).c_str(), GENERIC_READ, FILE_SHARE_READ,
                                                nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL,
                                                nullptr));
        ASSERT_TRUE(held) << c.file;
        EXPECT_EQ(CheckUpdateSignature(File(c.file), held.get(), File(L"publisher")), c.verdict)
            << testing::PrintToString(std::wstring(c.file));
    }
    EXPECT_EQ(CheckUpdateSignature(File(L"publisher"), nullptr, File(L"unsigned")),
              SignatureVerdict::OwnNotSigned);
}

// The rule itself, on certificates: a twin of the test root (its subject,
// another key) is another authority.
TEST_F(UpdateSignature, SamePublisherNeedsTheSubjectAndTheIssuersSubjectAndKey) {
    const auto load = [](const char* name) { return LoadTestCertificate(name); };
    const Certificate publisher = load("publisher"), renewed = load("renewed"),
                      other = load("other"), impostor = load("impostor"), root = load("root"),
                      twin = load("twin-root"), otherCa = load("other-ca");
    ASSERT_TRUE(publisher && renewed && other && impostor && root && twin && otherCa);
    EXPECT_TRUE(SamePublisher(publisher.get(), root.get(), renewed.get(), root.get()));
    EXPECT_FALSE(SamePublisher(publisher.get(), root.get(), other.get(), root.get()));
    EXPECT_FALSE(SamePublisher(publisher.get(), root.get(), impostor.get(), otherCa.get()));
    EXPECT_FALSE(SamePublisher(publisher.get(), root.get(), publisher.get(), twin.get()));
}

// A file kept open for reading without write sharing can neither be
// changed nor replaced nor deleted, is still verified through its handle,
// and can be started.
TEST_F(UpdateSignature, FileHeldOpenStaysAsCheckedAndStarts) {
    const std::wstring path = *folder_ + L"held.exe";
    ASSERT_TRUE(::CopyFileW(File(L"publisher").c_str(), path.c_str(), FALSE));
    const platform::File held(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(held);
    EXPECT_EQ(Examine(path, held.get()).trust, ERROR_SUCCESS);

    const platform::File writer(::CreateFileW(path.c_str(), GENERIC_WRITE,
                                              FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    EXPECT_FALSE(writer);
    EXPECT_EQ(::GetLastError(), static_cast<DWORD>(ERROR_SHARING_VIOLATION));
    EXPECT_FALSE(::DeleteFileW(path.c_str()));
    EXPECT_FALSE(::MoveFileExW(File(L"other").c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING));

    EXPECT_EQ(RunProgram(L"\"" + path + L"\"", 30s), 0);
    EXPECT_NE(::GetFileAttributesW((path + L".started").c_str()), INVALID_FILE_ATTRIBUTES);
}

// What runs is the file held: a program started by the path of another file
// (as if swapped after its check) is ended before it runs.
TEST_F(UpdateSignature, OnlyTheHeldFileIsLetRun) {
    const std::wstring held = *folder_ + L"kept.exe";
    ASSERT_TRUE(::CopyFileW(File(L"publisher").c_str(), held.c_str(), FALSE));
    const platform::File checked(::CreateFileW(held.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr,
                                               OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    ASSERT_TRUE(checked);
    EXPECT_FALSE(platform::StartHeldProgram(File(L"other"), checked.get(), *folder_));
    EXPECT_TRUE(platform::StartHeldProgram(held, checked.get(), *folder_));
    EXPECT_TRUE(WaitForFile(held + L".started", 30s));
    EXPECT_EQ(::GetFileAttributesW((File(L"other") + L".started").c_str()), INVALID_FILE_ATTRIBUTES)
        << "the swapped program ran";
}

// The stand-ins are built as 2.5 and 2.0; trust_root.exe has no version.
TEST_F(UpdateSignature, VersionIsReadFromTheProgramsResource) {
    for (const auto& [name, version] : {std::pair{L"update_stub.exe", 0x00020005u},
                                        {L"update_stub_old.exe", 0x00020000u},
                                        {L"trust_root.exe", 0u}}) {
        const auto program = UpdateProgram::Open(ProgramFolder() + name);
        ASSERT_TRUE(program) << name;
        const auto fixed = program->Version();
        EXPECT_EQ(fixed ? fixed->productMs : 0u, version) << name;
    }
}

// The publisher's certificate issued again by the test root for January
// 2020 only, and `source` signed with it, unstamped, into `target`.
bool SignWithExpiredCertificate(const std::wstring& pki, const std::wstring& source,
                                const std::wstring& target) {
    const char* script = R"(set -e; exec >/dev/null; P=$1; cd "$2"
printf '[ca]\ndefault_ca=t\n[t]\ndatabase=index.txt\nnew_certs_dir=.\nserial=serial\n' > ca.cnf
printf 'default_md=sha256\npolicy=p\n' >> ca.cnf
printf '[p]\norganizationName=supplied\ncommonName=supplied\n' >> ca.cnf
: > index.txt; echo 1000 > serial
printf 'basicConstraints=critical,CA:false\nkeyUsage=critical,digitalSignature\n' > e.ext
printf 'extendedKeyUsage=codeSigning\nauthorityKeyIdentifier=keyid\n' >> e.ext
openssl req -new -key "$P/publisher.key" -out e.csr 2>&1 \
  -subj "/O=Brellin Software Development/CN=Brellin Software Development"
openssl ca -batch -config ca.cnf -cert "$P/root.pem" -keyfile "$P/root.key" -in e.csr \
  -out e.pem -startdate 20200101000000Z -enddate 20200201000000Z -extfile e.ext -notext 2>&1
cat e.pem "$P/root.pem" > chain.pem
osslsigncode sign -certs chain.pem -key "$P/publisher.key" -h sha256 -in "$3" -out e.part
mv e.part "$4")";
    const std::wstring work = NewTempFolder(L"vix-expired");
    return StartUnixProgram({"/bin/sh", "-c", script, "sh", UnixPath(pki), UnixPath(work),
                             UnixPath(source), UnixPath(target)}) &&
           WaitForFile(target, 60s);
}

// A certificate that has expired is good for a signature only with a time
// stamp from its validity; Wine's WinVerifyTrust reads no stamp, so what
// shows here is the refusal of an unstamped one, made without building the
// chain at all.
TEST_F(UpdateSignature, ExpiredCertificateWithoutAStampIsRefused) {
    const std::wstring expired = File(L"expired");
    ASSERT_TRUE(
        SignWithExpiredCertificate(SharedTestPki(), ProgramFolder() + L"update_stub.exe", expired));
    const auto facts = Examine(expired);
    EXPECT_EQ(facts.signer, kPublisher);
    EXPECT_EQ(facts.chainErrors, static_cast<DWORD>(CERT_TRUST_IS_NOT_TIME_VALID));
    EXPECT_EQ(CheckUpdateSignature(expired, nullptr, File(L"publisher")),
              SignatureVerdict::Invalid);
    RecordProperty("WinVerifyTrust", std::to_string(facts.trust));
}

// WinVerifyTrust under Wine 8 does not check revocation at all; a chain
// built with revocation checking does, reading the list the certificate
// names (a file here, so no server is needed).
TEST(UpdateSignatureRevocation, RevokedPublisherShowsInTheChainStatus) {
    const std::wstring pki = NewTempFolder(L"vix-revoke") + L"pki\\";
    ASSERT_TRUE(MakeTestPki(pki));
    ASSERT_TRUE(TrustTestRoot(pki + L"root.der"));
    const std::wstring signedFile = pki + L"signed.exe";
    ASSERT_TRUE(SignTestFile(pki, "publisher", ProgramFolder() + L"update_stub.exe", signedFile));
    ForgetCachedRevocationLists();
    EXPECT_EQ(Examine(signedFile).chainErrors, static_cast<DWORD>(CERT_TRUST_NO_ERROR));

    ASSERT_TRUE(RevokeTestCertificate(pki, "publisher"));
    ForgetCachedRevocationLists();
    const auto facts = Examine(signedFile);
    EXPECT_TRUE(facts.chainErrors & CERT_TRUST_IS_REVOKED) << facts.chainErrors;
    RecordProperty("WinVerifyTrust", std::to_string(facts.trust));
    EXPECT_TRUE(DistrustTestRoot(pki + L"root.der"));
}

}  // namespace
}  // namespace vix::test
