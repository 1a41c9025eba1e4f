#include "photoshop/photoshop_exporter.h"

#include <windows.h>

#include <cstdlib>

namespace vix {

PhotoshopExporter::PhotoshopExporter(PhotoshopExportServices& services, BusyRetryPolicy policy)
    : services_(services), connection_(policy), host_(services) {}

std::optional<ExportOutcome> PhotoshopExporter::ExportColor(bool enabled, bool foreground,
                                                            std::uint8_t red, std::uint8_t green,
                                                            std::uint8_t blue) {
    ExportInput input;
    input.kind = ExportKind::Color;
    input.buttonEnabled = enabled;
    input.foreground = foreground;
    input.red = red;
    input.green = green;
    input.blue = blue;
    return Run(input);
}

std::optional<ExportOutcome> PhotoshopExporter::ExportSnapshot(ExportKind kind, bool enabled) {
    ExportInput input;
    input.kind = kind;
    input.buttonEnabled = enabled;
    BITMAP facts{};
    if (HBITMAP picture = services_.SnapshotPicture();
        picture && ::GetObjectW(picture, sizeof(facts), &facts) == sizeof(facts)) {
        input.width = facts.bmWidth;
        input.height = std::abs(facts.bmHeight);
    }
    return Run(input);
}

std::optional<ExportOutcome> PhotoshopExporter::Run(const ExportInput& input) {
    if (running_) return std::nullopt;
    running_ = true;
    struct Done {
        bool& flag;
        ~Done() { flag = false; }
    } done{running_};
    return ExportFlow(input, connection_, host_).Run();
}

}  // namespace vix
