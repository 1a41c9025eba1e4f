#include "tools/tool_table.h"

#include <gtest/gtest.h>

#include "tools/tool_checks.h"

#include <string>
#include <vector>

namespace vix {
namespace {

// The window's pages: the fake tools build nothing on them.
class NoPages final : public ToolPages {
  public:
    ui::Panel& Page(const PageSpec&) override { throw std::logic_error("no pages here"); }
};

NoPages noPages;

// A tool that writes down what reaches it and keeps the table's mode as a
// real tool keeps its host's.
class FakeTool final : public Tool {
  public:
    FakeTool(ToolTable& table, ActiveMode mode, std::vector<std::string>& log, const char* name)
        : table_(table), mode_(mode), log_(log), name_(name) {}
    const char* Name() const override { return name_.c_str(); }
    ActiveMode Mode() const override { return mode_; }
    void Toggle() override {
        const bool running = table_.Mode() == mode_;
        log_.push_back(name_ + (running ? " off" : " on"));
        table_.SetMode(running ? ActiveMode::None : mode_);
    }
    void Stop() override {
        log_.push_back(name_ + " stop");
        table_.SetMode(ActiveMode::None);
    }
    void OnHookReport(const HookReport& report) override {
        log_.push_back(name_ + " report");
        reports.push_back(report);
    }
    std::span<const HotKeyRow> OwnKeys() const override { return ownKeys; }
    std::vector<HotKeyBinding> HotKeys() override { return keys; }
    std::span<const PageSpec* const> Pages() const override { return pages; }
    void Build(ToolPages&) override { log_.push_back(name_ + " build"); }
    void SettingsLoaded(const Settings& settings, bool keyOpened) override {
        log_.push_back(name_ + " settings " + std::to_string(settings.rulerUnit) +
                       (keyOpened ? "" : " (no key)"));
    }

    std::vector<HookReport> reports;
    std::vector<HotKeyRow> ownKeys;
    std::vector<HotKeyBinding> keys;
    std::vector<const PageSpec*> pages;

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
    ToolTable table{noPages};
    FakeTool picker{table, ActiveMode{"picker"}, log, "picker"};
    FakeTool ruler{table, ActiveMode{"ruler"}, log, "ruler"};
    FakeTool screen{table, ActiveMode{"screen"}, log, "screen"};
    FakeTool rectangle{table, ActiveMode{"rectangle"}, log, "rectangle"};
};

HookReport Sample(Point p) { return {.kind = HookReportKind::PickerSample, .point = p}; }

TEST_F(Tools, AReportReachesTheToolThatArmedTheHookWhileItRunsAndIsDroppedOtherwise) {
    picker.Toggle();
    EXPECT_FALSE(table.Route(Sample({5, 5}))) << "no hook armed yet";
    table.HookArmed();
    EXPECT_TRUE(table.Route(Sample({-3, 7})));
    ASSERT_EQ(picker.reports.size(), 1u);
    EXPECT_EQ(picker.reports[0].point, (Point{-3, 7}));

    // Whatever the report is, it is the hook's: the tool sorts its own.
    EXPECT_TRUE(table.Route({.kind = HookReportKind::RectangleEvent}));
    EXPECT_EQ(picker.reports.size(), 2u);

    picker.Toggle();
    EXPECT_FALSE(table.Route(Sample({5, 5}))) << "its tool has stopped";
    ruler.Toggle();
    EXPECT_FALSE(table.Route(Sample({5, 5}))) << "the running tool armed no hook";
    EXPECT_TRUE(ruler.reports.empty());

    ruler.Toggle();
    rectangle.Toggle();
    table.HookArmed();
    EXPECT_TRUE(table.Route({.kind = HookReportKind::RectangleEvent}));
    EXPECT_EQ(rectangle.reports.size(), 1u);
    EXPECT_EQ(picker.reports.size(), 2u);

    table.SetMode(ActiveMode::None);
    table.HookArmed();
    EXPECT_FALSE(table.Route({.kind = HookReportKind::RectangleEvent}))
        << "a hook armed while no tool runs is nobody's";
}

TEST_F(Tools, ATabChangeStopsOnlyTheRunningToolOnce) {
    table.StopActiveTool();
    EXPECT_TRUE(log.empty());
    ruler.Toggle();
    log.clear();
    table.StopActiveTool();
    EXPECT_EQ(log, std::vector<std::string>{"ruler stop"});
    EXPECT_EQ(table.Mode(), ActiveMode::None);
    log.clear();
    table.SetMode(ActiveMode{"preview"});
    table.StopActiveTool();
    EXPECT_TRUE(log.empty()) << "a mode without a tool stops nothing";
}

TEST_F(Tools, EachModeHasOneToolAndPartsWithoutAModeAreKeptInOrder) {
    std::vector<std::string> other;
    FakeTool second{table, ActiveMode{"ruler"}, other, "second"};
    FakeTool part{table, ActiveMode::None, other, "part"};
    FakeTool otherPart{table, ActiveMode::None, other, "other part"};
    FakeTool added{table, ActiveMode{"grid"}, other, "added"};
    EXPECT_THROW(table.Add(second), std::logic_error);
    table.Add(part);
    table.Add(added);
    table.Add(otherPart);
    EXPECT_EQ(table.Find(ActiveMode{"ruler"}), &ruler);
    EXPECT_EQ(table.Find(ActiveMode{"grid"}), &added);
    EXPECT_EQ(table.Find(ActiveMode{"preview"}), nullptr);
    EXPECT_EQ(table.Find(ActiveMode::None), nullptr);
    const std::vector<Tool*> expected{&picker, &ruler, &screen,   &rectangle,
                                      &part,   &added, &otherPart};
    EXPECT_EQ(std::vector<Tool*>(table.Tools().begin(), table.Tools().end()), expected);
}

using Log = std::vector<std::string>;

TEST_F(Tools, AToolHearsOfTheSettingsOnceItsControlsAreBuiltAndIsBuiltOnce) {
    Settings settings;
    settings.rulerUnit = 2;
    table.Build(picker);
    table.SettingsLoaded(settings, false);
    EXPECT_EQ(log, (Log{"picker build", "picker settings 2 (no key)"}));
    log.clear();
    // The last load reaches a tool built later, as the settings are then.
    settings.rulerUnit = 3;
    table.SettingsLoaded(settings, true);
    table.Build(ruler);
    table.Build(ruler);
    EXPECT_EQ(log, (Log{"picker settings 3", "ruler build", "ruler settings 3"}));
    log.clear();
    table.BuildAll();
    EXPECT_EQ(
        log, (Log{"screen build", "screen settings 3", "rectangle build", "rectangle settings 3"}));
    EXPECT_TRUE(table.Built(rectangle));
}

TEST_F(Tools, AToolStartingFindsEveryOtherToolBuiltAndHearsOfNoLoadBeforeOne) {
    table.SetMode(ActiveMode::None);
    EXPECT_TRUE(log.empty());
    EXPECT_FALSE(table.Built(picker));
    table.Build(ruler);
    log.clear();
    picker.Toggle();
    EXPECT_EQ(log, (Log{"picker on", "picker build", "screen build", "rectangle build"}));
    EXPECT_EQ(table.Mode(), ActiveMode{"picker"});
}

TEST_F(Tools, APageBelongsToTheOneToolThatDeclaredIt) {
    static constexpr PageSpec kLibrary{.caption = L"Sampled color library"};
    static constexpr PageSpec kInfo{.caption = L"Extended color information"};
    std::vector<std::string> other;
    FakeTool library{table, ActiveMode::None, other, "library"};
    library.pages = {&kLibrary, &kInfo};
    FakeTool second{table, ActiveMode::None, other, "second"};
    second.pages = {&kInfo};
    table.Add(library);
    EXPECT_THROW(table.Add(second), std::logic_error);
    EXPECT_EQ(table.OwnerOf(kInfo), &library);
    static constexpr PageSpec kNobodys{};
    EXPECT_EQ(table.OwnerOf(kNobodys), nullptr);
    EXPECT_THROW(table.Built(second), std::logic_error) << "a tool the table does not hold";
}

constexpr PageSpec kPickerPage{.caption = L"Color picker", .toggleHint = L"", .height = 112};

// The main window's tabs, written down.
class FakeTabs final : public MainTabs {
  public:
    FakeTabs(int& open, std::vector<std::string>& log) : open_(open), log_(log) {}
    int OpenTab() const override { return open_; }
    void ChangePage(int index) override {
        log_.push_back("tab " + std::to_string(index));
        open_ = index;
    }
    void ExpandPage(const PageSpec& page) override {
        log_.push_back(&page == &kPickerPage ? "expand picker" : "expand another page");
    }

  private:
    int& open_;
    std::vector<std::string>& log_;
};

TEST(HotKeyDispatch, EachBindingActsByItsReachOnTheTabTheKeyArrivedOn) {
    using Reach = HotKeyBinding::Reach;
    std::vector<std::string> log;
    int open = 0;
    const auto press = [&log](const char* name) { return [&log, name] { log.push_back(name); }; };
    std::vector<std::string> none;
    ToolTable table{noPages};
    FakeTool tool{table, ActiveMode::None, none, "tool"};
    tool.keys = {
        {.key = HotKeyId::ScreenPicker,
         .reach = Reach::OpenTab,
         .tab = 0,
         .expand = &kPickerPage,
         .action = press("picker")},
        {.key = HotKeyId::ColorLibrary, .reach = Reach::OpenTab, .tab = 0},
        // Saving on tab 0 opens tab 2: the binding for tab 2 is not run too.
        {.key = HotKeyId::SaveToDisk,
         .reach = Reach::OnTabOnly,
         .tab = 0,
         .action =
             [&] {
                 log.push_back("save library");
                 open = 2;
             }},
        {.key = HotKeyId::SaveToDisk,
         .reach = Reach::OnTabOnly,
         .tab = 2,
         .action = press("save snapshot")},
        {.key = HotKeyId::EntireScreenCapture, .action = press("screen")},
    };
    table.Add(tool);
    FakeTabs tabs(open, log);

    struct Case {
        int open;
        unsigned key;
        std::vector<std::string> expected;
        int openAfter;
    };
    const Case cases[] = {
        {1, 'P', {"tab 0", "expand picker", "picker"}, 0},
        {0, 'P', {"expand picker", "picker"}, 0},  // on its own tab the running tool stays
        {-1, 'L', {"tab 0"}, 0},
        {0, 'L', {}, 0},
        {0, 'S', {"save library"}, 2},
        {2, 'S', {"save snapshot"}, 2},
        {1, 'S', {}, 1},
        {-1, 'S', {}, -1},
        {3, 'E', {"screen"}, 3},           // opens its own tab, if any
        {2, 0xFF00 | 'E', {"screen"}, 2},  // only the low byte counts
        {2, 'e', {}, 2},                   // a letter's virtual key is its upper case
        {2, 'C', {}, 2},                   // a key without a binding
        {2, 'Z', {}, 2},                   // no key at all
    };
    for (const Case& c : cases) {
        open = c.open;
        log.clear();
        table.DispatchHotKey(c.key, tabs);
        EXPECT_EQ(log, c.expected) << static_cast<char>(c.key & 0xFF) << " on tab " << c.open;
        EXPECT_EQ(open, c.openAfter) << static_cast<char>(c.key & 0xFF) << " on tab " << c.open;
    }
}

constexpr HotKeyRow kGridKey{'G', L"GridOverlay", true, L"Ctrl+Alt+G: show or hide the grid"};

TEST(HotKeyDispatch, AToolsOwnKeyIsRegisteredAfterTheFifteenAndReachesIt) {
    std::vector<std::string> log;
    int open = 1;
    ToolTable table{noPages};
    FakeTool tool{table, ActiveMode::None, log, "grid"};
    tool.ownKeys = {kGridKey};
    tool.keys = {
        {.key = kGridKey.id(), .reach = HotKeyBinding::Reach::OpenTab, .tab = 2, .action = [&log] {
             log.push_back("grid");
         }}};
    table.Add(tool);
    const std::vector<HotKeyRow> rows = table.KeyRows();
    ASSERT_EQ(rows.size(), kHotKeyCount + 1);
    EXPECT_EQ(rows.back().atomName, L"GridOverlay");
    FakeTabs tabs(open, log);
    table.DispatchHotKey('Z', tabs);
    EXPECT_TRUE(log.empty()) << "a key not the program's builds nothing";
    // A key may come before the controls are built: they are, before it acts.
    table.DispatchHotKey('G', tabs);
    EXPECT_EQ(log, (std::vector<std::string>{"grid build", "tab 2", "grid"}));

    // What the build checks in tool_set.cpp, checked again for a tool it
    // does not name: a second key on a letter already taken, by the fifteen
    // or by a tool, and a binding to a key nobody brought.
    std::vector<std::string> none;
    FakeTool onP{table, ActiveMode::None, none, "on P"};
    onP.ownKeys = {{'P', L"Other", true, L"Ctrl+Alt+P: other"}};
    FakeTool onG{table, ActiveMode::None, none, "on G"};
    onG.ownKeys = {{'G', L"Other", true, L"Ctrl+Alt+G: other"}};
    FakeTool twiceOnK{table, ActiveMode::None, none, "twice on K"};
    twiceOnK.ownKeys = {{'K', L"Keep", true, L"Ctrl+Alt+K: keep"},
                        {'K', L"Kick", true, L"Ctrl+Alt+K: kick"}};
    EXPECT_THROW(table.Add(onP), std::logic_error);
    EXPECT_THROW(table.Add(onG), std::logic_error);
    EXPECT_THROW(table.Add(twiceOnK), std::logic_error);
    EXPECT_THROW(table.BindHotKey({.key = HotKeyId{'K'}}), std::logic_error);
    EXPECT_EQ(table.KeyRows().size(), kHotKeyCount + 1);
}

// Tools as tool_set.cpp names them, by type.
struct Picker {
    static constexpr ActiveMode kMode{"picker"};
};
struct Grid {
    static constexpr ActiveMode kMode{"grid"};
};
struct PickerAgain {
    static constexpr ActiveMode kMode{"picker"};
};
struct Part {};  // no mode
struct OtherPart {};

TEST(ToolChecks, NoTwoToolsRunUnderOneMode) {
    EXPECT_TRUE((DistinctModes<Picker, Grid, Part>()));
    EXPECT_TRUE((DistinctModes<Part, Picker, OtherPart>())) << "any number run under none";
    EXPECT_FALSE((DistinctModes<Picker, Part, PickerAgain>()));
    EXPECT_FALSE((DistinctModes<Grid, Grid>()));
    EXPECT_TRUE(DistinctModes<>());
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

TEST(HookMessages, AreReadOnceIntoReports) {
    for (const MessageCase& c : kMessages)
        EXPECT_EQ(ReadHookMessage(c.message, c.wParam, c.lParam), c.report) << c.name;
}

}  // namespace
}  // namespace vix
