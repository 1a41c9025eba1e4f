// Building the main window's frame: title, caption buttons, tabs, sections
// and the information bar.

#include "app/main_window.h"

#include <stdexcept>

#include "tools/control_ids.h"
#include "app/tab_shape.h"
#include "platform/gdi.h"
#include "ui/skin.h"

namespace vix {
namespace {

struct TabSpec {
    Rect frame;
    const wchar_t* caption;
    const wchar_t* hint;
};

constexpr TabSpec kTabs[kTabCount] = {
    {Rect::FromBounds(7, 25, 54, 17), L" Picker", L"Activate the Colorpicker tab"},
    {Rect::FromBounds(54, 25, 48, 17), L" Ruler", L"Activate the Screenruler tab"},
    {Rect::FromBounds(95, 25, 63, 17), L" Capture", L"Activate the Screencapture tab"},
    {Rect::FromBounds(151, 25, 48, 17), L" More", L""},
};

}  // namespace

ui::PanelStyle Tvix_main::TabCaptionStyle(bool open) {
    return {.font = ui::SkinFont(open ? ui::FontId::TabBold : ui::FontId::Tab),
            .captionX = 1,
            .highlightTopLeft = true};
}

void Tvix_main::BuildFrame() {
    pblMainPanel.Create(hwnd(), Rect::FromBounds(1, 1, 259, 225), L"",
                        {.bevel = ui::Bevel::Raised});
    pblMainPanel.SetId(kIdMainPanel);
    HWND panel = pblMainPanel.hwnd();

    imgTitle.Create(panel, Rect::FromBounds(2, 2, 255, 15), ui::SkinPicture(L"TITLE"));
    imgTitle.SetId(kIdTitleImage);
    imgTitle.onMouseDown = [this](POINT) { DragByTitle(); };

    // The caption buttons lie on the title image, which shows through them;
    // their places on the main panel are (217, 3), (230, 3) and (243, 3).
    HWND title = imgTitle.hwnd();
    minimizeButton_.Create(title, Rect::FromBounds(215, 1, 14, 14), L"Minimize",
                           ui::PicturesOf(L"BTN_MINIMIZE"));
    minimizeButton_.onClick = [this] { TIMinimizeClick(); };
    restoreButton_.Create(title, Rect::FromBounds(228, 1, 14, 14), L"Restore",
                          ui::PicturesOf(L"BTN_RESTORE"));
    restoreButton_.onClick = [this] { TIMaximizeClick(); };
    btnClose.Create(title, Rect::FromBounds(241, 1, 14, 14), L"Exit", ui::PicturesOf(L"BTN_CLOSE"));
    btnClose.onClick = [this] { TIExitClick(); };
    // Their window texts name them for screen readers; the information bar
    // shows nothing for them.
    for (ui::ImageButton* b : {&minimizeButton_, &restoreButton_, &btnClose})
        b->ClearHint();

    btnSettings.Create(panel, Rect::FromBounds(210, 17, 23, 23), L"Settings",
                       ui::PicturesOf(L"BTN_SETTINGS"));
    btnSettings.onClick = [this] { btnSettingsClick(); };
    btnHelp.Create(panel, Rect::FromBounds(234, 17, 23, 23), L"Help", ui::PicturesOf(L"BTN_HELP"));
    btnHelp.onClick = [this] { btnHelpClick(); };

    pnlTabs.Create(panel, Rect::FromBounds(3, 18, 207, 24), L"",
                   {.color = ui::ShadowColor(), .bevel = ui::Bevel::Lowered});
    pnlTabs.SetId(kIdTabStrip);
    pnlTabs.onMouseDown = [this](POINT) { DragByTitle(); };
    BuildTabs();
    pnlTabLine.Create(panel, Rect::FromBounds(2, 40, 255, 2), L"",
                      {.color = platform::kBlack, .bottomLine = platform::kWhite});
    pnlTabLine.SetId(kIdTabLine);

    for (int tab = 0; tab < kTabCount; ++tab) {
        sectionPanels_[tab].Create(panel, Rect::FromBounds(2, kSectionTop, kSectionWidth, 0), L"",
                                   {});
        sectionPanels_[tab].SetVisible(false);
        sectionPanels_[tab].SetId(kIdSectionPanelFirst + tab);
    }

    pnlHintMain.Create(panel, Rect::FromBounds(2, 0, kSectionWidth, kInfoBarHeight), L"",
                       {.bevel = ui::Bevel::Lowered});
    pnlHint.Create(pnlHintMain.hwnd(), Rect::FromBounds(4, 4, kSectionWidth - 8, 14), L"");
    pnlHintMain.SetId(kIdHintBar);
    pnlHint.SetId(kIdHintLabel);

    // Stacking: the buttons over the tab strip, the tabs on the strip with
    // the leftmost on top, and the tab line over the tabs.
    btnSettings.BringToFront();
    btnHelp.BringToFront();
    for (int tab = kTabCount - 1; tab >= 0; --tab)
        tabs_[tab].frame.BringToFront();
    pnlTabLine.BringToFront();
}

void Tvix_main::BuildTabs() {
    for (int i = 0; i < kTabCount; ++i) {
        Tab& tab = tabs_[i];
        const Rect& f = kTabs[i].frame;
        tab.frame.Create(pblMainPanel.hwnd(), f, L"", {.color = platform::kBlack});
        tab.caption.Create(tab.frame.hwnd(), Rect::FromBounds(1, 1, f.width() - 2, f.height() - 1),
                           kTabs[i].caption, TabCaptionStyle(false));
        tab.caption.SetHint(kTabs[i].hint);
        tab.caption.onClick = [this, i] { TabClick(i); };
        tab.caption.onDoubleClick = tab.caption.onClick;
    }
}

void Tvix_main::DeclareSections() {
    for (Tool* tool : toolTable_.Tools())
        for (const PageSpec* spec : tool->Pages()) {
            Section& s = *sections_.emplace_back(std::make_unique<Section>());
            s.spec = spec;
            s.ids = PageIdsAt(sections_.size() - 1);
            s.shown = !spec->Collapsible() || spec->shownByDefault;
        }
}

void Tvix_main::MakeSections(int tab) {
    // A tab's sections are made together, so that they stack in the order
    // declared.
    for (std::size_t i = 0; i < sections_.size(); ++i)
        if (sections_[i]->spec->tab == tab && !sections_[i]->bar.hwnd()) MakeSection(i);
}

void Tvix_main::MakeSection(std::size_t index) {
    Section& s = *sections_[index];
    const PageSpec& spec = *s.spec;
    HWND parent = sectionPanels_.at(static_cast<std::size_t>(spec.tab)).hwnd();
    s.bar.Create(parent, Rect::FromBounds(0, 0, kSectionWidth, kBarHeight), L"",
                 {.color = ui::SectionBarColor()});
    s.caption.Create(
        s.bar.hwnd(), Rect::FromBounds(22, 1, kSectionWidth - 24, 14), spec.caption,
        {.font = ui::SkinFont(ui::FontId::SectionCaption), .background = ui::SectionBarColor()});
    s.page.Create(parent, Rect::FromBounds(0, kBarHeight, kSectionWidth, 0), L"", {});
    s.bar.SetId(s.ids.bar);
    s.page.SetId(s.ids.page);
    if (spec.Collapsible()) {
        s.toggle.Create(s.bar.hwnd(), Rect::FromBounds(6, 2, 12, 12), spec.toggleHint,
                        ui::PicturesOf(s.shown ? L"SHIFT_COLLAPSE" : L"SHIFT_EXPAND"));
        const auto shift = [this, &s] { ShiftSection(s); };
        s.toggle.onClick = shift;
        s.bar.onDoubleClick = shift;
        s.caption.onDoubleClick = shift;
    }
}

ui::Panel& Tvix_main::Page(const PageSpec& spec) {
    for (const auto& section : sections_)
        if (section->spec == &spec) {
            MakeSections(spec.tab);
            return section->page;
        }
    throw std::logic_error("a page no tool declared");
}

void Tvix_main::ShapeTab(Tab& tab) {
    const TabShape shape = vix::ShapeTab(tab.frame.ClientSize());
    // SetWindowRgn takes ownership of the region.
    ::SetWindowRgn(tab.frame.hwnd(), platform::PolygonRegion(shape.frame.data(), 5).release(),
                   TRUE);
    ::SetWindowRgn(tab.caption.hwnd(), platform::PolygonRegion(shape.caption.data(), 5).release(),
                   TRUE);
}

}  // namespace vix
