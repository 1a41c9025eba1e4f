#include "root_trust.h"

#include <windows.h>
#include <wincrypt.h>

#include <filesystem>
#include <system_error>

#include "platform/handle.h"
#include "wine_host.h"

namespace vix::test {
namespace {

void CloseStore(HCERTSTORE store) noexcept { ::CertCloseStore(store, 0); }
using Store = platform::UniqueHandle<platform::NullTraits<HCERTSTORE, CloseStore>>;
using Certificate =
    platform::UniqueHandle<platform::NullTraits<PCCERT_CONTEXT, ::CertFreeCertificateContext>>;

Certificate Load(const std::wstring& derFile) {
    const std::string der = ReadFileBytes(derFile);
    return Certificate(::CertCreateCertificateContext(X509_ASN_ENCODING,
                                                      reinterpret_cast<const BYTE*>(der.data()),
                                                      static_cast<DWORD>(der.size())));
}

Store MachineRoot() {
    return Store(
        ::CertOpenStore(CERT_STORE_PROV_SYSTEM_W, 0, 0, CERT_SYSTEM_STORE_LOCAL_MACHINE, L"Root"));
}

std::wstring Thumbprint(PCCERT_CONTEXT cert) {
    BYTE hash[20];
    DWORD size = sizeof(hash);
    if (!::CertGetCertificateContextProperty(cert, CERT_SHA1_HASH_PROP_ID, hash, &size)) return {};
    std::wstring text;
    constexpr wchar_t kHex[] = L"0123456789ABCDEF";
    for (DWORD i = 0; i < size; ++i) {
        text.push_back(kHex[hash[i] >> 4]);
        text.push_back(kHex[hash[i] & 15]);
    }
    return text;
}

}  // namespace

bool TrustTestRoot(const std::wstring& derFile) {
    const auto cert = Load(derFile);
    const auto store = MachineRoot();
    return cert && store &&
           ::CertAddCertificateContextToStore(store.get(), cert.get(),
                                              CERT_STORE_ADD_REPLACE_EXISTING, nullptr);
}

bool DistrustTestRoot(const std::wstring& derFile) {
    const auto cert = Load(derFile);
    if (!cert) return false;
    const std::wstring key =
        L"Software\\Microsoft\\SystemCertificates\\Root\\Certificates\\" + Thumbprint(cert.get());
    const LSTATUS status = ::RegDeleteKeyW(HKEY_LOCAL_MACHINE, key.c_str());
    return status == ERROR_SUCCESS || status == ERROR_FILE_NOT_FOUND;
}

bool IsTestRootTrusted(const std::wstring& derFile) {
    const auto cert = Load(derFile);
    const auto store = MachineRoot();
    if (!cert || !store) return false;
    const Certificate found(::CertFindCertificateInStore(store.get(), X509_ASN_ENCODING, 0,
                                                         CERT_FIND_EXISTING, cert.get(), nullptr));
    return static_cast<bool>(found);
}

void ForgetCachedRevocationLists() {
    wchar_t profile[MAX_PATH];
    if (!::GetEnvironmentVariableW(L"USERPROFILE", profile, MAX_PATH)) return;
    std::error_code ignored;  // nothing cached yet is fine
    std::filesystem::remove_all(
        std::filesystem::path(profile) / L"AppData\\LocalLow\\Microsoft\\CryptnetUrlCache",
        ignored);
}

}  // namespace vix::test
