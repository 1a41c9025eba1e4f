#include "platform/console_output.h"

#include <windows.h>

#include <string>

#include "common/utf16.h"
#include "platform/handle.h"

namespace vix::platform {
namespace {

// Line breaks as Windows programs read them.
std::wstring WithCrLf(std::wstring_view text) {
    std::wstring out;
    for (wchar_t c : text) {
        if (c == L'\n') out += L'\r';
        out += c;
    }
    return out + L"\r\n";
}

bool WriteConsoleText(HANDLE console, const std::wstring& text) {
    DWORD written = 0;
    return ::WriteConsoleW(console, text.data(), static_cast<DWORD>(text.size()), &written,
                           nullptr) != FALSE;
}

bool WriteToHandle(HANDLE handle, const std::wstring& text) {
    if (!handle || handle == INVALID_HANDLE_VALUE) return false;
    DWORD mode = 0;
    if (::GetConsoleMode(handle, &mode)) return WriteConsoleText(handle, text);
    const std::string bytes = ToUtf8(text);
    DWORD written = 0;
    return ::WriteFile(handle, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr) &&
           written == bytes.size();
}

// The prompt of the console we were started from came back at once (it
// waits for no Windows program): the text starts on a line of its own.
bool WriteToParentConsole(const std::wstring& text) {
    if (!::AttachConsole(ATTACH_PARENT_PROCESS)) return false;
    bool written = false;
    {
        File console(::CreateFileW(L"CONOUT$", GENERIC_READ | GENERIC_WRITE, FILE_SHARE_WRITE,
                                   nullptr, OPEN_EXISTING, 0, nullptr));
        written = console && WriteConsoleText(console.get(), L"\r\n" + text);
    }
    ::FreeConsole();
    return written;
}

}  // namespace

void TellStarter(std::wstring_view text, OutputStream stream, const wchar_t* caption,
                 bool boxWithoutConsole) {
    const std::wstring line = WithCrLf(text);
    const HANDLE handle =
        ::GetStdHandle(stream == OutputStream::Out ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE);
    if (WriteToHandle(handle, line) || WriteToParentConsole(line)) return;
    if (boxWithoutConsole)
        ::MessageBoxW(nullptr, std::wstring(text).c_str(), caption,
                      MB_OK | (stream == OutputStream::Err ? MB_ICONERROR : MB_ICONINFORMATION));
}

}  // namespace vix::platform
