#include "update/signature_time.h"

#include <gtest/gtest.h>

namespace vix {
namespace {

// A certificate good from day 100 to day 200.
TEST(ChainJudgedAt, AtTheStampWithinTheValidityElseNowWhileGood) {
    constexpr std::uint64_t day = 864'000'000'000;
    constexpr std::uint64_t from = 100 * day, to = 200 * day;
    struct Case {
        const char* what;
        std::optional<std::uint64_t> stamp;
        std::uint64_t now;
        std::optional<std::uint64_t> judgedAt;
    };
    const Case cases[] = {
        {"good now, no stamp", std::nullopt, 150 * day, 150 * day},
        {"good now, stamped earlier", 120 * day, 150 * day, 120 * day},
        {"expired, stamped within", 120 * day, 300 * day, 120 * day},
        {"expired, stamped on its first day", from, 300 * day, from},
        {"expired, stamped on its last day", to, 300 * day, to},
        {"expired, no stamp", std::nullopt, 300 * day, std::nullopt},
        {"expired, stamped after it expired", to + 1, 300 * day, std::nullopt},
        {"expired, stamped before it began", from - 1, 300 * day, std::nullopt},
        {"good now, stamped before it began", 50 * day, 150 * day, 150 * day},
        {"not good yet, no stamp", std::nullopt, 50 * day, std::nullopt},
        {"on its last day, no stamp", std::nullopt, to, to},
    };
    for (const Case& c : cases)
        EXPECT_EQ(ChainJudgedAt({from, to, c.stamp, c.now}), c.judgedAt) << c.what;
}

}  // namespace
}  // namespace vix
