#include "driver.h"

#include <cstdio>
#include <string_view>

#include "settings/settings.h"
#include "platform/clipboard.h"
#include "platform/gdi.h"
#include "input.h"
#include "png.h"

namespace vix::e2e {
namespace {

constexpr wchar_t kVixKey[] = L"Software\\Brellin Software Development\\VIX_revived";

struct Search {
    DWORD pid;
    const wchar_t* className;
    std::vector<HWND> found;
};

BOOL CALLBACK CollectTopLevel(HWND w, LPARAM param) {
    auto* s = reinterpret_cast<Search*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(w, &pid);
    if (pid != s->pid) return TRUE;
    if (s->className) {
        wchar_t name[64] = {};
        ::GetClassNameW(w, name, 64);
        if (std::wstring_view(name) != s->className) return TRUE;
    }
    s->found.push_back(w);
    return TRUE;
}

struct TextSearch {
    std::wstring text;
    int id;
    HWND found;
};

BOOL CALLBACK MatchChild(HWND w, LPARAM param) {
    auto* s = reinterpret_cast<TextSearch*>(param);
    if ((s->id && ::GetDlgCtrlID(w) == s->id) || (!s->id && TextOf(w) == s->text)) {
        s->found = w;
        return FALSE;
    }
    return TRUE;
}

}  // namespace

std::wstring BinDir() {
    wchar_t path[MAX_PATH] = {};
    ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring dir(path);
    return dir.substr(0, dir.find_last_of(L"\\/"));
}

std::wstring ScreenshotDir() {
    const std::wstring bin = BinDir();
    std::wstring dir = bin.substr(0, bin.find_last_of(L"\\/")) + L"\\e2e-screenshots";
    ::CreateDirectoryW(dir.c_str(), nullptr);
    return dir;
}

bool WaitUntil(const std::function<bool()>& condition, DWORD timeoutMs) {
    const ULONGLONG end = ::GetTickCount64() + timeoutMs;
    while (!condition()) {
        if (::GetTickCount64() > end) return false;
        ::Sleep(20);
    }
    return true;
}

namespace {

bool NeedsPaint(HWND window) {
    return ::IsWindowVisible(window) && !::IsIconic(window) &&
           ::GetUpdateRect(window, nullptr, FALSE);
}

BOOL CALLBACK FindUnpainted(HWND child, LPARAM found) {
    if (!NeedsPaint(child)) return TRUE;
    *reinterpret_cast<bool*>(found) = true;
    return FALSE;
}

}  // namespace

bool WaitInputHandled(HWND window, DWORD timeoutMs) {
    if (!window || !::IsWindow(window) || !::IsWindowVisible(window) || ::IsIconic(window))
        return true;
    const RECT corner{0, 0, 1, 1};
    ::InvalidateRect(window, &corner, FALSE);
    return WaitUntil([&] { return !NeedsPaint(window); }, timeoutMs);
}

bool WaitInputHandledAt(POINT screen, DWORD timeoutMs) {
    return WaitInputHandled(::GetAncestor(::WindowFromPoint(screen), GA_ROOT), timeoutMs);
}

bool WaitKeysHandled(DWORD timeoutMs) {
    return WaitInputHandled(::GetForegroundWindow(), timeoutMs);
}

bool WaitFocusInside(HWND dialog, DWORD timeoutMs) {
    return WaitUntil(
        [&] {
            GUITHREADINFO info{};
            info.cbSize = sizeof(info);
            return ::GetGUIThreadInfo(::GetWindowThreadProcessId(dialog, nullptr), &info) &&
                   info.hwndFocus && ::IsChild(dialog, info.hwndFocus);
        },
        timeoutMs);
}

bool WaitPainted(HWND window, DWORD timeoutMs) {
    return WaitUntil(
        [&] {
            bool found = NeedsPaint(window);
            if (!found) ::EnumChildWindows(window, FindUnpainted, reinterpret_cast<LPARAM>(&found));
            return !found;
        },
        timeoutMs);
}

void SettleScreen() { WaitPainted(::GetDesktopWindow()); }

VixProcess::VixProcess(std::wstring exe, std::wstring folder)
    : exe_(std::move(exe)), folder_(std::move(folder)) {}

VixProcess::~VixProcess() {
    // A test that failed half-way must not leave a copy running for the next.
    if (Running()) {
        ::TerminateProcess(process_.get(), 1);
        ::WaitForSingleObject(process_.get(), 5000);
    }
}

bool VixProcess::Start() {
    STARTUPINFOW si{};
    si.cb = sizeof(si);
    std::wstring command = L"\"" + exe_ + L"\"";
    const std::wstring dir = folder_.empty() ? exe_.substr(0, exe_.find_last_of(L"\\/")) : folder_;
    PROCESS_INFORMATION info{};
    if (!::CreateProcessW(exe_.c_str(), command.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          dir.c_str(), &si, &info)) {
        // Rare, and only seen with the shards side by side: the code says why.
        std::fprintf(stderr, "CreateProcessW failed with error %lu\n", ::GetLastError());
        return false;
    }
    platform::KernelHandle thread(info.hThread);
    process_.reset(info.hProcess);
    pid_ = info.dwProcessId;
    return true;
}

HWND VixProcess::WaitForWindow(const wchar_t* className, DWORD timeoutMs) {
    HWND found = nullptr;
    WaitUntil(
        [&] {
            for (HWND w : TopLevelWindows(Pid(), className))
                if (::IsWindowVisible(w)) found = w;
            return found != nullptr;
        },
        timeoutMs);
    return found;
}

std::optional<DWORD> VixProcess::WaitForExit(DWORD timeoutMs) {
    if (::WaitForSingleObject(process_.get(), timeoutMs) != WAIT_OBJECT_0) return std::nullopt;
    DWORD code = 0;
    ::GetExitCodeProcess(process_.get(), &code);
    return code;
}

bool VixProcess::Running() const {
    return process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

std::vector<HWND> TopLevelWindows(DWORD pid, const wchar_t* className) {
    Search s{pid, className, {}};
    ::EnumWindows(&CollectTopLevel, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND WaitForMessageBox(DWORD pid, DWORD timeoutMs) {
    HWND box = nullptr;
    WaitUntil(
        [&] {
            for (HWND w : TopLevelWindows(pid, L"#32770"))
                if (::IsWindowVisible(w)) box = w;
            return box != nullptr;
        },
        timeoutMs);
    return box;
}

std::wstring MessageBoxText(HWND box) {
    // The message is the static control with id 0xFFFF.
    HWND text = ::GetDlgItem(box, 0xFFFF);
    return text ? TextOf(text) : std::wstring();
}

void PressOk(HWND box) { ::PostMessageW(box, WM_COMMAND, IDOK, 0); }

std::wstring TextOf(HWND window) {
    wchar_t buffer[1024] = {};
    ::SendMessageTimeoutW(window, WM_GETTEXT, 1024, reinterpret_cast<LPARAM>(buffer),
                          SMTO_ABORTIFHUNG, 2000, nullptr);
    return buffer;
}

HWND FindByText(HWND root, const std::wstring& text) {
    TextSearch s{text, 0, nullptr};
    ::EnumChildWindows(root, &MatchChild, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

HWND FindById(HWND root, int id) {
    TextSearch s{L"", id, nullptr};
    ::EnumChildWindows(root, &MatchChild, reinterpret_cast<LPARAM>(&s));
    return s.found;
}

RECT ScreenRect(HWND window) {
    RECT r{};
    ::GetWindowRect(window, &r);
    return r;
}

SIZE ClientSize(HWND window) {
    RECT r{};
    ::GetClientRect(window, &r);
    return {r.right, r.bottom};
}

void MoveTo(POINT p) {
    ::SetCursorPos(p.x, p.y);
    WaitUntil(
        [&] {
            POINT now{};
            ::GetCursorPos(&now);
            return now.x == p.x && now.y == p.y;
        },
        1000);
    WaitInputHandledAt(p);
}

namespace {

// Presses and releases a button at `p`, each step handled before the next.
void ClickAt(POINT p, DWORD down, DWORD up) {
    MoveTo(p);
    // The window that takes the press; it keeps the release even if the
    // press moves another window under the point.
    const HWND target = ::GetAncestor(::WindowFromPoint(p), GA_ROOT);
    test::SendMouseAt(p, down);
    WaitInputHandled(target);
    test::SendMouseAt(p, up);
    WaitInputHandled(target);
}

}  // namespace

void LeftClickAt(POINT p) { ClickAt(p, MOUSEEVENTF_LEFTDOWN, MOUSEEVENTF_LEFTUP); }

void LeftDoubleClickAt(POINT p) {
    MoveTo(p);
    const HWND target = ::GetAncestor(::WindowFromPoint(p), GA_ROOT);
    // Both clicks at once, well within the double-click time.
    for (int i = 0; i < 2; ++i) {
        test::SendMouseAt(p, MOUSEEVENTF_LEFTDOWN);
        test::SendMouseAt(p, MOUSEEVENTF_LEFTUP);
    }
    WaitInputHandled(target);
}

void RightClickAt(POINT p) { ClickAt(p, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP); }

void LeftDrag(POINT from, POINT to) {
    MoveTo(from);
    const HWND target = ::GetAncestor(::WindowFromPoint(from), GA_ROOT);
    test::SendMouseAt(from, MOUSEEVENTF_LEFTDOWN);
    WaitInputHandled(target);
    const int steps = 8;
    for (int i = 1; i <= steps; ++i) {
        const POINT at{from.x + (to.x - from.x) * i / steps, from.y + (to.y - from.y) * i / steps};
        MoveTo(at);
        // The move again through the input path, queued before the release;
        // the window holding the pointer handles it, wherever the point lies.
        test::SendMouseAt(at, 0);
        WaitInputHandled(target);
    }
    test::SendMouseAt(to, MOUSEEVENTF_LEFTUP);
    WaitInputHandled(target);
}

POINT Center(HWND window) {
    const RECT r = ScreenRect(window);
    return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}

POINT TabPoint(HWND tabCaption) {
    const RECT r = ScreenRect(tabCaption);
    return {r.left + 12, (r.top + r.bottom) / 2};
}

POINT TrayIconPoint() {
    HWND tray = ::FindWindowW(L"Shell_TrayWnd", nullptr);
    const RECT r = ScreenRect(tray);
    return {r.right - 11, (r.top + r.bottom) / 2};
}

HWND WaitForPopupMenu(DWORD timeoutMs) {
    HWND popup = nullptr;
    WaitUntil(
        [&] {
            popup = ::FindWindowW(L"#32768", nullptr);
            return popup && ::IsWindowVisible(popup);
        },
        timeoutMs);
    return popup && ::IsWindowVisible(popup) ? popup : nullptr;
}

void PressKey(WORD key) {
    INPUT in[2] = {};
    in[0].type = in[1].type = INPUT_KEYBOARD;
    in[0].ki.wVk = in[1].ki.wVk = key;
    in[1].ki.dwFlags = KEYEVENTF_KEYUP;
    ::SendInput(2, in, sizeof(INPUT));
    WaitKeysHandled();
}

void PressKeyWith(WORD key, std::initializer_list<WORD> modifiers) {
    std::vector<INPUT> in;
    const auto add = [&in](WORD k, DWORD flags) {
        INPUT i{};
        i.type = INPUT_KEYBOARD;
        i.ki.wVk = k;
        i.ki.dwFlags = flags;
        in.push_back(i);
    };
    for (WORD m : modifiers)
        add(m, 0);
    add(key, 0);
    add(key, KEYEVENTF_KEYUP);
    for (WORD m : modifiers)
        add(m, KEYEVENTF_KEYUP);
    ::SendInput(static_cast<UINT>(in.size()), in.data(), sizeof(INPUT));
    WaitKeysHandled();
}

void ReplaceFieldText(HWND field, const std::wstring& text) {
    LeftClickAt(Center(field));
    PressKey(VK_END);
    PressKeyWith(VK_HOME, {VK_SHIFT});
    TypeText(text);
}

void TypeText(const std::wstring& text) {
    for (wchar_t c : text) {
        INPUT in[2] = {};
        in[0].type = in[1].type = INPUT_KEYBOARD;
        in[0].ki.wScan = in[1].ki.wScan = c;
        in[0].ki.dwFlags = KEYEVENTF_UNICODE;
        in[1].ki.dwFlags = KEYEVENTF_UNICODE | KEYEVENTF_KEYUP;
        ::SendInput(2, in, sizeof(INPUT));
    }
    WaitKeysHandled();
}

void ChooseListItem(HWND list, int index) {
    const auto dropped = [list] { return ::SendMessageW(list, CB_GETDROPPEDSTATE, 0, 0) != 0; };
    LeftClickAt(Center(list));
    // On a loaded machine the list may drop late: keys sent before it has
    // would choose in the closed box, and the list would then drop over
    // whatever the test looks at next.
    WaitUntil(dropped);
    PressKey(VK_HOME);
    for (int i = 0; i < index; ++i)
        PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    WaitUntil([&] { return !dropped(); });
    WaitInputHandled(::GetAncestor(list, GA_ROOT));
    // The closed list's pixels stay until the windows it covered repaint.
    SettleScreen();
}

void PointAt(POINT p) {
    MoveTo(p);
    // Once the pointer is there, a move through the input path: hooks and
    // the window under the point see it for certain.
    test::SendMouseAt(p, 0);
    WaitInputHandledAt(p);
}

void ClearClipboard() {
    if (::OpenClipboard(nullptr)) {
        ::EmptyClipboard();
        ::CloseClipboard();
    }
}

std::optional<std::wstring> ClipboardText() {
    std::optional<std::wstring> text;
    platform::ClipboardSession session(nullptr);
    if (!session.IsOpen()) return text;
    if (HANDLE data = ::GetClipboardData(CF_UNICODETEXT)) {
        if (const auto* p = static_cast<const wchar_t*>(::GlobalLock(data))) {
            text = p;
            ::GlobalUnlock(data);
        }
    }
    return text;
}

void ChooseMenuItem(int index) {
    for (int i = 0; i <= index; ++i)
        PressKey(VK_DOWN);
    PressKey(VK_RETURN);
    WaitUntil([] {
        return !::FindWindowW(L"#32768", nullptr) ||
               !::IsWindowVisible(::FindWindowW(L"#32768", nullptr));
    });
    SettleScreen();
}

void ResetRegistry() { ::RegDeleteTreeW(HKEY_CURRENT_USER, kVixKey); }

std::vector<std::wstring> SettingsValueNames() {
    std::vector<std::wstring> names;
    HKEY raw = nullptr;
    if (::RegOpenKeyExW(HKEY_CURRENT_USER, kSettingsKeyPath, 0, KEY_READ, &raw) != ERROR_SUCCESS)
        return names;
    const platform::RegKey key(raw);
    wchar_t name[256];
    for (DWORD i = 0;; ++i) {
        DWORD length = 256;
        if (::RegEnumValueW(key.get(), i, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS)
            break;
        names.emplace_back(name, length);
    }
    return names;
}

std::optional<DWORD> SettingsDword(const wchar_t* name) {
    DWORD value = 0;
    DWORD size = sizeof(value);
    if (::RegGetValueW(HKEY_CURRENT_USER, kSettingsKeyPath, name, RRF_RT_REG_DWORD, nullptr, &value,
                       &size) != ERROR_SUCCESS)
        return std::nullopt;
    return value;
}

void SetSettingsDword(const wchar_t* name, DWORD value) {
    ::RegSetKeyValueW(HKEY_CURRENT_USER, kSettingsKeyPath, name, REG_DWORD, &value, sizeof(value));
}

std::optional<std::vector<BYTE>> SettingsBinary(const wchar_t* name) {
    return RegistryBinary(kSettingsKeyPath, name);
}

std::optional<std::vector<BYTE>> RegistryBinary(const wchar_t* key, const wchar_t* name) {
    DWORD size = 0;
    if (::RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_BINARY, nullptr, nullptr, &size) !=
        ERROR_SUCCESS)
        return std::nullopt;
    std::vector<BYTE> data(size);
    ::RegGetValueW(HKEY_CURRENT_USER, key, name, RRF_RT_REG_BINARY, nullptr, data.data(), &size);
    data.resize(size);
    return data;
}

void SetRegistryBinary(const wchar_t* key, const wchar_t* name, const std::vector<BYTE>& data) {
    ::RegSetKeyValueW(HKEY_CURRENT_USER, key, name, REG_BINARY, data.data(),
                      static_cast<DWORD>(data.size()));
}

bool SaveWindowShot(HWND window, const std::wstring& name) {
    const RECT r = ScreenRect(window);
    const int w = r.right - r.left;
    const int h = r.bottom - r.top;
    platform::DibSection dib(w, h);
    platform::WindowDC screen;
    platform::MemoryDC dc(::CreateCompatibleDC(screen.get()));
    {
        platform::Selection keep(dc.get(), dib.get());
        ::BitBlt(dc.get(), 0, 0, w, h, screen.get(), r.left, r.top, SRCCOPY);
    }
    ::GdiFlush();
    const std::wstring path = ScreenshotDir() + L"\\" + name + L".png";
    char utf8[MAX_PATH * 3] = {};
    ::WideCharToMultiByte(CP_UTF8, 0, path.c_str(), -1, utf8, sizeof(utf8), nullptr, nullptr);
    return test::WritePng(utf8, reinterpret_cast<const std::uint32_t*>(dib.pixels()), w, h);
}

DWORD ScreenPixel(POINT p) {
    platform::WindowDC screen;
    const COLORREF c = ::GetPixel(screen.get(), p.x, p.y);
    return (GetRValue(c) << 16) | (GetGValue(c) << 8) | GetBValue(c);
}

}  // namespace vix::e2e
