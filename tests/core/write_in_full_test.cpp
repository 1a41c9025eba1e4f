#include "common/write_in_full.h"

#include <gtest/gtest.h>

#include <vector>

namespace vix {
namespace {

constexpr std::uint32_t kStalled = 112;  // what the caller calls a write that takes nothing

// A file that claims to take `takes[i]` bytes at the i-th write (keeping no
// more than it was offered), then fails with `error` once the list is used
// up (or takes everything when `error` is 0).
struct ScriptedFile {
    std::vector<std::size_t> takes;
    std::uint32_t error = 0;
    std::vector<std::uint8_t> contents;
    int calls = 0;

    WritePart Write(std::span<const std::uint8_t> offered) {
        const std::size_t i = static_cast<std::size_t>(calls++);
        if (i >= takes.size()) {
            if (error) return {0, error};
            contents.insert(contents.end(), offered.begin(), offered.end());
            return {offered.size(), 0};
        }
        const std::size_t n = std::min(takes[i], offered.size());
        contents.insert(contents.end(), offered.begin(), offered.begin() + static_cast<long>(n));
        return {takes[i], 0};
    }
};

TEST(WriteInFull, ShortWritesGoOnAndTheFailingWritesOwnErrorIsReported) {
    const std::vector<std::uint8_t> seven = {1, 2, 3, 4, 5, 6, 7};
    struct Case {
        const char* what;
        std::vector<std::uint8_t> bytes;
        std::vector<std::size_t> takes;
        std::uint32_t error;
        std::uint32_t result;
        std::size_t written;
        int calls;
    };
    const Case cases[] = {
        {"all at once", seven, {}, 0, 0, 7, 1},
        {"in three parts", seven, {3, 2}, 0, 0, 7, 3},
        {"a full disk after a short write", seven, {5}, 112, 112, 5, 2},
        {"a failure at once", seven, {}, 33, 33, 0, 1},
        {"nothing taken and no error", seven, {2, 0}, 0, kStalled, 2, 2},
        {"more claimed than offered", seven, {9}, 0, kStalled, 7, 1},
        {"nothing to write makes no call", {}, {}, 33, 0, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        ScriptedFile file;
        file.takes = c.takes;
        file.error = c.error;
        EXPECT_EQ(WriteInFull(
                      c.bytes, [&](auto part) { return file.Write(part); }, kStalled),
                  c.result);
        EXPECT_EQ(file.contents,
                  std::vector<std::uint8_t>(c.bytes.begin(),
                                            c.bytes.begin() + static_cast<long>(c.written)));
        EXPECT_EQ(file.calls, c.calls);
    }
}

}  // namespace
}  // namespace vix
