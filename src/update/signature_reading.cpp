#include "update/signature_reading.h"

#include <wintrust.h>
#include <softpub.h>

#include <cstdint>
#include <optional>

#include "platform/system_libraries.h"
#include "update/signature_time.h"

namespace vix {
namespace {

void CloseStore(HCERTSTORE store) noexcept { platform::late::CertCloseStore(store, 0); }
using Store = platform::UniqueHandle<platform::NullTraits<HCERTSTORE, CloseStore>>;
using Chain = platform::UniqueHandle<
    platform::NullTraits<PCCERT_CHAIN_CONTEXT, platform::late::CertFreeCertificateChain>>;

// The signer's chain built again at the time `at`, with revocation checked
// on every certificate but the root. Wine's WinVerifyTrust accepts untrusted roots
// and checks no revocation; Windows does both, and this repeats them so the
// answer is the same on both. This is the check's only fetch of revocation
// lists and answers, and every fetch it makes is bounded: each one by the
// chain's retrieval time-out, all of revocation's together by the same time
// (the accumulative flag), so that an address that accepts and never
// answers costs at most that long. The flag needs the chain parameters'
// extra fields, which the build turns on for this library.
DWORD ChainErrors(PCCERT_CONTEXT signer, HCRYPTMSG message, FILETIME at) {
    const Store carried(platform::late::CertOpenStore(
        CERT_STORE_PROV_MSG, X509_ASN_ENCODING | PKCS_7_ASN_ENCODING, 0, 0, message));
    CERT_CHAIN_PARA para{};
    para.cbSize = sizeof(para);
    para.dwUrlRetrievalTimeout = kSignatureFetchMs;
    PCCERT_CHAIN_CONTEXT raw = nullptr;
    if (!platform::late::CertGetCertificateChain(nullptr, signer, &at, carried.get(), &para,
                                                 CERT_CHAIN_REVOCATION_CHECK_CHAIN_EXCLUDE_ROOT |
                                                     CERT_CHAIN_REVOCATION_ACCUMULATIVE_TIMEOUT,
                                                 nullptr, &raw))
        return ~DWORD{0};
    const Chain chain(raw);
    return chain.get()->TrustStatus.dwErrorStatus;
}

std::uint64_t Ticks(const FILETIME& time) {
    return (std::uint64_t{time.dwHighDateTime} << 32) | time.dwLowDateTime;
}

FILETIME FileTime(std::uint64_t ticks) {
    return {static_cast<DWORD>(ticks), static_cast<DWORD>(ticks >> 32)};
}

// The time of the signature's time stamp: its counter-signer's, when
// WinVerifyTrust verified the counter-signature and found who made it.
// Wine's leaves the counter-signers out, so there a signature never counts
// as stamped.
std::optional<std::uint64_t> StampTime(const CRYPT_PROVIDER_SGNR& signer) {
    if (signer.csCounterSigners == 0 || !signer.pasCounterSigners) return std::nullopt;
    const CRYPT_PROVIDER_SGNR& stamp = signer.pasCounterSigners[0];
    if (stamp.dwError != ERROR_SUCCESS || stamp.csCertChain == 0) return std::nullopt;
    return Ticks(stamp.sftVerifyAsOf);
}

// The signer's chain built again, at the time ChainJudgedAt gives; a
// certificate good neither now nor when a stamp says it signed shows as not
// valid in time, without a chain built.
DWORD JudgedChainErrors(const CRYPT_PROVIDER_SGNR& signer, PCCERT_CONTEXT leaf, HCRYPTMSG message) {
    FILETIME now{};
    ::GetSystemTimeAsFileTime(&now);
    const std::optional<std::uint64_t> at =
        ChainJudgedAt({Ticks(leaf->pCertInfo->NotBefore), Ticks(leaf->pCertInfo->NotAfter),
                       StampTime(signer), Ticks(now)});
    if (!at) return CERT_TRUST_IS_NOT_TIME_VALID;
    return ChainErrors(leaf, message, FileTime(*at));
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
            if (checkRevocation)
                reading.chainErrors = JudgedChainErrors(*signer, leaf, provider->hMsg);
        }
    }
    data.dwStateAction = WTD_STATEACTION_CLOSE;
    platform::late::WinVerifyTrust(noWindow, &action, &data);
    return reading;
}

}  // namespace vix
