// Tabs and collapsible sections: switching tabs, folding pages and the window
// height that follows from them.

#include "app/main_window.h"

#include "app/startup_timeline.h"

namespace vix {

void Tvix_main::ChangePage(int index) {
    toolTable_.StopActiveTool();
    for (ui::Panel& panel : sectionPanels_)
        panel.SetVisible(false);
    for (Tab& tab : tabs_)
        tab.caption.SetStyle(TabCaptionStyle(false));
    ActivePageIndex = index;
    if (index < 0 || index >= kTabCount) {
        pnlTabLine.BringToFront();
        ui::Form::SetClientSize({kClientWidth, kCollapsedClientHeight});
        ArrangeSections();
        return;
    }
    tabs_[index].caption.SetStyle(TabCaptionStyle(true));
    // The open tab stands on the tab line; the others lie behind it.
    pnlTabLine.BringToFront();
    tabs_[index].frame.BringToFront();
    sectionPanels_[index].SetVisible(true);
    ArrangeSections();
}

void Tvix_main::ArrangeSections() {
    const int tab = ActivePageIndex;
    MakeSections(tab);
    BuildShownTools();
    const bool infoBar = settings.showInformationBar;
    std::vector<Section*> open;
    std::vector<SectionState> states;
    for (const auto& section : sections_) {
        if (section->spec->tab != tab) continue;
        open.push_back(section.get());
        states.push_back({section->spec->height, section->shown});
    }
    const TabLayout layout = vix::ArrangeSections(states, infoBar);
    if (!layout.sections.empty()) {
        for (std::size_t i = 0; i < open.size(); ++i) {
            Section& s = *open[i];
            const SectionPlacement& p = layout.sections[i];
            s.bar.SetBounds(Rect::FromBounds(0, p.barTop, kSectionWidth, kBarHeight));
            s.page.SetBounds(Rect::FromBounds(0, p.pageTop, kSectionWidth, s.spec->height));
            s.page.SetVisible(p.pageShown);
            if (s.spec->Collapsible())
                s.toggle.SetPictures(
                    ui::PicturesOf(p.pageShown ? L"SHIFT_COLLAPSE" : L"SHIFT_EXPAND"));
            if (s.spec->shownSetting)
                SetField(settings, *s.spec->shownSetting, RegistryValue::Dword(p.pageShown));
        }
        sectionPanels_[tab].SetBounds(
            Rect::FromBounds(2, kSectionTop, kSectionWidth, layout.sectionHeight));
        ui::Form::SetClientSize({kClientWidth, layout.clientHeight});
        pnlHintMain.SetBounds(
            Rect::FromBounds(2, layout.infoBarTop, kSectionWidth, infoBar ? kInfoBarHeight : 0));
        pnlHintMain.SetVisible(infoBar);
    }
    const int height = ClientSize().height;
    pblMainPanel.SetBounds(Rect::FromBounds(1, 1, kClientWidth - 2, height - 2));
}

void Tvix_main::BuildShownTools() {
    for (const auto& section : sections_)
        if (section->spec->tab == ActivePageIndex && section->shown)
            if (Tool* owner = toolTable_.OwnerOf(*section->spec);
                owner && !toolTable_.Built(*owner)) {
                toolTable_.Build(*owner);
                startup::Mark(owner->Name());
            }
}

void Tvix_main::ShowTab(int tab) {
    if (ActivePageIndex != tab)
        ChangePage(tab);
    else
        toolTable_.StopActiveTool();
}

void Tvix_main::TabClick(int index) { ChangePage(ActivePageIndex == index ? -1 : index); }

void Tvix_main::ShiftSection(Section& section) {
    section.shown = !section.shown;
    ArrangeSections();
}

void Tvix_main::ExpandPage(const PageSpec& page) {
    for (const auto& section : sections_)
        if (section->spec == &page && page.Collapsible() && !section->shown) ShiftSection(*section);
}

}  // namespace vix
