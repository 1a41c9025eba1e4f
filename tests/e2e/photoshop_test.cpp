// The Photoshop bridge as a user meets it: the fake Photoshop registered as
// "Photoshop.Application" and started by the program's own activation, the
// version keys of the registry, and the program's questions and messages.

#include "fake_photoshop_control.h"
#include "fake_photoshop_versions.h"
#include "pattern.h"
#include "photoshop/action_request.h"
#include "photoshop/export_flow.h"
#include "photoshop/export_messages.h"
#include "photoshop/registration.h"
#include "platform/registry.h"
#include "vix_fixture.h"

namespace vix::e2e {
namespace {

namespace pt = test::pattern;

bool Topmost(HWND window) {
    return (::GetWindowLongPtrW(window, GWL_EXSTYLE) & WS_EX_TOPMOST) != 0;
}

std::wstring UserClassesValue(const std::wstring& key) {
    platform::WinRegistry registry;
    auto opened =
        registry.Open(RegistryRoot::CurrentUser, L"Software\\Classes\\" + key, OpenMode::Existing);
    if (!opened) return L"";
    return opened->Read(L"").value_or(RegistryValue{}).AsText().value_or(L"");
}

std::wstring StoredSettingText(const wchar_t* name) {
    platform::WinRegistry registry;
    auto key = registry.Open(RegistryRoot::CurrentUser,
                             L"Software\\Brellin Software Development\\VIX_revived\\2.0\\Settings",
                             OpenMode::Existing);
    if (!key) return L"";
    return key->Read(name).value_or(RegistryValue{}).AsText().value_or(L"");
}

void RemoveUserRegistration() {
    platform::WinRegistry registry;
    for (const std::wstring& key :
         {std::wstring(L"CLSID\\") + kPhotoshopClsid, std::wstring(L"Photoshop.Application"),
          std::wstring(L"Interface\\") + kPhotoshopApplicationIid})
        registry.DeleteTree(RegistryRoot::CurrentUser, L"Software\\Classes\\" + key);
}

class Photoshop : public VixTest {
  protected:
    static void SetUpTestSuite() { ASSERT_TRUE(test::FakePhotoshop::Register()); }
    void SetUp() override {
        VixTest::SetUp();
        test::RemoveFakeVersions();
        RemoveUserRegistration();
        pattern_ = std::make_unique<VixProcess>(BinDir() + L"\\pattern.exe");
        ASSERT_TRUE(pattern_->Start());
        ASSERT_NE(pattern_->WaitForWindow(L"VixTestPattern"), nullptr);
    }
    void TearDown() override {
        VixTest::TearDown();
        pattern_.reset();
        EXPECT_TRUE(fake_.WaitForExit());
        test::RemoveFakeVersions();
        RemoveUserRegistration();
        // Sampling copied the colour; later tests expect a clipboard without it.
        if (::OpenClipboard(nullptr)) {
            ::EmptyClipboard();
            ::CloseClipboard();
        }
    }

    void SampleFlatColour() {
        StartVix();
        LeftClickAt(Center(Control(L"Activate Colorpicker")));
        ASSERT_TRUE(WaitUntil([&] { return Control(L"Deactivate Colorpicker") != nullptr; }));
        Sample({pt::kFlatX, pt::kFlatY}, pt::kFlat);
        LeftClickAt(Center(Control(L"Deactivate Colorpicker")));
    }
    // Presses the export button and answers the question.
    void ExportColour(WPARAM answer) {
        HWND button = Control(L"Export sampled color to Photoshop");
        ASSERT_NE(button, nullptr);
        LeftClickAt(Center(button));
        HWND box = WaitForMessageBox(vix_->Pid());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageBoxText(box), std::wstring(kOpenPhotoshopQuestion));
        ::PostMessageW(box, WM_COMMAND, answer, 0);
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(box) || !::IsWindowVisible(box); }));
    }

    // The box of a failure, once it has its text (a box just made may not
    // yet, and the question's box may still be going); null after a while.
    HWND WaitForFailureBox() const {
        HWND box = nullptr;
        const bool shown = WaitUntil([&] {
            box = WaitForMessageBox(vix_->Pid(), 200);
            const std::wstring text = box ? MessageBoxText(box) : L"";
            return !text.empty() && text != kOpenPhotoshopQuestion;
        });
        return shown ? box : nullptr;
    }

    test::FakePhotoshop fake_;
    std::unique_ptr<VixProcess> pattern_;
};

TEST_F(Photoshop, TheSampledColourBecomesTheForegroundColourAfterYes) {
    fake_.Configure({});
    SampleFlatColour();
    ExportColour(IDYES);
    ASSERT_TRUE(WaitUntil([&] { return !fake_.Calls("IActionControl", "Play").empty(); }));
    const auto play = fake_.Calls("IActionControl", "Play").at(0);
    const double r = (pt::kFlat >> 16) & 0xFF, g = (pt::kFlat >> 8) & 0xFF, b = pt::kFlat & 0xFF;
    EXPECT_EQ(play["tree"], DescriptorText(*PSSetColor(true, r, g, b).descriptor));
    EXPECT_TRUE(WaitUntil([&] { return Topmost(Main()); }));
    // Photoshop's action control is kept until the program ends.
    CloseVix();
}

TEST_F(Photoshop, NoToTheQuestionRecordsNothing) {
    fake_.Configure({});
    SampleFlatColour();
    ExportColour(IDNO);
    // A second export asks only once the first has ended.
    ExportColour(IDNO);
    EXPECT_TRUE(fake_.Calls().empty());
    EXPECT_TRUE(WaitUntil([&] { return Topmost(Main()); }));
}

TEST_F(Photoshop, AFailingPhotoshopGivesItsMessageWithItsCode) {
    test::FakePhotoshopConfig config;
    config.failVisible = 0x80070005;
    fake_.Configure(config);
    SampleFlatColour();
    ExportColour(IDYES);
    HWND box = WaitForFailureBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), ErrorMessage(ExportError::I08));
    PressOk(box);
    EXPECT_TRUE(WaitUntil([&] { return Topmost(Main()); }));
    // Closed, not ended from outside: the program lets Photoshop go, and the
    // server ends, before the next test starts one.
    CloseVix();
}

// The snapshot's exports: a rectangle taken from the pattern, then the
// output button (or the export key), the question, and what arrived.
class PhotoshopSnapshot : public Photoshop {
  protected:
    // Takes a rectangle capture where the overlay stands; its size.
    SIZE TakeRectangle() {
        StartVix();
        // A program closed on the Capture tab opens on it again, and a
        // click on an open tab's caption would close it.
        if (!::IsWindowVisible(Control(L"Rectangle capture"))) ClickTab(L" Capture");
        LeftClickAt(Center(Control(L"Rectangle capture")));
        HWND overlay = nullptr;
        EXPECT_TRUE(WaitUntil([&] {
            for (HWND w : TopLevelWindows(vix_->Pid(), L"Trectan"))
                if (::IsWindowVisible(w)) overlay = w;
            return overlay != nullptr;
        }));
        const RECT r = ScreenRect(overlay);
        RightClickAt({600, 700});
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(overlay); }));
        // The inside of the dashed line, 5 pixels in from every edge.
        return {r.right - r.left - 10, r.bottom - r.top - 10};
    }
    void Export(const wchar_t* button, WPARAM answer) {
        HWND b = Control(button);
        ASSERT_NE(b, nullptr);
        ASSERT_TRUE(WaitUntil([&] { return ::IsWindowEnabled(b) != FALSE; }));
        LeftClickAt(Center(b));
        Answer(answer);
    }
    void Answer(WPARAM answer) {
        HWND box = WaitForMessageBox(vix_->Pid());
        ASSERT_NE(box, nullptr);
        EXPECT_EQ(MessageBoxText(box), std::wstring(kOpenPhotoshopQuestion));
        ::PostMessageW(box, WM_COMMAND, answer, 0);
        EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(box) || !::IsWindowVisible(box); }));
    }
    std::vector<std::string> Events() const {
        std::vector<std::string> events;
        for (const auto& play : fake_.Calls("IActionControl", "Play"))
            events.push_back(play["event"]);
        return events;
    }
    static SIZE ClipboardBitmapSize() {
        SIZE size{};
        if (!::OpenClipboard(nullptr)) return size;
        if (HANDLE dib = ::GetClipboardData(CF_DIB)) {
            if (const auto* info = static_cast<const BITMAPINFOHEADER*>(::GlobalLock(dib))) {
                size = {info->biWidth, info->biHeight < 0 ? -info->biHeight : info->biHeight};
                ::GlobalUnlock(dib);
            }
        }
        ::CloseClipboard();
        return size;
    }
};

TEST_F(PhotoshopSnapshot, TheSnapshotBecomesADocumentOfItsSizeByPaste) {
    fake_.Configure({});
    const SIZE size = TakeRectangle();
    Export(L"Export snapshot to new Photoshop document", IDYES);
    ASSERT_TRUE(WaitUntil([&] { return Events().size() >= 2; }));
    EXPECT_EQ(Events(), (std::vector<std::string>{"Mk  ", "past"}));
    EXPECT_EQ(fake_.Calls("IActionControl", "Play").at(0)["tree"],
              DescriptorText(*ExportDocumentRequest(size.cx, size.cy).descriptor));
    const SIZE pasted = ClipboardBitmapSize();
    EXPECT_EQ(pasted.cx, size.cx);
    EXPECT_EQ(pasted.cy, size.cy);
    EXPECT_TRUE(WaitUntil([&] { return Topmost(Main()); }));
    CloseVix();
}

TEST_F(PhotoshopSnapshot, TheSnapshotBecomesALayerOrANewDocumentWhenNoLayerIsMade) {
    fake_.Configure({});
    TakeRectangle();
    Export(L"Export snapshot to new Photoshop layer", IDYES);
    ASSERT_TRUE(WaitUntil([&] { return Events().size() >= 2; }));
    EXPECT_EQ(Events(), (std::vector<std::string>{"Mk  ", "past"}));
    EXPECT_EQ(fake_.Calls("IActionControl", "Play").at(0)["tree"],
              DescriptorText(*ExportLayerRequest().descriptor));
    EXPECT_TRUE(WaitUntil([&] { return Topmost(Main()); }));
    CloseVix();
    ASSERT_TRUE(fake_.WaitForExit());

    // A Photoshop that answers the layer request with nothing.
    test::FakePhotoshopConfig config;
    config.playAnswer = test::FakePhotoshopConfig::Answer::None;
    fake_.Configure(config);
    const SIZE size = TakeRectangle();
    Export(L"Export snapshot to new Photoshop layer", IDYES);
    ASSERT_TRUE(WaitUntil([&] { return Events().size() >= 3; }));
    EXPECT_EQ(Events(), (std::vector<std::string>{"Mk  ", "Mk  ", "past"}));
    EXPECT_EQ(fake_.Calls("IActionControl", "Play").at(1)["tree"],
              DescriptorText(*ExportDocumentRequest(size.cx, size.cy).descriptor));
    CloseVix();
}

TEST_F(PhotoshopSnapshot, TheExportKeyOnTheCaptureTabMakesADocument) {
    fake_.Configure({});
    const SIZE size = TakeRectangle();
    PressKeyWith('A', {VK_CONTROL, VK_MENU});
    Answer(IDYES);
    ASSERT_TRUE(WaitUntil([&] { return Events().size() >= 2; }));
    EXPECT_EQ(Events(), (std::vector<std::string>{"Mk  ", "past"}));
    EXPECT_EQ(fake_.Calls("IActionControl", "Play").at(0)["tree"],
              DescriptorText(*ExportDocumentRequest(size.cx, size.cy).descriptor));
    // Photoshop's action control is kept until the program ends.
    CloseVix();
}

TEST_F(PhotoshopSnapshot, NoToTheQuestionSendsNothingAndAFailureGivesItsMessage) {
    fake_.Configure({});
    TakeRectangle();
    Export(L"Export snapshot to new Photoshop document", IDNO);
    // A second export asks only once the first has ended.
    Export(L"Export snapshot to new Photoshop document", IDNO);
    EXPECT_TRUE(fake_.Calls().empty());
    CloseVix();

    test::FakePhotoshopConfig config;
    config.playError = 0x80042001;
    fake_.Configure(config);
    TakeRectangle();
    Export(L"Export snapshot to new Photoshop document", IDYES);
    HWND box = WaitForFailureBox();
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), ErrorMessage(ExportError::I04));
    PressOk(box);
    EXPECT_TRUE(WaitUntil([&] { return Topmost(Main()); }));
    CloseVix();
}

TEST_F(Photoshop, OneInstalledVersionIsRegisteredAtStartWithoutADialog) {
    ASSERT_TRUE(test::InstallFakeVersions(test::versions::One()));
    // The versions are looked at just after the first paint; the choice is
    // stored once the look is over, and a chooser or a box would have come
    // before it.
    StartVix();
    ASSERT_TRUE(WaitUntil([] { return StoredSettingText(L"LastPhotoShopVersion") == L"7.0"; }));
    EXPECT_EQ(WaitForMessageBox(vix_->Pid(), 0), nullptr);
    for (HWND chooser : TopLevelWindows(vix_->Pid(), L"Tvix_psVersion"))
        EXPECT_FALSE(::IsWindowVisible(chooser));
    EXPECT_EQ(UserClassesValue(std::wstring(L"CLSID\\") + kPhotoshopClsid + L"\\LocalServer32"),
              L"C:\\Program Files\\Adobe\\Photoshop 7.0\\Photoshop.exe /Automation");
    EXPECT_EQ(StoredSettingText(L"PhotoShopVersion"), L"7.0");
}

TEST_F(Photoshop, AnAddedVersionShowsTheChooserAtStart) {
    ASSERT_TRUE(test::InstallFakeVersions(test::versions::ThirdAdded()));
    vix_ = std::make_unique<VixProcess>();
    ASSERT_TRUE(vix_->Start());
    HWND chooser = vix_->WaitForWindow(L"Tvix_psVersion");
    ASSERT_NE(chooser, nullptr);
    EXPECT_EQ(TextOf(chooser), L"Information");
    // The versions are looked up once the main window has painted.
    const auto mains = TopLevelWindows(vix_->Pid(), L"Tvix_main");
    ASSERT_EQ(mains.size(), 1u);
    EXPECT_TRUE(::IsWindowVisible(mains[0]));
    HWND ok = FindByText(chooser, L"Ok");
    ASSERT_NE(ok, nullptr);
    ::PostMessageW(ok, BM_CLICK, 0, 0);
    main_ = vix_->WaitForMainWindow();
    ASSERT_NE(main_, nullptr);
    EXPECT_TRUE(WaitUntil([] { return StoredSettingText(L"PhotoShopVersion") == L"9.0"; }));
    EXPECT_EQ(UserClassesValue(std::wstring(L"CLSID\\") + kPhotoshopClsid + L"\\ProgID"),
              L"Photoshop.Application.9.0");
}

}  // namespace
}  // namespace vix::e2e
