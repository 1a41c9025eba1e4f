#include "update/signature_check.h"

#include <wincrypt.h>
#include <wintrust.h>

#include "platform/system_libraries.h"
#include "update/signature_reading.h"

namespace vix {
namespace {

bool SameName(const CERT_NAME_BLOB& a, const CERT_NAME_BLOB& b) {
    return platform::late::CertCompareCertificateName(X509_ASN_ENCODING,
                                                      const_cast<CERT_NAME_BLOB*>(&a),
                                                      const_cast<CERT_NAME_BLOB*>(&b)) != FALSE;
}

}  // namespace

bool SamePublisher(PCCERT_CONTEXT signerA, PCCERT_CONTEXT issuerA, PCCERT_CONTEXT signerB,
                   PCCERT_CONTEXT issuerB) {
    if (!signerA || !issuerA || !signerB || !issuerB) return false;
    return SameName(signerA->pCertInfo->Subject, signerB->pCertInfo->Subject) &&
           SameName(issuerA->pCertInfo->Subject, issuerB->pCertInfo->Subject) &&
           platform::late::CertComparePublicKeyInfo(
               X509_ASN_ENCODING | PKCS_7_ASN_ENCODING, &issuerA->pCertInfo->SubjectPublicKeyInfo,
               &issuerB->pCertInfo->SubjectPublicKeyInfo) != FALSE;
}

SignatureVerdict CheckUpdateSignature(const std::wstring& path, HANDLE file,
                                      const std::wstring& ownPath) {
    const SignatureReading candidate = ReadSignature(path, file, true);
    if (candidate.trust == TRUST_E_NOSIGNATURE || candidate.trust == TRUST_E_SUBJECT_FORM_UNKNOWN ||
        candidate.trust == TRUST_E_PROVIDER_UNKNOWN)
        return SignatureVerdict::Unsigned;
    if (candidate.trust != ERROR_SUCCESS || !candidate.signer ||
        candidate.chainErrors != CERT_TRUST_NO_ERROR)
        return SignatureVerdict::Invalid;
    // Our own file was checked when it was installed; only its signer's
    // name is needed here, so no revocation list is fetched for it.
    const SignatureReading own = ReadSignature(ownPath, nullptr, false);
    if (own.trust != ERROR_SUCCESS || !own.signer) return SignatureVerdict::OwnNotSigned;
    return SamePublisher(candidate.signer.get(), candidate.issuer.get(), own.signer.get(),
                         own.issuer.get())
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
