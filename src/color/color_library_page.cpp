#include "color/color_library_page.h"

#include <commdlg.h>

#include "platform/file_dialogs.h"
#include "color/color_control_ids.h"
#include "settings/settings.h"
#include "color/color_text.h"
#include "color/palette_files.h"
#include "common/app_error.h"
#include "platform/file.h"

namespace vix {
namespace {

const PageSpec kLibraryPage{.tab = kPickerTab,
                            .caption = L"Sampled color library",
                            .toggleHint = L"Expand/Collapse Sampled color library",
                            .height = 79,
                            .shownSetting = &Setting(SettingId::LibrarySectionOpen)};

}  // namespace

void ColorLibraryPage::Create(HWND page, const ui::Panel& pageWindow) {
    pnlColorLibPage = &pageWindow;
    libraryGrid.Create(page, Rect::FromBounds(6, 4, 104, 69), library_);
    libraryGrid.SetPictureHint(L"Recent sampled colors");
    libraryGrid.SetId(kIdLibraryGrid);
    // Moves in grid pixels, also outside the grid while it holds the capture.
    libraryGrid.onMouseMove = [this](POINT p) { HoverLibraryCell(p.x, p.y); };
    libraryGrid.onDoubleClick = [this] { TakeHoveredColor(); };

    const wchar_t* names[] = {L"Red", L"Green", L"Blue"};
    ui::Label* labels[] = {&lblColLibColR, &lblColLibColG, &lblColLibColB};
    const int ids[] = {kIdHoverRed, kIdHoverGreen, kIdHoverBlue};
    for (int i = 0; i < 3; ++i) {
        captions_[i].Create(page, Rect::FromBounds(120, 6 + i * 16, 36, 14), names[i]);
        labels[i]->Create(page, Rect::FromBounds(158, 6 + i * 16, 60, 14), L"");
        labels[i]->SetId(ids[i]);
    }
    btnSaveAsACT.Create(page, Rect::FromBounds(224, 50, 22, 22), L"Save Color Libray as .act",
                        ui::PicturesOf(L"BTN_SAVE_ACT"));
    btnSaveAsACT.onClick = [this] { btnSaveAsACTClick(); };
    btnSaveAsACT.SetEnabled(false);
}

std::span<const PageSpec* const> ColorLibraryPage::Pages() const {
    static constexpr const PageSpec* kPages[] = {&kLibraryPage};
    return kPages;
}

void ColorLibraryPage::Build(ToolPages& pages) {
    ui::Panel& page = pages.Page(kLibraryPage);
    Create(page.hwnd(), page);
}

void ColorLibraryPage::SettingsLoaded(const Settings& settings, bool keyOpened) {
    if (keyOpened && settings.clearLibraryOnLoad) ClearColorLibrary();
    LoadLibrary();
}

std::vector<HotKeyBinding> ColorLibraryPage::HotKeys() {
    using Reach = HotKeyBinding::Reach;
    return {{.key = HotKeyId::ColorLibrary, .reach = Reach::OpenTab, .tab = kPickerTab},
            {.key = HotKeyId::SaveToDisk,
             .reach = Reach::OnTabOnly,
             .tab = kPickerTab,
             .action = [this] { btnSaveAsACTClick(); }}};
}

void ColorLibraryPage::Newcolor(ColorWord color) {
    if (library_.Newcolor(color, host_.CurrentSettings().keepRepeatedSamples)) {
        WriteRecordIfStored();
        if (pnlColorLibPage->Visible()) libraryGrid.Invalidate();
    }
    if (library_.Count() > 0) btnSaveAsACT.SetEnabled(true);
}

void ColorLibraryPage::WriteRecordIfStored() {
    auto key = registry_.Open(RegistryRoot::CurrentUser, kColorLibraryKeyPath, OpenMode::Create);
    // Only a record the load created (or found) is kept up to date.
    if (!key || !key->Read(kLibraryValueName)) return;
    const LibraryRecord record = library_.Record();
    key->Write(kLibraryValueName, RegistryValue::Binary(record));
}

void ColorLibraryPage::LoadLibrary() {
    auto key = registry_.Open(RegistryRoot::CurrentUser, kColorLibraryKeyPath, OpenMode::Create);
    if (!key) return;
    if (const auto stored = key->Read(kLibraryValueName)) {
        // Read within its bytes whatever its size or type; the next change
        // writes it back sound.
        library_ = ColorLibrary::FromRecord(stored->data);
    } else {
        library_.Clear();
        key->Write(kLibraryValueName, RegistryValue::Binary(LibraryRecord{}));
    }
    libraryGrid.Invalidate();
    if (library_.Count() > 0) btnSaveAsACT.SetEnabled(true);
}

void ColorLibraryPage::ClearColorLibrary() {
    if (auto key =
            registry_.Open(RegistryRoot::CurrentUser, kColorLibraryKeyPath, OpenMode::Create)) {
        library_.Clear();
        key->Write(kLibraryValueName, RegistryValue::Binary(LibraryRecord{}));
        libraryGrid.Invalidate();
    }
    btnSaveAsACT.SetEnabled(false);
}

void ColorLibraryPage::HoverLibraryCell(int x, int y) {
    // Captured so that the pointer's leaving is seen.
    ::SetCapture(libraryGrid.hwnd());
    const auto cell = HoverCell(x, y);
    if (!cell) {
        ::ReleaseCapture();
        EmptyHoverLabels();
        return;
    }
    if (library_.CheckLibColor(cell->column, cell->row))
        ShowLibraryColorValues(cell->column, cell->row);
    else
        EmptyHoverLabels();
}

void ColorLibraryPage::ShowLibraryColorValues(int column, int row) {
    hoverColor_ = library_.GiveLibColor(column, row);
    const ValueFormat format = formatIndex ? formatIndex() : kNoFormat;
    if (format == kNoFormat) return;
    const wchar_t decimal = host_.DecimalSeparator();
    lblColLibColR.SetCaption(
        ComponentText(Red(hoverColor_), format, PercentRule::Library, decimal));
    lblColLibColG.SetCaption(
        ComponentText(Green(hoverColor_), format, PercentRule::Library, decimal));
    lblColLibColB.SetCaption(
        ComponentText(Blue(hoverColor_), format, PercentRule::Library, decimal));
}

void ColorLibraryPage::EmptyHoverLabels() {
    for (ui::Label* l : {&lblColLibColR, &lblColLibColG, &lblColLibColB})
        l->SetCaption(L"");
}

void ColorLibraryPage::TakeHoveredColor() {
    if (onTakeColor) onTakeColor(hoverColor_);
}

void ColorLibraryPage::btnSaveAsACTClick() {
    if (!btnSaveAsACT.Enabled()) return;
    std::wstring filter = kPaletteFilter;
    for (wchar_t& c : filter)
        if (c == L'|') c = L'\0';
    filter.push_back(L'\0');
    wchar_t name[MAX_PATH * 4] = {};
    OPENFILENAMEW dialog{};
    dialog.lStructSize = sizeof(dialog);
    dialog.lpstrFilter = filter.c_str();
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = name;
    dialog.nMaxFile = static_cast<DWORD>(std::size(name));
    dialog.lpstrTitle = L"Save As Adobe Color Table";
    dialog.lpstrDefExt = L"act";
    // An existing file is overwritten without a question.
    dialog.Flags = OFN_EXPLORER | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_NOCHANGEDIR;
    std::optional<std::wstring> chosen;
    host_.RunBehind([&](HWND owner) {
        dialog.hwndOwner = owner;
        chosen = platform::AskSaveFileName(dialog);
        return 0;
    });
    if (!chosen) return;
    const PaletteTarget target =
        ChoosePaletteTarget(*chosen, static_cast<int>(dialog.nFilterIndex));
    if (auto error = platform::WriteWholeFile(target.fileName, PaletteBytes(target.format)))
        throw AppError(*error);
}

std::vector<std::uint8_t> ColorLibraryPage::PaletteBytes(PaletteFormat format) const {
    std::vector<ColorWord> colors;
    for (int i = 0; i < library_.Count(); ++i)
        colors.push_back(library_.Entry(i));
    switch (format) {
        case PaletteFormat::kGpl: return GimpPalette(colors);
        case PaletteFormat::kAse: return SwatchExchange(colors);
        case PaletteFormat::kCss: return CssProperties(colors);
        default: {
            const ColorTable table = library_.ColorTableBytes();
            return {table.begin(), table.end()};
        }
    }
}

}  // namespace vix
