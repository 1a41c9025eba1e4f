#pragma once

#include <cstdint>
#include <optional>

// At what time a signer's certificate chain is judged. A signature made
// while its certificate was good stays good after the certificate expires
// only when a time stamp shows when it was made; without one, nothing tells
// a signature made yesterday from one made today with a key that leaked
// after its certificate expired.

namespace vix {

// Times in the system's file time (100 ns steps since 1601), as the
// certificates and the time stamp carry them.
struct SignatureTimes {
    // The signer's certificate is good from `notBefore` to `notAfter`, both
    // included.
    std::uint64_t notBefore = 0;
    std::uint64_t notAfter = 0;
    // When a time stamp whose own signature was verified says the file was
    // signed; nothing when there is no such stamp.
    std::optional<std::uint64_t> stamp;
    std::uint64_t now = 0;
};

// The time to build the signer's chain at: the stamp's, when it lies within
// the certificate's validity; otherwise now, when the certificate is good
// now; nothing when neither holds (an expired certificate without a stamp
// from its validity): the signature is refused then.
std::optional<std::uint64_t> ChainJudgedAt(const SignatureTimes& times);

}  // namespace vix
