// The three exports as the main window runs them, against the fake
// Photoshop started through its registration, with a stand-in for the main
// window's services.

#include <windows.h>

#include <gtest/gtest.h>

#include <deque>
#include <functional>
#include <memory>

#include "common/utf16.h"
#include "fake_photoshop_control.h"
#include "photoshop/photoshop_exporter.h"
#include "platform/com_apartment.h"
#include "platform/com_ptr.h"
#include "platform/handle.h"

namespace vix::test {
namespace {

class StandInServices final : public PhotoshopExportServices {
  public:
    HWND OwnerWindow() const override { return nullptr; }
    void ShowPage(int pageIndex) override { pages.push_back(pageIndex); }
    HBITMAP SnapshotPicture() const override { return picture.get(); }
    int ShowMessage(const std::wstring& text, UINT flags) override {
        messages.push_back(text);
        flagsShown.push_back(flags);
        if (answers.empty()) return IDOK;
        const int answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void RestoreTopmost() override { ++restored; }

    std::vector<int> pages;
    std::vector<std::wstring> messages;
    std::vector<UINT> flagsShown;
    std::deque<int> answers;
    int restored = 0;
    platform::Bitmap picture;
};

platform::Bitmap MakePicture(int width, int height) {
    HDC screen = ::GetDC(nullptr);
    platform::Bitmap bitmap(::CreateCompatibleBitmap(screen, width, height));
    ::ReleaseDC(nullptr, screen);
    return bitmap;
}

SIZE ClipboardBitmapSize() {
    SIZE size{};
    if (!::OpenClipboard(nullptr)) return size;
    if (auto bitmap = static_cast<HBITMAP>(::GetClipboardData(CF_BITMAP))) {
        BITMAP facts{};
        ::GetObjectW(bitmap, sizeof(facts), &facts);
        size = {facts.bmWidth, facts.bmHeight};
    }
    ::CloseClipboard();
    return size;
}

class PhotoshopExportTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(FakePhotoshop::Register()); }
    void TearDown() override {
        running.reset();
        exporter.reset();
        EXPECT_TRUE(fake.WaitForExit());
    }
    // Starts the fake Photoshop, with its main window, before the export.
    void StartPhotoshop() {
        ASSERT_HRESULT_SUCCEEDED(::CoCreateInstance(kPhotoshopClass, nullptr, CLSCTX_LOCAL_SERVER,
                                                    IID_IUnknown, running.put_void()));
    }
    std::vector<std::string> Events() const {
        std::vector<std::string> events;
        for (const auto& play : fake.Calls("IActionControl", "Play"))
            events.push_back(play["event"]);
        return events;
    }

    // {6DECC242-87EF-11cf-86B4-444553540000}
    static constexpr CLSID kPhotoshopClass = {
        0x6DECC242, 0x87EF, 0x11cf, {0x86, 0xB4, 0x44, 0x45, 0x53, 0x54, 0x00, 0x00}};

    platform::ComApartment apartment;
    FakePhotoshop fake;
    StandInServices services;
    // The program's own bound: starting the fake server on a busy machine
    // takes seconds, and a short bound would fail an export that works.
    // Only the test of the bound itself gives a short one.
    std::unique_ptr<PhotoshopExporter> exporter =
        std::make_unique<PhotoshopExporter>(services, BusyRetryPolicy{});
    platform::ComPtr<IUnknown> running;
};

TEST_F(PhotoshopExportTest, WithoutPhotoshopTheQuestionComesAndYesExportsTheColor) {
    fake.Configure({});
    services.answers = {IDYES};
    const auto outcome = exporter->ExportColor(true, true, 255, 0, 128);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->ending, ExportOutcome::Ending::Exported);
    ASSERT_EQ(services.messages.size(), 1u);
    EXPECT_EQ(services.messages[0], kOpenPhotoshopQuestion);
    EXPECT_EQ(services.flagsShown[0], static_cast<UINT>(MB_YESNO | MB_ICONINFORMATION));
    EXPECT_EQ(services.pages, std::vector<int>{kPickerTab});
    EXPECT_GE(services.restored, 1);

    EXPECT_EQ(fake.Calls("Server", "Start").size(), 1u);
    EXPECT_EQ(fake.Calls("IPhotoshopApplication", "Visible.put").at(0)["value"], "-1");
    const auto plays = fake.Calls("IActionControl", "Play");
    ASSERT_EQ(plays.size(), 1u);
    EXPECT_EQ(plays[0]["tree"], DescriptorText(*PSSetColor(true, 255, 0, 128).descriptor));
}

TEST_F(PhotoshopExportTest, NoToTheQuestionStartsNothing) {
    fake.Configure({});
    services.answers = {IDNO};
    const auto outcome = exporter->ExportColor(true, true, 1, 2, 3);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->ending, ExportOutcome::Ending::Declined);
    EXPECT_EQ(services.messages.size(), 1u);
    EXPECT_TRUE(fake.Calls().empty());
    EXPECT_GE(services.restored, 1);
}

TEST_F(PhotoshopExportTest, AnOpenPhotoshopIsUsedWithoutAskingAndItsPickerClosed) {
    FakePhotoshopConfig config;
    config.photoshopWindow = true;
    config.colorPicker = true;
    fake.Configure(config);
    StartPhotoshop();
    ASSERT_NE(::FindWindowW(L"PSFloatC", L"Color Picker"), nullptr);

    const auto outcome = exporter->ExportColor(true, false, 10, 20, 30);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->ending, ExportOutcome::Ending::Exported);
    EXPECT_TRUE(services.messages.empty());
    // Closed before the export connects. (The fake shows its picker again
    // at each creation, as configured.)
    std::vector<std::string> order;
    for (const auto& call : fake.Calls())
        if (call.method == "SysCommandClose" || call.method == "CreateInstance")
            order.push_back(call.method);
    EXPECT_EQ(order,
              (std::vector<std::string>{"CreateInstance", "SysCommandClose", "CreateInstance"}));
    EXPECT_EQ(fake.Calls("Server", "Start").size(), 1u);
    const auto plays = fake.Calls("IActionControl", "Play");
    ASSERT_EQ(plays.size(), 1u);
    // The background colour, by the setting.
    EXPECT_EQ(plays[0]["tree"], DescriptorText(*PSSetColor(false, 10, 20, 30).descriptor));
}

TEST_F(PhotoshopExportTest, TheSnapshotBecomesADocumentOfItsSizeThroughTheClipboard) {
    fake.Configure({});
    services.answers = {IDYES};
    services.picture = MakePicture(3, 2);
    const auto outcome = exporter->ExportSnapshot(ExportKind::Document, true);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->ending, ExportOutcome::Ending::Exported);
    EXPECT_FALSE(outcome->clipboardWarned);
    EXPECT_EQ(services.pages, std::vector<int>{kCaptureTab});
    EXPECT_EQ(Events(), (std::vector<std::string>{"Mk  ", "past"}));
    EXPECT_EQ(fake.Calls("IActionControl", "Play").at(0)["tree"],
              DescriptorText(*ExportDocumentRequest(3, 2).descriptor));
    const SIZE onClipboard = ClipboardBitmapSize();
    EXPECT_EQ(onClipboard.cx, 3);
    EXPECT_EQ(onClipboard.cy, 2);
    // The picture stays the main window's own.
    BITMAP facts{};
    EXPECT_EQ(::GetObjectW(services.picture.get(), sizeof(facts), &facts),
              static_cast<int>(sizeof(facts)));
}

TEST_F(PhotoshopExportTest, ALayerWithoutAnswerFallsBackToANewDocument) {
    FakePhotoshopConfig config;
    config.playAnswer = FakePhotoshopConfig::Answer::None;
    fake.Configure(config);
    services.answers = {IDYES};
    services.picture = MakePicture(1, 1);
    const auto outcome = exporter->ExportSnapshot(ExportKind::Layer, true);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->ending, ExportOutcome::Ending::Exported);
    EXPECT_EQ(Events(), (std::vector<std::string>{"Mk  ", "Mk  ", "past"}));
    const auto plays = fake.Calls("IActionControl", "Play");
    EXPECT_EQ(plays.at(0)["tree"], DescriptorText(*ExportLayerRequest().descriptor));
    EXPECT_EQ(plays.at(1)["tree"], DescriptorText(*ExportDocumentRequest(1, 1).descriptor));
}

// A fake Photoshop configured by `set`, for the tables of cases.
template <typename Set>
FakePhotoshopConfig with(Set set) {
    FakePhotoshopConfig config;
    set(config);
    return config;
}

TEST_F(PhotoshopExportTest, EachFailureOfPhotoshopGivesItsMessage) {
    struct Case {
        FakePhotoshopConfig config;
        ExportKind kind;
        ExportError error;
    };
    const Case cases[] = {
        {with([](auto& c) { c.refuseCreate = 0x80080005; }), ExportKind::Document,
         ExportError::I02Image},
        {with([](auto& c) { c.failVisible = 0x80070005; }), ExportKind::Color, ExportError::I08},
        {with([](auto& c) { c.failControl = 0x8007000E; }), ExportKind::Layer, ExportError::I08},
        {with([](auto& c) { c.playError = 0x80042001; }), ExportKind::Color, ExportError::P04},
        {with([](auto& c) { c.playAnswer = FakePhotoshopConfig::Answer::Message; }),
         ExportKind::Color, ExportError::P04_6},
        {with([](auto& c) { c.playAnswer = FakePhotoshopConfig::Answer::Message; }),
         ExportKind::Document, ExportError::I04_5},
        {with([](auto& c) { c.playAnswer = FakePhotoshopConfig::Answer::Message; }),
         ExportKind::Layer, ExportError::I04_4},
        {with([](auto& c) { c.playError = 0x80042001; }), ExportKind::Layer, ExportError::I04},
    };
    services.picture = MakePicture(4, 4);
    for (const auto& c : cases) {
        SCOPED_TRACE(ToUtf8(std::wstring(ErrorCode(c.error))));
        fake.Configure(c.config);
        services.messages.clear();
        services.answers = {IDYES};
        services.restored = 0;
        const auto outcome = c.kind == ExportKind::Color
                                 ? exporter->ExportColor(true, true, 1, 2, 3)
                                 : exporter->ExportSnapshot(c.kind, true);
        ASSERT_TRUE(outcome);
        EXPECT_EQ(outcome->ending, ExportOutcome::Ending::Failed);
        ASSERT_EQ(services.messages.size(), 2u);
        EXPECT_EQ(services.messages[1], ErrorMessage(c.error));
        EXPECT_EQ(services.flagsShown.back(), static_cast<UINT>(MB_OK | MB_ICONERROR));
        EXPECT_GE(services.restored, 1);
        // Each case lets its server go before the next starts one.
        exporter = std::make_unique<PhotoshopExporter>(services, BusyRetryPolicy{});
        EXPECT_TRUE(fake.WaitForExit());
    }
}

TEST_F(PhotoshopExportTest, TheColorExportsCreationFailureCarriesTheSystemsText) {
    FakePhotoshopConfig config;
    config.refuseCreate = 0x80080005;
    fake.Configure(config);
    services.answers = {IDYES};
    exporter->ExportColor(true, true, 1, 2, 3);
    ASSERT_EQ(services.messages.size(), 2u);
    const std::wstring prefix = ErrorMessage(ExportError::I02Color);
    EXPECT_EQ(services.messages[1].substr(0, prefix.size()), prefix);
    EXPECT_GT(services.messages[1].size(), prefix.size());
}

// A window that counts the messages posted to it, running `onMessage` for
// each: handled while an export waits, they show the program answering
// input. Posted before the export, only a loop inside it can handle them.
class InputWindow {
  public:
    explicit InputWindow(std::function<void()> onMessage = {}) : onMessage_(std::move(onMessage)) {
        WNDCLASSW wc{};
        wc.lpfnWndProc = &Procedure;
        wc.hInstance = ::GetModuleHandleW(nullptr);
        wc.lpszClassName = L"VixInputTest";
        ::RegisterClassW(&wc);
        window_.reset(::CreateWindowExW(0, wc.lpszClassName, L"", 0, 0, 0, 0, 0, HWND_MESSAGE,
                                        nullptr, wc.hInstance, nullptr));
        ::SetWindowLongPtrW(window_.get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
    }
    void Post() { ::PostMessageW(window_.get(), WM_APP, 0, 0); }
    int handled = 0;

  private:
    static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        auto* self = reinterpret_cast<InputWindow*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
        if (message != WM_APP || !self) return ::DefWindowProcW(window, message, wParam, lParam);
        ++self->handled;
        if (self->onMessage_) self->onMessage_();
        return 0;
    }
    std::function<void()> onMessage_;
    platform::WindowHandle window_;
};

TEST_F(PhotoshopExportTest, WhileABusyPhotoshopIsAwaitedMessagesRunButNoSecondExport) {
    FakePhotoshopConfig config;
    config.busyCalls = 7;
    fake.Configure(config);
    services.answers = {IDYES};
    bool secondRan = true;
    InputWindow input([&] { secondRan = exporter->ExportColor(true, true, 9, 9, 9).has_value(); });
    input.Post();
    const auto outcome = exporter->ExportColor(true, true, 1, 2, 3);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->ending, ExportOutcome::Ending::Exported);
    EXPECT_EQ(input.handled, 1);
    EXPECT_FALSE(secondRan);
    EXPECT_EQ(fake.Calls("IActionControl", "Play").size(), 1u);
}

TEST_F(PhotoshopExportTest, ACallOrActivationUnansweredEndsAtTheBoundWhileInputIsHandled) {
    struct Case {
        const char* what;
        FakePhotoshopConfig config;
        ExportError error;
    };
    // Photoshop answers each only after 7 s, the bound is 2 s.
    const Case cases[] = {
        {"a call accepted and not answered", with([](auto& c) { c.slowMs = 7000; }),
         ExportError::I08},
        {"a server slow to start its class", with([](auto& c) { c.classDelayMs = 7000; }),
         ExportError::I02Color},
    };
    InputWindow input;
    exporter = std::make_unique<PhotoshopExporter>(services, BusyRetryPolicy{2000, 100});
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        fake.Configure(c.config);
        services.messages.clear();
        services.answers = {IDYES};
        input.handled = 0;
        input.Post();
        const auto outcome = exporter->ExportColor(true, true, 1, 2, 3);
        ASSERT_TRUE(outcome);
        EXPECT_EQ(outcome->ending, ExportOutcome::Ending::Failed) << "waited for the answer";
        ASSERT_EQ(services.messages.size(), 2u);
        const std::wstring expected = ErrorMessage(c.error);
        EXPECT_EQ(services.messages[1].substr(0, expected.size()), expected);
        EXPECT_EQ(input.handled, 1);
        exporter = std::make_unique<PhotoshopExporter>(services, BusyRetryPolicy{2000, 100});
        EXPECT_TRUE(fake.WaitForExit());
    }
}

// Quits once Photoshop has turned a call away as busy.
FakePhotoshop* quitWhenBusy = nullptr;
void CALLBACK QuitWhenBusy(HWND, UINT, UINT_PTR timer, DWORD) {
    if (!quitWhenBusy || quitWhenBusy->Calls("Filter", "RetryLater").empty()) return;
    ::KillTimer(nullptr, timer);
    ::PostQuitMessage(4);
}

// Photoshop turns away the calls of about five seconds of retries, the time
// the quit has to come in; had the quit not ended the retries, a later try
// would have been accepted.
TEST_F(PhotoshopExportTest, AQuitWhileABusyPhotoshopIsAwaitedEndsTheRetriesAndIsLeftForTheLoop) {
    FakePhotoshopConfig config;
    config.busyCalls = 50;
    fake.Configure(config);
    services.answers = {IDYES};
    exporter = std::make_unique<PhotoshopExporter>(services, BusyRetryPolicy{30000, 100});
    quitWhenBusy = &fake;
    ::SetTimer(nullptr, 0, 50, &QuitWhenBusy);
    const auto outcome = exporter->ExportColor(true, true, 1, 2, 3);
    quitWhenBusy = nullptr;
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->ending, ExportOutcome::Ending::Failed);
    ASSERT_EQ(services.messages.size(), 2u);
    EXPECT_EQ(services.messages[1], ErrorMessage(ExportError::I08));
    MSG quit{};
    ASSERT_TRUE(::PeekMessageW(&quit, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE));
    EXPECT_EQ(quit.wParam, 4u);
    // Photoshop ends once the thread that made the calls has let it go, so
    // its record is then complete: no call was tried again and accepted.
    exporter.reset();
    ASSERT_TRUE(fake.WaitForExit());
    EXPECT_LT(fake.Calls("Filter", "RetryLater").size(), config.busyCalls);
    for (const auto& put : fake.Calls("IPhotoshopApplication", "Visible.put"))
        EXPECT_EQ(put["result"], "busy");
}

TEST_F(PhotoshopExportTest, ADisabledButtonDoesNothing) {
    fake.Configure({});
    const auto outcome = exporter->ExportSnapshot(ExportKind::Document, false);
    ASSERT_TRUE(outcome);
    EXPECT_EQ(outcome->ending, ExportOutcome::Ending::NotRun);
    EXPECT_TRUE(services.pages.empty());
    EXPECT_TRUE(services.messages.empty());
    EXPECT_TRUE(fake.Calls().empty());
}

}  // namespace
}  // namespace vix::test
