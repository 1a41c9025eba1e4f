#include "update/signature_check.h"

#include <wincrypt.h>
#include <wintrust.h>
#include <softpub.h>

#include <memory>

#include "platform/handle.h"

namespace vix {
namespace {

void CloseStore(HCERTSTORE store) noexcept { ::CertCloseStore(store, 0); }
using Store = platform::UniqueHandle<platform::NullTraits<HCERTSTORE, CloseStore>>;
using Chain =
    platform::UniqueHandle<platform::NullTraits<PCCERT_CHAIN_CONTEXT, ::CertFreeCertificateChain>>;
void FreeCertificate(PCCERT_CONTEXT cert) noexcept { ::CertFreeCertificateContext(cert); }
using Certificate = platform::UniqueHandle<platform::NullTraits<PCCERT_CONTEXT, FreeCertificate>>;

struct Signature {
    LONG trust = TRUST_E_NOSIGNATURE;
    Certificate signer;  // the signing certificate, when a signature was read
    DWORD chainErrors = ~DWORD{0};
};

// The signer's chain built again with revocation checked on every
// certificate but the root. Wine's WinVerifyTrust accepts untrusted roots
// and checks no revocation; Windows does both, and this repeats them so the
// answer is the same on both.
DWORD ChainErrors(PCCERT_CONTEXT signer, HCRYPTMSG message) {
    const Store carried(::CertOpenStore(CERT_STORE_PROV_MSG,
                                        X509_ASN_ENCODING | PKCS_7_ASN_ENCODING, 0, 0, message));
    CERT_CHAIN_PARA para{};
    para.cbSize = sizeof(para);
    PCCERT_CHAIN_CONTEXT raw = nullptr;
    if (!::CertGetCertificateChain(nullptr, signer, nullptr, carried.get(), &para,
                                   CERT_CHAIN_REVOCATION_CHECK_CHAIN_EXCLUDE_ROOT, nullptr, &raw))
        return ~DWORD{0};
    const Chain chain(raw);
    return chain.get()->TrustStatus.dwErrorStatus;
}

Signature ReadSignature(const std::wstring& path, HANDLE file, bool checkRevocation) {
    WINTRUST_FILE_INFO info{};
    info.cbStruct = sizeof(info);
    info.pcwszFilePath = path.c_str();
    info.hFile = file;
    WINTRUST_DATA data{};
    data.cbStruct = sizeof(data);
    data.dwUIChoice = WTD_UI_NONE;
    data.fdwRevocationChecks = checkRevocation ? WTD_REVOKE_WHOLECHAIN : WTD_REVOKE_NONE;
    data.dwUnionChoice = WTD_CHOICE_FILE;
    data.pFile = &info;
    data.dwStateAction = WTD_STATEACTION_VERIFY;
    data.dwProvFlags = checkRevocation ? WTD_REVOCATION_CHECK_CHAIN : WTD_REVOCATION_CHECK_NONE;
    GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
    const auto noWindow = static_cast<HWND>(INVALID_HANDLE_VALUE);
    Signature signature;
    signature.trust = ::WinVerifyTrust(noWindow, &action, &data);
    if (CRYPT_PROVIDER_DATA* provider = ::WTHelperProvDataFromStateData(data.hWVTStateData)) {
        const CRYPT_PROVIDER_SGNR* signer = ::WTHelperGetProvSignerFromChain(provider, 0, FALSE, 0);
        if (signer && signer->csCertChain > 0 && signer->pasCertChain[0].pCert) {
            PCCERT_CONTEXT leaf = signer->pasCertChain[0].pCert;
            signature.signer.reset(::CertDuplicateCertificateContext(leaf));
            if (checkRevocation) signature.chainErrors = ChainErrors(leaf, provider->hMsg);
        }
    }
    data.dwStateAction = WTD_STATEACTION_CLOSE;
    ::WinVerifyTrust(noWindow, &action, &data);
    return signature;
}

// Same publisher: the same subject, as certified by a trusted authority.
// The certificate itself may differ (publishers renew theirs).
bool SamePublisher(PCCERT_CONTEXT a, PCCERT_CONTEXT b) {
    return ::CertCompareCertificateName(X509_ASN_ENCODING, &a->pCertInfo->Subject,
                                        &b->pCertInfo->Subject) != FALSE;
}

}  // namespace

SignatureVerdict CheckUpdateSignature(const std::wstring& path, HANDLE file,
                                      const std::wstring& ownPath) {
    const Signature candidate = ReadSignature(path, file, true);
    if (candidate.trust == TRUST_E_NOSIGNATURE || candidate.trust == TRUST_E_SUBJECT_FORM_UNKNOWN ||
        candidate.trust == TRUST_E_PROVIDER_UNKNOWN)
        return SignatureVerdict::Unsigned;
    if (candidate.trust != ERROR_SUCCESS || !candidate.signer ||
        candidate.chainErrors != CERT_TRUST_NO_ERROR)
        return SignatureVerdict::Invalid;
    // Our own file was checked when it was installed; only its signer's
    // name is needed here, so no revocation list is fetched for it.
    const Signature own = ReadSignature(ownPath, nullptr, false);
    if (own.trust != ERROR_SUCCESS || !own.signer) return SignatureVerdict::OwnNotSigned;
    return SamePublisher(candidate.signer.get(), own.signer.get())
               ? SignatureVerdict::Trusted
               : SignatureVerdict::OtherPublisher;
}

std::wstring OwnProgramPath() {
    std::wstring path(MAX_PATH, L'\0');
    for (;;) {
        const DWORD n = ::GetModuleFileNameW(nullptr, path.data(), static_cast<DWORD>(path.size()));
        if (n == 0) return {};
        if (n < path.size()) {
            path.resize(n);
            return path;
        }
        path.resize(path.size() * 2);
    }
}

}  // namespace vix
