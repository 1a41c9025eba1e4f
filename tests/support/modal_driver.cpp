#include "modal_driver.h"

#include <map>

namespace vix::test {
namespace {

std::map<UINT_PTR, ModalDriver*>& Drivers() {
    static std::map<UINT_PTR, ModalDriver*> drivers;
    return drivers;
}

BOOL CALLBACK FindBox(HWND w, LPARAM param) {
    wchar_t name[16] = L"";
    ::GetClassNameW(w, name, 16);
    if (std::wstring(name) == L"#32770" && ::IsWindowVisible(w)) {
        *reinterpret_cast<HWND*>(param) = w;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

ModalDriver::ModalDriver(std::function<bool()> step) : step_(std::move(step)) {
    timer_ = ::SetTimer(nullptr, 0, 20, &ModalDriver::Tick);
    Drivers()[timer_] = this;
}

ModalDriver::~ModalDriver() {
    ::KillTimer(nullptr, timer_);
    Drivers().erase(timer_);
}

void CALLBACK ModalDriver::Tick(HWND, UINT, UINT_PTR id, DWORD) {
    const auto it = Drivers().find(id);
    if (it == Drivers().end()) return;
    ModalDriver& self = *it->second;
    // A step that opens a message box runs the loop again inside itself.
    if (self.finished_ || self.inStep_) return;
    self.inStep_ = true;
    self.finished_ = self.step_();
    self.inStep_ = false;
}

HWND FindMessageBox() {
    HWND found = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &FindBox, reinterpret_cast<LPARAM>(&found));
    return found;
}

std::wstring MessageBoxText(HWND box) {
    wchar_t text[512] = L"";
    ::GetDlgItemTextW(box, 0xFFFF, text, 512);
    return text;
}

void PressOk(HWND box) { ::PostMessageW(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }

void Click(HWND button) {
    ::PostMessageW(::GetParent(button), WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(button), BN_CLICKED),
                   reinterpret_cast<LPARAM>(button));
}

}  // namespace vix::test
