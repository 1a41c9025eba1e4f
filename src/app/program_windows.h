#pragma once

#include <windows.h>

#include "app/main_window.h"
#include "common/registry_store.h"

// The owner of the program's nine windows: it creates them once, hidden, in
// their fixed order (the main window first, the ruler last) and keeps them
// until the program ends. The main window brings its dialogs and its tools'
// windows.

namespace vix {

class ProgramWindows {
  public:
    explicit ProgramWindows(RegistryStore& registry) : main_(registry) {}

    // Creates the nine windows, owned by `owner` (the application window).
    void Create(HWND owner);
    // Makes the main window visible for the first time.
    void ShowMain() { main_.ShowMain(); }

  private:
    Tvix_main main_;
};

}  // namespace vix
