#pragma once

#include <cstdint>
#include <optional>

#include "photoshop/bounded_connection.h"
#include "photoshop/export_host.h"

// The three exports to Photoshop as the main window's buttons and hot keys
// run them. One lives as long as the main window: Photoshop's action
// control is kept from one export to the next.

namespace vix {

class PhotoshopExporter {
  public:
    explicit PhotoshopExporter(PhotoshopExportServices& services, BusyRetryPolicy policy = {});

    // ExportColorToPS: the sampled colour becomes Photoshop's foreground
    // colour (or, with `foreground` false, its background colour).
    std::optional<ExportOutcome> ExportColor(bool enabled, bool foreground, std::uint8_t red,
                                             std::uint8_t green, std::uint8_t blue);
    // btnCaptureToPSClick (ExportKind::Document) and
    // btnCaptureToPSLayerClick (ExportKind::Layer): the snapshot's picture,
    // through the clipboard.
    std::optional<ExportOutcome> ExportSnapshot(ExportKind kind, bool enabled);

    bool Running() const { return running_; }

  private:
    // Nothing while another export runs: a busy Photoshop keeps the program's
    // messages flowing, and with them the buttons and hot keys.
    std::optional<ExportOutcome> Run(const ExportInput& input);

    PhotoshopExportServices& services_;
    BoundedPhotoshopConnection connection_;
    WinExportHost host_;
    bool running_ = false;
};

}  // namespace vix
