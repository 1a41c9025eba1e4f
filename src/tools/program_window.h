#pragma once

#include <cstddef>
#include <cstdint>

// The nine windows of the program, in their order of creation: each is
// created once at start, hidden, and lives until the program ends. The main
// window comes first; the tools and the main window's dialogs own the others
// (the ruler tool its ruler, the capture tools their overlays).

namespace vix {

enum class ProgramWindow : std::uint8_t {
    Main,        // Tvix_main
    PsVersion,   // Tvix_psVersion, the choice among Photoshop versions
    Update,      // Tvix_update, the update download dialog
    Preview,     // Tvix_imgpreview, the snapshot preview
    About,       // TAbout
    Settings,    // TSettings, the settings dialog
    HotTracker,  // THottracker, the control capture's frame
    Rectangle,   // Trectan, the rectangle capture's frame
    Ruler,       // Trulerapp, the floating ruler
};
inline constexpr std::size_t kProgramWindowCount = 9;

}  // namespace vix
