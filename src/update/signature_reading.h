#pragma once

#include <windows.h>
#include <wincrypt.h>

#include <string>

#include "platform/handle.h"
#include "platform/system_libraries.h"

// What WinVerifyTrust and a chain built again say of one file's
// Authenticode signature, before any judgement of it.

namespace vix {

inline void FreeCertificate(PCCERT_CONTEXT cert) noexcept {
    platform::late::CertFreeCertificateContext(cert);
}
using Certificate = platform::UniqueHandle<platform::NullTraits<PCCERT_CONTEXT, FreeCertificate>>;

struct SignatureReading {
    LONG trust = TRUST_E_NOSIGNATURE;  // WinVerifyTrust's answer
    Certificate signer;                // the signing certificate, when a signature was read
    // The certificate that issued the signer's (the signer's own when it
    // issued itself), as WinVerifyTrust built the chain.
    Certificate issuer;
    Certificate root;  // the top of the signer's chain as WinVerifyTrust built it
    // The signer's chain built again with revocation checked, at the time
    // of the signature's time stamp or now (see ChainJudgedAt): only
    // CERT_TRUST_IS_NOT_TIME_VALID when the signer's certificate is good at
    // neither; all bits set when it was not built (no signer, or revocation
    // not asked for).
    DWORD chainErrors = ~DWORD{0};
};

// The longest the check waits for revocation lists and answers, all of them
// together, and for any one certificate it fetches to complete a chain.
inline constexpr DWORD kSignatureFetchMs = 10000;

// Reads the signature of `path`, through `file` when given. Without
// `checkRevocation` no revocation list is fetched and no chain is built
// again. It may take up to kSignatureFetchMs and more when the network is
// slow: never called on the user-interface thread.
SignatureReading ReadSignature(const std::wstring& path, HANDLE file, bool checkRevocation);

}  // namespace vix
