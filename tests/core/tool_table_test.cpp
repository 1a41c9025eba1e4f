#include "tools/tool_table.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace vix {
namespace {

// A tool that writes down what reaches it and keeps the table's mode as a
// real tool keeps its host's.
class FakeTool final : public Tool {
  public:
    FakeTool(ToolTable& table, ActiveMode mode, std::vector<std::string>& log, const char* name)
        : table_(table), mode_(mode), log_(log), name_(name) {}
    ActiveMode Mode() const override { return mode_; }
    void Toggle() override {
        const bool running = table_.Mode() == mode_;
        log_.push_back(name_ + (running ? " off" : " on"));
        table_.SetMode(running ? ActiveMode::None : mode_);
    }
    void Stop() override {
        log_.push_back(name_ + " stop");
        table_.SetMode(next);
    }
    void OnHookReport(const HookReport& report) override {
        log_.push_back(name_ + " report");
        reports.push_back(report);
    }

    ActiveMode next = ActiveMode::None;  // the mode a stop leaves
    std::vector<HookReport> reports;

  private:
    ToolTable& table_;
    ActiveMode mode_;
    std::vector<std::string>& log_;
    std::string name_;
};

class Tools : public ::testing::Test {
  protected:
    void SetUp() override {
        table.Add(picker);
        table.Add(ruler);
        table.Add(screen);
        table.Add(rectangle);
    }
    std::vector<std::string> log;
    ToolTable table;
    FakeTool picker{table, ActiveMode::ColorPicker, log, "picker"};
    FakeTool ruler{table, ActiveMode::Ruler, log, "ruler"};
    FakeTool screen{table, ActiveMode::ScreenCapture, log, "screen"};
    FakeTool rectangle{table, ActiveMode::RectangleCapture, log, "rectangle"};
};

HookReport Sample(Point p) { return {.kind = HookReportKind::PickerSample, .point = p}; }

TEST_F(Tools, PickerReportsWhileThePickerIsOffAreDropped) {
    EXPECT_FALSE(table.Route(Sample({5, 5})));
    table.SetMode(ActiveMode::Ruler);
    EXPECT_FALSE(table.Route(Sample({5, 5})));
    EXPECT_FALSE(table.Route({.kind = HookReportKind::PickerMoved}));
    EXPECT_TRUE(picker.reports.empty());
    EXPECT_TRUE(ruler.reports.empty()) << "nor does another running tool get them";
}

TEST_F(Tools, AReportReachesItsToolWhileItRuns) {
    picker.Toggle();
    EXPECT_TRUE(table.Route(Sample({-3, 7})));
    ASSERT_EQ(picker.reports.size(), 1u);
    EXPECT_EQ(picker.reports[0].point, (Point{-3, 7}));
    EXPECT_FALSE(table.Route({.kind = HookReportKind::RectangleEvent}));
    EXPECT_FALSE(table.Route({.kind = HookReportKind::ControlCaptureClick}))
        << "a mode without a tool takes nothing";
}

TEST_F(Tools, ATabChangeStopsOnlyTheRunningTool) {
    table.StopActiveTool();
    EXPECT_TRUE(log.empty());
    ruler.Toggle();
    log.clear();
    table.StopActiveTool();
    EXPECT_EQ(log, std::vector<std::string>{"ruler stop"});
    EXPECT_EQ(table.Mode(), ActiveMode::None);
}

TEST_F(Tools, TheStopsAreTestedInTurnOnTheSameMode) {
    // A stop that leaves another mode behind lets a later test apply: the
    // picker before the ruler, the rectangle before the screen capture.
    picker.Toggle();
    picker.next = ActiveMode::Ruler;
    ruler.next = ActiveMode::ScreenCapture;
    log.clear();
    table.StopActiveTool();
    EXPECT_EQ(log, (std::vector<std::string>{"picker stop", "ruler stop", "screen stop"}));
    EXPECT_EQ(table.Mode(), ActiveMode::None);
}

TEST_F(Tools, EachModeHasOneToolAndNoneHasNone) {
    std::vector<std::string> other;
    FakeTool second{table, ActiveMode::Ruler, other, "second"};
    FakeTool none{table, ActiveMode::None, other, "none"};
    EXPECT_THROW(table.Add(second), std::logic_error);
    EXPECT_THROW(table.Add(none), std::logic_error);
    EXPECT_EQ(table.Find(ActiveMode::Ruler), &ruler);
    EXPECT_EQ(table.Find(ActiveMode::Preview), nullptr);
}

TEST_F(Tools, AHotKeyRunsItsActionsByTheKeysLowByteAndTheTabItArrivedOn) {
    std::vector<std::string> ran;
    int tab = 0;
    table.BindHotKey({.letter = 'P', .action = [&] { ran.push_back("P"); }});
    table.BindHotKey({.letter = 'S', .onlyOnTab = 0, .action = [&] {
                          ran.push_back("S picker");
                          tab = 2;  // an action that changes the tab
                      }});
    table.BindHotKey(
        {.letter = 'S', .onlyOnTab = 2, .action = [&] { ran.push_back("S capture"); }});
    table.DispatchHotKey(0x1250, tab);  // 'P' in the low byte
    table.DispatchHotKey('S', tab);
    EXPECT_EQ(ran, (std::vector<std::string>{"P", "S picker"}));
    ran.clear();
    table.DispatchHotKey('S', -1);
    table.DispatchHotKey('C', 0);
    EXPECT_TRUE(ran.empty()) << "no tab, or no action bound";
}

struct MessageCase {
    const char* name;
    unsigned message;
    std::uintptr_t wParam;
    std::intptr_t lParam;
    std::optional<HookReport> report;
};

const MessageCase kMessages[] = {
    {"moved", 0x402, 0x00340012, 0,
     HookReport{.kind = HookReportKind::PickerMoved, .point = {0x12, 0x34}}},
    {"sample left of the primary screen", 0x406, 0x0005FFF6, 0,
     HookReport{.kind = HookReportKind::PickerSample, .point = {-10, 5}}},
    {"control capture", 0x40F, 77, 0, HookReport{.kind = HookReportKind::ControlCaptureClick}},
    {"screen capture", 0x411, 0, 0, HookReport{.kind = HookReportKind::ScreenCaptureClick}},
    {"rectangle drag", 0x47D, 0, 0x0190013E,
     HookReport{.kind = HookReportKind::RectangleEvent,
                .point = {318, 400},
                .rectangleEvent = hooks::kDragStart}},
    {"rectangle zone", 0x47D, 1, 7,
     HookReport{.kind = HookReportKind::RectangleEvent,
                .rectangleEvent = hooks::kZoneChanged,
                .zone = hooks::Zone::TopRight}},
    {"unknown zone", 0x47D, 1, 12,
     HookReport{.kind = HookReportKind::RectangleEvent, .rectangleEvent = hooks::kZoneChanged}},
    {"rectangle capture", 0x47D, 50, 0,
     HookReport{.kind = HookReportKind::RectangleEvent, .rectangleEvent = hooks::kCaptureClick}},
    {"rectangle drag end left of the primary screen", 0x47D, 99, 0x0005FFF6,
     HookReport{.kind = HookReportKind::RectangleEvent,
                .point = {-10, 5},
                .rectangleEvent = hooks::kDragEnd}},
    {"unknown rectangle event", 0x47D, 3, 0, std::nullopt},
    {"accepted without effect", 0x419, 0, 0, std::nullopt},
    {"accepted without effect too", 0x478, 1, 1, std::nullopt},
    {"not the library's", 0x401, 0x00340012, 0, std::nullopt},
};

TEST(HookMessages, AreReadOnceIntoReportsForTheirTools) {
    for (const MessageCase& c : kMessages)
        EXPECT_EQ(ReadHookMessage(c.message, c.wParam, c.lParam), c.report) << c.name;
    EXPECT_EQ(ToolOfReport(HookReportKind::PickerMoved), ActiveMode::ColorPicker);
    EXPECT_EQ(ToolOfReport(HookReportKind::ControlCaptureClick), ActiveMode::ControlCapture);
    EXPECT_EQ(ToolOfReport(HookReportKind::ScreenCaptureClick), ActiveMode::ScreenCapture);
    EXPECT_EQ(ToolOfReport(HookReportKind::RectangleEvent), ActiveMode::RectangleCapture);
}

}  // namespace
}  // namespace vix
