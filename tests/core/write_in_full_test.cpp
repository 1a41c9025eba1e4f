#include "common/write_in_full.h"

#include <gtest/gtest.h>

#include <vector>

namespace vix {
namespace {

constexpr std::uint32_t kStalled = 112;  // what the caller calls a write that takes nothing

// A file that takes `takes[i]` bytes at the i-th write, then fails with
// `error` once the list is used up (or takes everything when `error` is 0).
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
        return {n, 0};
    }
};

TEST(WriteInFull, ShortWritesGoOnAndTheFailingWritesOwnErrorIsReported) {
    const std::vector<std::uint8_t> bytes = {1, 2, 3, 4, 5, 6, 7};
    struct Case {
        const char* what;
        std::vector<std::size_t> takes;
        std::uint32_t error;
        std::uint32_t result;
        std::size_t written;
        int calls;
    };
    const Case cases[] = {
        {"all at once", {}, 0, 0, 7, 1},
        {"in three parts", {3, 2}, 0, 0, 7, 3},
        {"a full disk after a short write", {5}, 112, 112, 5, 2},
        {"a failure at once", {}, 33, 33, 0, 1},
        {"nothing taken and no error", {2, 0}, 0, kStalled, 2, 2},
    };
    for (const Case& c : cases) {
        ScriptedFile file;
        file.takes = c.takes;
        file.error = c.error;
        EXPECT_EQ(WriteInFull(
                      bytes, [&](auto part) { return file.Write(part); }, kStalled),
                  c.result)
            << c.what;
        EXPECT_EQ(file.contents, std::vector<std::uint8_t>(
                                     bytes.begin(), bytes.begin() + static_cast<long>(c.written)))
            << c.what;
        EXPECT_EQ(file.calls, c.calls) << c.what;
    }
}

TEST(WriteInFull, NothingToWriteMakesNoCall) {
    ScriptedFile file;
    EXPECT_EQ(WriteInFull(
                  {}, [&](auto part) { return file.Write(part); }, kStalled),
              0u);
    EXPECT_EQ(file.calls, 0);
}

}  // namespace
}  // namespace vix
