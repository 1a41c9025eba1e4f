// A form's controls are made once, before it first becomes visible, however
// it is shown, or earlier when a method that needs them asks.

#include <gtest/gtest.h>

#include "ui/form.h"
#include "ui/label.h"

namespace vix::ui {
namespace {

class CountingForm final : public Form {
  public:
    void Make() {
        CreateForm({.className = L"VixCountingForm", .caption = L"counting", .client = {80, 40}});
    }
    void NeedControls() { EnsureContent(); }
    int made = 0;
    bool visibleWhenMade = true;
    Label label;

  protected:
    void CreateContent() override {
        ++made;
        visibleWhenMade = Visible();
        label.Create(hwnd(), Rect::FromBounds(0, 0, 50, 12), L"inside");
    }
};

TEST(FormContent, MadeOnceBeforeTheFormFirstBecomesVisibleHoweverItIsShown) {
    CountingForm shownBySystem;
    shownBySystem.Make();
    EXPECT_EQ(shownBySystem.made, 0);
    EXPECT_EQ(::GetWindow(shownBySystem.hwnd(), GW_CHILD), nullptr);
    ::ShowWindow(shownBySystem.hwnd(), SW_SHOWNA);
    EXPECT_EQ(shownBySystem.made, 1);
    EXPECT_FALSE(shownBySystem.visibleWhenMade);
    EXPECT_EQ(::GetWindow(shownBySystem.hwnd(), GW_CHILD), shownBySystem.label.hwnd());
    shownBySystem.Hide();
    shownBySystem.Show();
    EXPECT_EQ(shownBySystem.made, 1);
    shownBySystem.Hide();

    CountingForm asked;
    asked.Make();
    asked.NeedControls();
    EXPECT_EQ(asked.made, 1);
    asked.Show();
    EXPECT_EQ(asked.made, 1);
    asked.Hide();

    // A form whose window was never made gets no controls.
    CountingForm windowless;
    windowless.NeedControls();
    EXPECT_EQ(windowless.made, 0);
}

}  // namespace
}  // namespace vix::ui
