#pragma once

#include <string>

// Trust in the test root inside the Wine prefix the tests run in, and only
// there.
//
// Wine 8 reads trusted roots from the registry store
// HKLM\Software\Microsoft\SystemCertificates\Root\Certificates\<SHA-1>, and
// a process reads it once, when it first checks a certificate chain: change
// trust before starting the process that relies on it.

namespace vix::test {

// Adds the DER certificate in `derFile` to the machine's Root store.
bool TrustTestRoot(const std::wstring& derFile);

// Removes it again. Wine 8's CertDeleteCertificateFromStore reports success
// on the machine Root store but leaves the certificate in place, so the
// registry key named after its SHA-1 hash is deleted instead.
bool DistrustTestRoot(const std::wstring& derFile);

bool IsTestRootTrusted(const std::wstring& derFile);

// Revocation lists fetched earlier are kept per user (CryptnetUrlCache);
// forget them so that a changed list is read again.
void ForgetCachedRevocationLists();

}  // namespace vix::test
