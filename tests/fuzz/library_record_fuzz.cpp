// Any stored library value reads without going past its bytes and writes
// back as a sound record that reads the same again.
#include <cstdint>
#include <cstdlib>
#include <span>

#include "color/color_library.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto library = vix::ColorLibrary::FromRecord(std::span(data, size));
    if (library.Count() > vix::kLibraryCapacity) std::abort();
    const auto record = library.Record();
    if (record[105] != library.Count()) std::abort();
    if (vix::ColorLibrary::FromRecord(record).Record() != record) std::abort();
    return 0;
}
