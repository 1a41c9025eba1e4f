// The screen ruler, used as a designer uses it: switched on from its page,
// read off the screen, dragged, turned, flipped, moved with the keys and
// given typed lengths.

#include "ruler/ruler_control_ids.h"
#include "pattern.h"
#include "vix_fixture.h"

namespace vix::e2e {
namespace {

namespace pt = test::pattern;

constexpr DWORD kWhite = 0xFFFFFF;
constexpr DWORD kBlack = 0x000000;

class Ruler : public VixTest {
  protected:
    void SetUp() override {
        VixTest::SetUp();
        StartVix();
        ClickTab(L" Ruler");
    }

    void Expand(const std::wstring& toggle) { ToggleSection(toggle); }

    HWND EnableRuler() {
        LeftClickAt(Center(Control(L"Enable Ruler")));
        HWND ruler = nullptr;
        EXPECT_TRUE(WaitUntil([&] {
            for (HWND w : TopLevelWindows(vix_->Pid(), L"Trulerapp"))
                if (::IsWindowVisible(w)) ruler = w;
            return ruler != nullptr;
        }));
        ruler_ = ruler;
        return ruler;
    }

    // Places the ruler's corner by typing its position.
    void PlaceAt(int x, int y) {
        ReplaceFieldText(FindById(Main(), kIdRulerX), std::to_wstring(x));
        ReplaceFieldText(FindById(Main(), kIdRulerY), std::to_wstring(y));
        PressKey(VK_RETURN);
        ASSERT_TRUE(WaitUntil([&] { return Bounds().left == x && Bounds().top == y; }))
            << Bounds().left << "," << Bounds().top;
    }

    RECT Bounds() const { return ScreenRect(ruler_); }
    std::wstring Field(int id) const { return TextOf(FindById(Main(), id)); }
    DWORD At(int x, int y) const { return ScreenPixel({Bounds().left + x, Bounds().top + y}); }

    // A tick of `length` pixels at column p of a ruler graduated on top: black
    // from the top edge down, the ruler colour below it.
    void ExpectTick(int p, int length) const {
        for (int y = 0; y < length; ++y)
            ASSERT_EQ(At(p, y), kBlack) << "column " << p << " row " << y;
        EXPECT_EQ(At(p, length), kWhite) << "column " << p << " below its tick";
    }
    void ExpectNoTick(int p) const { EXPECT_EQ(At(p, 0), kWhite) << "column " << p; }
    // Something drawn round (p, 18): the label of the tick at p.
    bool LabelNear(int p) const {
        for (int y = 13; y < 26; ++y)
            for (int x = p - 6; x <= p + 6; ++x)
                if (At(x, y) != kWhite) return true;
        return false;
    }
    void ChooseUnit(int index) {
        ChooseListItem(FindById(Main(), kIdRulerUnits), index);
        // The ruler is drawn in the new unit.
        ASSERT_TRUE(WaitInputHandled(ruler_));
    }

    HWND ruler_ = nullptr;
};

TEST_F(Ruler, EnablingShowsAHorizontal200By30RulerAndItsLengthInEveryUnit) {
    Expand(L"Expand/Collapse Ruler info");
    EnableRuler();
    const RECT b = Bounds();
    EXPECT_EQ(b.right - b.left, 200);
    EXPECT_EQ(b.bottom - b.top, 30);
    const wchar_t* expected[] = {L"200", L"2.08", L"5.29", L"12.50", L"19.53", L"96"};
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(TextOf(FindById(Main(), kIdRulerInfoFirst + i)), expected[i]) << i;
    EXPECT_EQ(Field(kIdRulerLength), L"200");
    EXPECT_NE(Control(L"Disable Ruler"), nullptr);
}

// Rulers are placed left of and below the main window, which lies over the
// middle of the desktop. Every unit's ticks and labels are checked in the
// scale's own tests; here, that the scale reaches the screen and follows the
// chosen unit.
TEST_F(Ruler, TheScaleIsDrawnAndFollowsTheChosenUnit) {
    EnableRuler();
    PlaceAt(60, 560);
    ExpectTick(5, 3);
    ExpectTick(10, 8);
    ExpectTick(50, 11);
    ExpectNoTick(3);
    EXPECT_TRUE(LabelNear(50));
    EXPECT_TRUE(LabelNear(100));
    EXPECT_FALSE(LabelNear(25));
    EXPECT_TRUE(SaveWindowShot(ruler_, L"ruler-pixels"));

    ChooseUnit(1);  // inches: 24, 48 (the half), 72, 96 (1), 144 (1 and a half)
    ExpectTick(24, 3);
    ExpectTick(48, 8);
    ExpectTick(96, 11);
    ExpectTick(144, 8);
    ExpectNoTick(30);
    EXPECT_TRUE(LabelNear(48));
    EXPECT_TRUE(LabelNear(96));
    EXPECT_TRUE(LabelNear(144));
    EXPECT_FALSE(LabelNear(72));
    EXPECT_EQ(Field(kIdRulerLength), L"2.08");
    EXPECT_TRUE(SaveWindowShot(ruler_, L"ruler-inches"));
}

TEST_F(Ruler, DraggingTheFarEndStretchesAndTheBodyMoves) {
    EnableRuler();
    PlaceAt(60, 560);
    // The length follows the pointer: its column in the ruler is the length.
    LeftDrag({60 + 198, 575}, {60 + 300, 575});
    EXPECT_TRUE(WaitUntil([&] { return Bounds().right - Bounds().left == 300; }))
        << Bounds().right - Bounds().left;
    EXPECT_EQ(Field(kIdRulerLength), L"300");
    LeftDrag({110, 575}, {160, 625});
    EXPECT_TRUE(WaitUntil([&] { return Bounds().left == 110 && Bounds().top == 610; }))
        << Bounds().left << "," << Bounds().top;
    EXPECT_EQ(Field(kIdRulerX), L"110");
    EXPECT_EQ(Field(kIdRulerY), L"610");
    EXPECT_EQ(Bounds().right - Bounds().left, 300) << "moving keeps the length";
}

TEST_F(Ruler, ARightClickTurnsItAndFlipKeepsTheShownPosition) {
    EnableRuler();
    PlaceAt(300, 300);
    RightClickAt({350, 315});
    ASSERT_TRUE(WaitUntil([&] { return Bounds().bottom - Bounds().top == 200; }));
    EXPECT_EQ(Bounds().left, 270);
    EXPECT_EQ(Bounds().top, 300);
    EXPECT_EQ(Bounds().right - Bounds().left, 30);
    // Ticks on the right: the position shown is the right column's.
    EXPECT_EQ(Field(kIdRulerX), L"299");
    EXPECT_EQ(Field(kIdRulerY), L"300");
    EXPECT_TRUE(SaveWindowShot(ruler_, L"ruler-vertical"));

    LeftClickAt(Center(Control(L"Flip Ruler")));
    ASSERT_TRUE(WaitUntil([&] { return Bounds().left == 300; })) << Bounds().left;
    EXPECT_EQ(Field(kIdRulerX), L"299");
    EXPECT_EQ(Field(kIdRulerY), L"300");

    LeftClickAt(Center(Control(L"Rotate Ruler")));
    ASSERT_TRUE(WaitUntil([&] { return Bounds().right - Bounds().left == 200; }));
    EXPECT_EQ(Bounds().top, 300 - 30);
    EXPECT_EQ(Field(kIdRulerY), L"300") << "ticks at the bottom: the row below is shown";
}

TEST_F(Ruler, ArrowKeysMoveAndStretchOnlyWithTheirModifiers) {
    EnableRuler();
    PlaceAt(300, 300);
    LeftClickAt({360, 318});  // give the ruler the keyboard
    PressKey(VK_LEFT);
    EXPECT_TRUE(WaitUntil([&] { return Bounds().left == 299; }));
    PressKeyWith(VK_DOWN, {VK_CONTROL});
    EXPECT_TRUE(WaitUntil([&] { return Bounds().top == 305; }));
    PressKeyWith(VK_RIGHT, {VK_SHIFT});
    EXPECT_TRUE(WaitUntil([&] { return Bounds().right - Bounds().left == 201; }));
    PressKeyWith(VK_LEFT, {VK_SHIFT, VK_CONTROL});
    EXPECT_TRUE(WaitUntil([&] { return Bounds().right - Bounds().left == 196; }));
    const RECT before = Bounds();
    PressKeyWith(VK_LEFT, {VK_MENU});
    PressKeyWith(VK_RIGHT, {VK_MENU, VK_SHIFT});
    ASSERT_TRUE(WaitInputHandled(ruler_));
    const RECT after = Bounds();
    EXPECT_TRUE(::EqualRect(&before, &after)) << "Alt with an arrow does nothing";
    EXPECT_EQ(Field(kIdRulerX), L"299");
}

// Every unit's conversion, rounding and the least length are checked in the
// typed-length tests; here, one length typed in a chosen unit.
TEST_F(Ruler, ATypedLengthInTheChosenUnitSizesTheRuler) {
    EnableRuler();
    ChooseUnit(2);  // centimetres
    ReplaceFieldText(FindById(Main(), kIdRulerLength), L"2.5");
    PressKey(VK_RETURN);
    EXPECT_TRUE(WaitUntil([&] { return Bounds().right - Bounds().left == 94; }))
        << Bounds().right - Bounds().left;
    EXPECT_EQ(Field(kIdRulerLength), L"2.49");
}

TEST_F(Ruler, LettersAsALengthGiveTheConversionErrorAndLeaveTheRuler) {
    EnableRuler();
    ReplaceFieldText(FindById(Main(), kIdRulerLength), L"abc");
    PressKey(VK_RETURN);
    HWND box = WaitForMessageBox(vix_->Pid());
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(MessageBoxText(box), L"'abc' is not a valid floating point value");
    PressOk(box);
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindow(box) || !::IsWindowVisible(box); }));
    EXPECT_EQ(Bounds().right - Bounds().left, 200);
    // Letters as a position change nothing and say nothing.
    const RECT before = Bounds();
    ReplaceFieldText(FindById(Main(), kIdRulerX), L"xyz");
    PressKey(VK_RETURN);
    ASSERT_TRUE(WaitInputHandled(Main()));
    const RECT after = Bounds();
    EXPECT_TRUE(::EqualRect(&before, &after));
    EXPECT_EQ(WaitForMessageBox(vix_->Pid(), 0), nullptr) << "nothing is said";
}

TEST_F(Ruler, TheEndViewsShowTheScreenAtBothEndsWithTheRulerPiece) {
    VixProcess pattern(BinDir() + L"\\pattern.exe");
    ASSERT_TRUE(pattern.Start());
    ASSERT_NE(pattern.WaitForWindow(L"VixTestPattern"), nullptr);
    Expand(L"Expand/Collapse Ruler views");
    EnableRuler();
    // The measured row runs through the pattern's flat area, then its background.
    PlaceAt(pt::kFlatLeft + 10, pt::kFlatTop + 31);
    const int row = pt::kFlatTop + 30;
    HWND begin = FindById(Main(), kIdRulerBeginView);
    HWND end = FindById(Main(), kIdRulerEndView);
    const auto view = [](HWND v, int x, int y) {
        const RECT r = ScreenRect(v);
        return ScreenPixel({r.left + x, r.top + y});
    };
    // The views follow the ruler on their timer: both show the new place.
    ASSERT_TRUE(WaitUntil(
        [&] { return view(begin, 24, 24) == pt::kFlat && view(end, 24, 24) == pt::kBackground; }));
    // Begin view: screen cells above and left of the ruler, then the piece.
    EXPECT_EQ(view(begin, 3, 3), pt::kFlat);
    EXPECT_EQ(view(begin, 24, 24), pt::kFlat) << "the point's cell";
    EXPECT_EQ(view(begin, 24, 40), kWhite) << "the piece in the ruler colour";
    EXPECT_EQ(view(begin, 10, 40), ScreenPixel({pt::kFlatLeft + 10 - 2, row + 2}));
    EXPECT_EQ(view(begin, 21, 40), kBlack) << "the crossing line";
    for (int x : {28, 35, 42}) {
        EXPECT_EQ(view(begin, x, 28), kBlack) << x;
        EXPECT_EQ(view(begin, x, 32), kBlack) << x;
        EXPECT_EQ(view(begin, x, 33), kWhite) << x;
    }
    // End view: the point lies on the pattern's background.
    EXPECT_EQ(view(end, 24, 24), pt::kBackground);
    EXPECT_EQ(view(end, 27, 40), kBlack);
    for (int x : {6, 13, 20})
        EXPECT_EQ(view(end, x, 30), kBlack) << x;
    EXPECT_EQ(view(end, 40, 10), pt::kBackground) << "beyond the ruler's end";
    EXPECT_TRUE(SaveWindowShot(begin, L"ruler-begin-view"));
    EXPECT_TRUE(SaveWindowShot(end, L"ruler-end-view"));
}

TEST_F(Ruler, EnablingAgainRestartsHorizontalAtTheLastPosition) {
    EnableRuler();
    PlaceAt(300, 300);
    RightClickAt({350, 315});
    ASSERT_TRUE(WaitUntil([&] { return Bounds().bottom - Bounds().top == 200; }));
    LeftClickAt(Center(Control(L"Disable Ruler")));
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(ruler_); }));
    EXPECT_NE(Control(L"Vertical Ruler"), nullptr);
    EXPECT_EQ(Field(kIdRulerX), L"");
    EXPECT_FALSE(::IsWindowEnabled(FindById(Main(), kIdRulerLength)));
    LeftClickAt(Center(Control(L"Enable Ruler")));
    EXPECT_TRUE(WaitUntil([&] { return ::IsWindowVisible(ruler_); }));
    EXPECT_EQ(Bounds().right - Bounds().left, 200);
    EXPECT_EQ(Bounds().bottom - Bounds().top, 30);
    EXPECT_EQ(Bounds().left, 270);
    EXPECT_EQ(Bounds().top, 300);
}

TEST_F(Ruler, ChangingTabSwitchesTheRulerOff) {
    EnableRuler();
    ClickTab(L" Capture");
    EXPECT_TRUE(WaitUntil([&] { return !::IsWindowVisible(ruler_); }));
    ClickTab(L" Ruler");
    EXPECT_NE(Control(L"Enable Ruler"), nullptr);
}

}  // namespace
}  // namespace vix::e2e
