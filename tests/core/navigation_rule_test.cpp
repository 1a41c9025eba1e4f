#include "update/navigation_rule.h"

#include <gtest/gtest.h>

#include "update/user_click.h"

namespace vix {
namespace {

using enum NavigationKind;
using enum NavigationAction;
constexpr LinkVerdict kSite = LinkVerdict::Proceed;
constexpr LinkVerdict kOutside = LinkVerdict::OpenOutside;
constexpr LinkVerdict kRefused = LinkVerdict::Refuse;

struct NavigationCase {
    NavigationKind kind;
    LinkVerdict verdict;
    NavigationAction unclicked, clicked;
};

// A refused address and a pop-up never go anywhere, clicked or not.
constexpr NavigationCase kNavigations[] = {
    {Page, kSite, Proceed, Proceed},       {Page, kOutside, Cancel, OpenOutside},
    {Frame, kSite, Proceed, Proceed},      {Frame, kOutside, Cancel, Cancel},
    {NewWindow, kSite, Proceed, Proceed},  {NewWindow, kOutside, Cancel, OpenOutside},
    {Page, kRefused, Cancel, Cancel},      {Frame, kRefused, Cancel, Cancel},
    {NewWindow, kRefused, Cancel, Cancel}, {PopUp, kSite, Cancel, Cancel},
    {PopUp, kOutside, Cancel, Cancel},     {PopUp, kRefused, Cancel, Cancel},
};

TEST(DecideNavigation, OnlyTheUsersClickLeavesTheSite) {
    for (const NavigationCase& c : kNavigations) {
        SCOPED_TRACE(testing::Message() << "kind " << static_cast<int>(c.kind) << ", verdict "
                                        << static_cast<int>(c.verdict));
        EXPECT_EQ(DecideNavigation(c.kind, c.verdict, false), c.unclicked);
        EXPECT_EQ(DecideNavigation(c.kind, c.verdict, true), c.clicked);
    }
}

TEST(UserClick, FreshForOneSecondUntilUsed) {
    UserClick click;
    EXPECT_FALSE(click.Fresh(0)) << "no click yet";
    click.Record(5000);
    EXPECT_TRUE(click.Fresh(5000));
    EXPECT_TRUE(click.Fresh(6000));
    EXPECT_FALSE(click.Fresh(6001));
    EXPECT_FALSE(click.Fresh(4999)) << "the clock went back";
    click.Use();
    EXPECT_FALSE(click.Fresh(5001));
}

}  // namespace
}  // namespace vix
