#pragma once

#include <windows.h>
#include <wincrypt.h>

#include <string>

// Whether a downloaded update program may be started: it must carry a valid
// Authenticode signature whose chain reaches a trusted root and is not
// revoked, and its signer must be the publisher who signed this program.

namespace vix {

enum class SignatureVerdict {
    Trusted,         // valid, and by our own publisher
    Unsigned,        // no signature at all
    Invalid,         // changed after signing, untrusted root, revoked, expired (and
                     // not stamped while its certificate was good)
    OtherPublisher,  // valid, but signed by someone else
    OwnNotSigned,    // this program carries no valid signature to compare with
};

// Checks the file `path`, read through `file` (opened without write sharing,
// so that what is checked is what is later started). `ownPath` is the
// running program's own file.
SignatureVerdict CheckUpdateSignature(const std::wstring& path, HANDLE file,
                                      const std::wstring& ownPath);

// The running program's own file.
std::wstring OwnProgramPath();

// Same publisher: the signers have the same subject and were certified by
// the same authority, one with the same subject and the same public key.
// The certificates themselves may differ (publishers renew theirs, under
// the same authority); a namesake certified by another authority, however
// trusted, is someone else.
bool SamePublisher(PCCERT_CONTEXT signerA, PCCERT_CONTEXT issuerA, PCCERT_CONTEXT signerB,
                   PCCERT_CONTEXT issuerB);

}  // namespace vix
