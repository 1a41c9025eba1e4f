#pragma once

#include <string>

// Why a picture was not captured, encoded or written. The reason is a
// sentence for the user's message; the caller names the file.

namespace vix {

struct ImageError {
    enum Kind {
        kEmpty,        // no picture to write (the snapshot is 0 x 0)
        kTooLarge,     // beyond what the format or the snapshot can hold
        kNoMemory,     // the memory for it could not be had
        kUnsupported,  // a kind of picture the format cannot take
        kEncoder,      // the encoder failed on the picture
        kSink,         // the bytes could not be passed on
    };
    Kind kind;
    std::wstring reason;
};

}  // namespace vix
