#include "color/color_info_panel.h"

#include "color/color_control_ids.h"
#include "color/contrast.h"
#include "color/dichromacy_lines.h"
#include "color/extended_color_info.h"
#include "ui/panel.h"

namespace vix {
namespace {

const PageSpec kInfoPage{.tab = kPickerTab,
                         .caption = L"Extended color information",
                         .toggleHint = L"Expand/Collapse Extended color information",
                         .height = 122,
                         .shownSetting = &Setting(SettingId::ColorInfoSectionOpen)};

}  // namespace

std::span<const PageSpec* const> ColorInfoPanel::Pages() const {
    static constexpr const PageSpec* kPages[] = {&kInfoPage};
    return kPages;
}

void ColorInfoPanel::Build(ToolPages& pages) { Create(pages.Page(kInfoPage).hwnd()); }

std::vector<HotKeyBinding> ColorInfoPanel::HotKeys() {
    return {{.key = HotKeyId::ExtendedColorInfo,
             .reach = HotKeyBinding::Reach::OpenTab,
             .tab = kPickerTab}};
}

void ColorInfoPanel::Create(HWND page) {
    struct Row {
        const wchar_t* caption;
        ui::Label* label;
        int x, y;
    };
    const Row rows[] = {
        {L"C:", &lblColorC, 10, 6},  {L"M:", &lblColorM, 10, 22}, {L"Y:", &lblColorY, 10, 38},
        {L"K:", &lblColorK, 10, 54}, {L"H:", &lblHSB_H, 110, 6},  {L"S:", &lblHSB_S, 110, 22},
        {L"B:", &lblHSB_B, 110, 38},
    };
    for (std::size_t i = 0; i < std::size(rows); ++i) {
        const Row& r = rows[i];
        captions_[i].Create(page, Rect::FromBounds(r.x, r.y, 16, 14), r.caption);
        r.label->Create(page, Rect::FromBounds(r.x + 18, r.y, 60, 14), L"", {.live = true});
        r.label->SetId(kIdColorInfoFirst + static_cast<int>(i));
    }
    lblContrast.Create(page, Rect::FromBounds(96, 54, 160, 14), kContrastBeforeTwoSamples);
    lblContrast.SetId(kIdContrast);
    for (std::size_t i = 0; i < lblDichromacy.size(); ++i) {
        const int y = 72 + 16 * static_cast<int>(i);
        lblDichromacy[i].Create(page, Rect::FromBounds(10, y, 246, 14), L"");
        lblDichromacy[i].SetId(kIdDichromacyFirst + static_cast<int>(i));
    }
}

void ColorInfoPanel::SampleTaken(ColorWord color, wchar_t decimal) {
    if (lastSample_) lblContrast.SetCaption(ContrastText(*lastSample_, color, decimal));
    for (std::size_t i = 0; i < lblDichromacy.size(); ++i)
        lblDichromacy[i].SetCaption(DichromacyLine(kDichromacies[i], color, lastSample_, decimal));
    lastSample_ = color;
}

std::array<ui::Label*, 7> ColorInfoPanel::Values() {
    return {&lblColorC, &lblColorM, &lblColorY, &lblColorK, &lblHSB_H, &lblHSB_S, &lblHSB_B};
}

void ColorInfoPanel::showcolorvalues(ColorWord color) {
    const ExtendedTexts t = ExtendedInfo(color);
    const std::wstring* texts[] = {&t.c, &t.m, &t.y, &t.k, &t.h, &t.s, &t.b};
    const std::array<ui::Label*, 7> labels = Values();
    for (std::size_t i = 0; i < labels.size(); ++i)
        labels[i]->ShowLive(*texts[i]);
}

void ColorInfoPanel::SyncCaptions() {
    for (ui::Label* l : Values())
        l->SyncCaption();
}

void ColorInfoPanel::Clear() {
    for (ui::Label* l : Values())
        l->SetCaption(L"");
}

}  // namespace vix
