// The lock that tells the first copy of the program in a session from the
// others, even when they start at the same moment.

#include <gtest/gtest.h>

#include <optional>

#include "platform/session_lock.h"

namespace vix::platform {
namespace {

constexpr wchar_t kName[] = L"VIX.Tests.SessionLock";

TEST(SessionLock, OnlyTheFirstHolderIsFirstUntilItGoes) {
    std::optional<SessionLock> first(std::in_place, kName);
    EXPECT_TRUE(first->First());
    const SessionLock second(kName);
    EXPECT_FALSE(second.First());
    first.reset();
    // The second still holds the name: a third is not first either.
    EXPECT_FALSE(SessionLock(kName).First());
}

TEST(SessionLock, ACopyThatLetsGoNeverTurnsAwayALaterStart) {
    std::optional<SessionLock> first(std::in_place, kName);
    SessionLock second(kName);
    ASSERT_FALSE(second.First());
    second.Release();
    first.reset();
    EXPECT_TRUE(SessionLock(kName).First());
}

TEST(SessionLock, LocksOfOtherNamesAreApart) {
    const SessionLock a(kName);
    const SessionLock b(L"VIX.Tests.SessionLock.Other");
    EXPECT_TRUE(a.First());
    EXPECT_TRUE(b.First());
}

}  // namespace
}  // namespace vix::platform
