#include "update/signature_reading.h"

#include <wintrust.h>
#include <softpub.h>

#include "platform/system_libraries.h"

namespace vix {
namespace {

void CloseStore(HCERTSTORE store) noexcept { platform::late::CertCloseStore(store, 0); }
using Store = platform::UniqueHandle<platform::NullTraits<HCERTSTORE, CloseStore>>;
using Chain = platform::UniqueHandle<
    platform::NullTraits<PCCERT_CHAIN_CONTEXT, platform::late::CertFreeCertificateChain>>;

// The signer's chain built again with revocation checked on every
// certificate but the root. Wine's WinVerifyTrust accepts untrusted roots
// and checks no revocation; Windows does both, and this repeats them so the
// answer is the same on both. This is the check's only fetch of revocation
// lists and answers, and every fetch it makes is bounded: each one by the
// chain's retrieval time-out, all of revocation's together by the same time
// (the accumulative flag), so that an address that accepts and never
// answers costs at most that long. The flag needs the chain parameters'
// extra fields, which the build turns on for this library.
DWORD ChainErrors(PCCERT_CONTEXT signer, HCRYPTMSG message) {
    const Store carried(platform::late::CertOpenStore(
        CERT_STORE_PROV_MSG, X509_ASN_ENCODING | PKCS_7_ASN_ENCODING, 0, 0, message));
    CERT_CHAIN_PARA para{};
    para.cbSize = sizeof(para);
    para.dwUrlRetrievalTimeout = kSignatureFetchMs;
    PCCERT_CHAIN_CONTEXT raw = nullptr;
    if (!platform::late::CertGetCertificateChain(nullptr, signer, nullptr, carried.get(), &para,
                                                 CERT_CHAIN_REVOCATION_CHECK_CHAIN_EXCLUDE_ROOT |
                                                     CERT_CHAIN_REVOCATION_ACCUMULATIVE_TIMEOUT,
                                                 nullptr, &raw))
        return ~DWORD{0};
    const Chain chain(raw);
    return chain.get()->TrustStatus.dwErrorStatus;
}

}  // namespace

SignatureReading ReadSignature(const std::wstring& path, HANDLE file, bool checkRevocation) {
    WINTRUST_FILE_INFO info{};
    info.cbStruct = sizeof(info);
    info.pcwszFilePath = path.c_str();
    info.hFile = file;
    WINTRUST_DATA data{};
    data.cbStruct = sizeof(data);
    data.dwUIChoice = WTD_UI_NONE;
    // WinVerifyTrust checks the file and its signature but no revocation:
    // it has no way to bound the time its fetches take, so revocation is
    // left to the chain built again below, whose fetches are bounded.
    data.fdwRevocationChecks = WTD_REVOKE_NONE;
    data.dwUnionChoice = WTD_CHOICE_FILE;
    data.pFile = &info;
    data.dwStateAction = WTD_STATEACTION_VERIFY;
    data.dwProvFlags = WTD_REVOCATION_CHECK_NONE;
    GUID action = WINTRUST_ACTION_GENERIC_VERIFY_V2;
    const auto noWindow = static_cast<HWND>(INVALID_HANDLE_VALUE);
    SignatureReading reading;
    reading.trust = platform::late::WinVerifyTrust(noWindow, &action, &data);
    if (CRYPT_PROVIDER_DATA* provider =
            platform::late::WTHelperProvDataFromStateData(data.hWVTStateData)) {
        const CRYPT_PROVIDER_SGNR* signer =
            platform::late::WTHelperGetProvSignerFromChain(provider, 0, FALSE, 0);
        if (signer && signer->csCertChain > 0 && signer->pasCertChain[0].pCert) {
            PCCERT_CONTEXT leaf = signer->pasCertChain[0].pCert;
            reading.signer.reset(platform::late::CertDuplicateCertificateContext(leaf));
            const DWORD above = signer->csCertChain > 1 ? 1 : 0;
            if (PCCERT_CONTEXT issuer = signer->pasCertChain[above].pCert)
                reading.issuer.reset(platform::late::CertDuplicateCertificateContext(issuer));
            if (PCCERT_CONTEXT top = signer->pasCertChain[signer->csCertChain - 1].pCert)
                reading.root.reset(platform::late::CertDuplicateCertificateContext(top));
            if (checkRevocation) reading.chainErrors = ChainErrors(leaf, provider->hMsg);
        }
    }
    data.dwStateAction = WTD_STATEACTION_CLOSE;
    platform::late::WinVerifyTrust(noWindow, &action, &data);
    return reading;
}

}  // namespace vix
