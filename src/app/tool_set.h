#pragma once

#include <memory>

#include "common/registry_store.h"
#include "settings_dialog/settings_dialog.h"
#include "tools/tool_host.h"
#include "tools/tool_table.h"
#include "update/update_host.h"

// The program's tools and services, made and wired to one another in
// tool_set.cpp, the one file that names them all: a new tool is added
// there, and the build checks there that its mode and its keys are its own.
// The main window knows only the table they are entered in.

namespace vix {

class ToolSet {
  public:
    // `update` is the window as the update service sees it.
    ToolSet(ToolHost& host, RegistryStore& registry, UpdateHost& update);
    ~ToolSet();
    ToolSet(const ToolSet&) = delete;
    ToolSet& operator=(const ToolSet&) = delete;

    // Enters the tools in `table`, in the order their pages are built; the
    // update service last.
    void AddTo(ToolTable& table);
    // What the settings dialog does to the tools: empty the colour library,
    // list and register the installed Photoshop versions.
    void LinkSettingsDialog(SettingsDialogServices& services);

  private:
    struct Tools;
    std::unique_ptr<Tools> tools_;
};

}  // namespace vix
