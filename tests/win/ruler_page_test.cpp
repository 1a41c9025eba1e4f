// The ruler page's typed fields against a stand-in for the main window: when
// a typed position or length is applied, and how often.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "fake_tool_host.h"
#include "platform/desktop.h"
#include "platform/handle.h"
#include "platform/window.h"
#include "ruler/ruler_measure.h"
#include "ruler/ruler_page.h"
#include "ruler/ruler_control_ids.h"
#include "ui/panel.h"

namespace vix {
namespace {

// The error box of the program takes the focus while it shows; the
// stand-in does the same with a window of its own.
std::vector<std::wstring> g_reports;
HWND g_box = nullptr;

void RecordError(const std::wstring& message) {
    g_reports.push_back(message);
    ::SetFocus(g_box);
}

class RulerFields : public ::testing::Test {
  protected:
    void SetUp() override {
        main_.reset(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 400, 400, 260, 200,
                                      nullptr, nullptr, nullptr, nullptr));
        box_.reset(::CreateWindowExW(0, L"EDIT", L"", WS_POPUP | WS_VISIBLE, 10, 10, 50, 20,
                                     nullptr, nullptr, nullptr, nullptr));
        g_box = box_.get();
        g_reports.clear();
        platform::SetErrorReporter(&RecordError);
        host_.window = main_.get();
        rulerPage_.Create(main_.get(), Rect::FromBounds(0, 0, 255, 69), L"", {});
        viewsPage_.Create(main_.get(), Rect::FromBounds(0, 70, 255, 61), L"", {});
        infoPage_.Create(main_.get(), Rect::FromBounds(0, 132, 255, 58), L"", {});
        page_.Create(rulerPage_.hwnd(), viewsPage_.hwnd(), infoPage_);
        page_.RulerWindow().Create(nullptr);
        page_.SelectUnit(kPixels);
        page_.btnEnableRulerClick();
        page_.RulerWindow().MoveRuler(300, 300);
    }
    void TearDown() override {
        page_.btnEnableRulerClick();
        platform::SetErrorReporter(nullptr);
    }

    HWND Field(int id) const { return ::GetDlgItem(rulerPage_.hwnd(), id); }
    Rect RulerBounds() { return page_.RulerWindow().Bounds(); }
    void Type(int id, const wchar_t* text) {
        ::SetFocus(Field(id));
        ::SetWindowTextW(Field(id), text);
    }
    void PressEnter(int id) { ::SendMessageW(Field(id), WM_CHAR, L'\r', 0); }

    platform::WindowHandle main_, box_;
    test::FakeToolHost host_;
    ui::Panel rulerPage_, viewsPage_, infoPage_;
    RulerPage page_{host_};
};

// The program makes the ruler window before the page's controls may be
// built: what the window reports then reaches no other window.
TEST(RulerPageNotBuilt, TheRulerWindowsReportsRepaintNothingElse) {
    platform::WindowHandle other(::CreateWindowExW(0, L"STATIC", L"", WS_POPUP | WS_VISIBLE, 50, 50,
                                                   80, 60, nullptr, nullptr, nullptr, nullptr));
    ::UpdateWindow(other.get());
    ASSERT_FALSE(::GetUpdateRect(other.get(), nullptr, FALSE));
    test::FakeToolHost host;
    RulerPage page{host};
    page.RulerWindow().Create(nullptr);
    page.RulerWindow().SetRulerLength(300);
    page.RulerWindow().MoveRuler(120, 130);
    EXPECT_FALSE(::GetUpdateRect(other.get(), nullptr, FALSE))
        << "a repaint of every window of the desktop";
}

TEST_F(RulerFields, LeavingTheLengthForAnotherControlOfTheWindowAppliesIt) {
    Type(kIdRulerLength, L"321");
    ::SetFocus(Field(kIdRulerX));
    EXPECT_EQ(RulerBounds().width(), 321);
    EXPECT_TRUE(g_reports.empty());
}

TEST_F(RulerFields, EnterOnTextThatIsNoNumberGivesOneErrorBox) {
    Type(kIdRulerLength, L"abc");
    PressEnter(kIdRulerLength);
    ASSERT_EQ(g_reports.size(), 1u) << "the box taking the focus must not apply the field again";
    EXPECT_EQ(g_reports[0], L"'abc' is not a valid floating point value");
}

TEST_F(RulerFields, FocusGoingToAnotherWindowLeavesAVerticalRulerWhereItIs) {
    page_.btnRotateRulerClick();
    const Rect turned = RulerBounds();
    // The fields show a point of the ruler that is not its corner.
    ::SetFocus(Field(kIdRulerX));
    ::SetFocus(box_.get());
    ::SetFocus(Field(kIdRulerX));
    ::SetFocus(nullptr);
    EXPECT_EQ(RulerBounds(), turned);
}

TEST_F(RulerFields, EnterInAPositionFieldMovesTheRulerOnce) {
    Type(kIdRulerX, L"350");
    PressEnter(kIdRulerX);
    EXPECT_EQ(RulerBounds().left, 350);
    EXPECT_EQ(RulerBounds().top, 300);
    Type(kIdRulerY, L"-40");
    ::SetFocus(Field(kIdRulerLength));
    EXPECT_EQ(RulerBounds().top, platform::VirtualDesktop().top) << "held at the desktop's top";
}

// The Windows C library counts every Unicode digit as a digit and kept its
// low byte: "١٢٣" or "１２３" gave a 5-pixel ruler and "2٥3" one of 2000.
constexpr const wchar_t* kOtherDigits[] = {L"\u0661\u0662\u0663", L"\uFF11\uFF12\uFF13",
                                           L"2\u06653"};

TEST_F(RulerFields, DigitsOtherThanZeroToNineGiveTheConversionError) {
    for (const wchar_t* text : kOtherDigits) {
        g_reports.clear();
        Type(kIdRulerLength, text);
        PressEnter(kIdRulerLength);
        ASSERT_EQ(g_reports.size(), 1u);
        EXPECT_EQ(g_reports[0],
                  L"'" + std::wstring(text) + L"' is not a valid floating point value");
        EXPECT_EQ(RulerBounds().width(), 200);
        EXPECT_FALSE(ParseFloat(text, L'.').has_value());
        EXPECT_FALSE(ParseInteger(text).has_value());
    }
}

TEST_F(RulerFields, APositionInOtherDigitsLeavesTheRuler) {
    Type(kIdRulerX, L"\uFF13\uFF15\uFF10");
    PressEnter(kIdRulerX);
    EXPECT_EQ(RulerBounds().left, 300);
    EXPECT_TRUE(ParseInteger(L" -42 ") == -42) << "plain digits, sign and blanks still read";
}

}  // namespace
}  // namespace vix
