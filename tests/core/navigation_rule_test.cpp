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
    bool clicked;
    NavigationAction action;
};

// Every kind with every verdict, with and without a click.
constexpr NavigationCase kNavigations[] = {
    {Page, kSite, false, Proceed},        {Page, kSite, true, Proceed},
    {Page, kOutside, false, Cancel},      {Page, kOutside, true, OpenOutside},
    {Page, kRefused, false, Cancel},      {Page, kRefused, true, Cancel},
    {Frame, kSite, false, Proceed},       {Frame, kSite, true, Proceed},
    {Frame, kOutside, false, Cancel},     {Frame, kOutside, true, Cancel},
    {Frame, kRefused, false, Cancel},     {Frame, kRefused, true, Cancel},
    {NewWindow, kSite, false, Proceed},   {NewWindow, kSite, true, Proceed},
    {NewWindow, kOutside, false, Cancel}, {NewWindow, kOutside, true, OpenOutside},
    {NewWindow, kRefused, false, Cancel}, {NewWindow, kRefused, true, Cancel},
    {PopUp, kSite, false, Cancel},        {PopUp, kSite, true, Cancel},
    {PopUp, kOutside, false, Cancel},     {PopUp, kOutside, true, Cancel},
    {PopUp, kRefused, false, Cancel},     {PopUp, kRefused, true, Cancel},
};

TEST(DecideNavigation, OnlyTheUsersClickLeavesTheSite) {
    for (const NavigationCase& c : kNavigations)
        EXPECT_EQ(DecideNavigation(c.kind, c.verdict, c.clicked), c.action)
            << "kind " << static_cast<int>(c.kind) << ", verdict " << static_cast<int>(c.verdict)
            << ", clicked " << c.clicked;
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
    click.Record(9000);
    EXPECT_TRUE(click.Fresh(9500)) << "a new click counts again";
}

}  // namespace
}  // namespace vix
