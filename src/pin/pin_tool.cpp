#include "pin/pin_tool.h"

namespace vix {

PinTool::PinTool(ToolHost& host) : host_(host) {
    // The snapshot's outputs, for the pin's own copy.
    requests_ = {
        .copy =
            [this](const ScreenPicture& p) {
                if (outputs_) outputs_->CopyToClipboard(p);
            },
        .save =
            [this](const ScreenPicture& p) {
                if (outputs_) outputs_->Save(p);
            },
        .preview =
            [this](const ScreenPicture& p) {
                if (outputs_) outputs_->Preview(p);
            },
        .close = [this](PinWindow& pin) { Close(pin); },
        .closeAll = [this] { CloseAll(); },
    };
}

PinTool::~PinTool() = default;

void PinTool::UseSnapshotOutputs(SnapshotOutputs& outputs) {
    outputs_ = &outputs;
    outputs.AddOutput({.hint = L"Pin snapshot to the screen",
                       .picture = L"btn_pin",
                       .send = [this](const ScreenPicture& p) { Pin(p); }});
}

std::vector<HotKeyBinding> PinTool::HotKeys() {
    // As the page's other output keys: on the Capture tab only, and only
    // while its outputs are enabled.
    return {{.key = kOwnKeys[0].id(),
             .reach = HotKeyBinding::Reach::OnTabOnly,
             .tab = kCaptureTab,
             .action = [this] {
                 if (outputs_ && outputs_->OutputsEnabled()) Pin(outputs_->CurrentSnapshot());
             }}};
}

bool PinTool::Pin(const ScreenPicture& picture) {
    if (picture.empty()) return false;
    auto pin = std::make_unique<PinWindow>(requests_);
    if (!pin->Open(picture)) {
        host_.ShowError(L"There is not enough memory to pin the snapshot.");
        return false;
    }
    pins_.push_back(std::move(pin));
    return true;
}

void PinTool::Close(PinWindow& pin) {
    pins_.remove_if([&pin](const std::unique_ptr<PinWindow>& p) { return p.get() == &pin; });
}

void PinTool::CloseAll() {
    // Taken out first: a pin's window going may run code that looks at the
    // list.
    auto closing = std::move(pins_);
    pins_.clear();
}

}  // namespace vix
