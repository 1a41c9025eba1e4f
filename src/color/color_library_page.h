#pragma once

#include <array>
#include <functional>

#include "color/color_grid.h"
#include "color/color_library.h"
#include "color/palette_files.h"
#include "color/color_text.h"
#include "common/registry_store.h"
#include "tools/tool.h"
#include "tools/tool_host.h"
#include "ui/image_button.h"
#include "ui/label.h"
#include "ui/panel.h"

// The "Sampled color library" page: the grid, the hover labels, the
// registry record and saving the library as an Adobe Color Table. As a part
// of the main window it is loaded with the settings and answers the library
// and save keys on the Picker tab.

namespace vix {

class ColorLibraryPage final : public Tool {
  public:
    ColorLibraryPage(ToolHost& host, RegistryStore& registry) : host_(host), registry_(registry) {}

    // Tool
    const char* Name() const override { return "library"; }
    std::span<const PageSpec* const> Pages() const override;
    void Build(ToolPages& pages) override;
    // Empties the library first when the settings say so, then reads it.
    void SettingsLoaded(const Settings& settings, bool keyOpened) override;
    std::vector<HotKeyBinding> HotKeys() override;

    void Create(HWND page, const ui::Panel& pageWindow);
    // The value form of the hover labels (the picker's choice) and what a
    // double-click does with the hovered colour.
    std::function<ValueFormat()> formatIndex;
    std::function<void(ColorWord)> onTakeColor;

    void Newcolor(ColorWord color);
    // Reads the stored library; the save button is enabled when it holds a
    // colour.
    void LoadLibrary();
    void ClearColorLibrary();
    // Saves the library as a colour table, a GIMP palette, an Adobe Swatch
    // Exchange file or CSS, by the dialog's filter or the name's ending.
    void btnSaveAsACTClick();

    const ColorLibrary& Library() const { return library_; }
    bool SaveButtonEnabled() const { return btnSaveAsACT.Enabled(); }

  private:
    void HoverLibraryCell(int x, int y);  // StringGrid1MouseMove
    void TakeHoveredColor();              // StringGrid1Click
    void ShowLibraryColorValues(int column, int row);
    void EmptyHoverLabels();
    void WriteRecordIfStored();
    std::vector<std::uint8_t> PaletteBytes(PaletteFormat format) const;

    ToolHost& host_;
    RegistryStore& registry_;
    const ui::Panel* pnlColorLibPage = nullptr;
    ColorLibrary library_;
    ColorWord hoverColor_ = 0;  // black until a cell has been hovered

    ColorGrid libraryGrid;  // StringGrid1
    std::array<ui::Label, 3> captions_;
    ui::Label lblColLibColR, lblColLibColG, lblColLibColB;
    ui::ImageButton btnSaveAsACT;
};

}  // namespace vix
