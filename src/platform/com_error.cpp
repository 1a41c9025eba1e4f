#include "platform/com_error.h"

#include <cwchar>

#include "platform/system_libraries.h"

namespace vix::platform {
namespace {

std::wstring Hex(HRESULT code) {
    wchar_t text[16];
    std::swprintf(text, 16, L"0x%08lX", static_cast<unsigned long>(code));
    return text;
}

std::wstring MessageOf(HRESULT code, std::wstring_view operation, std::wstring_view detail) {
    std::wstring text(operation);
    text += L" failed: ";
    text += detail.empty() ? HResultText(code) : std::wstring(detail);
    text += L" (" + Hex(code) + L")";
    return text;
}

}  // namespace

ComError::ComError(HRESULT code, std::wstring_view operation, std::wstring_view detail)
    : AppError(MessageOf(code, operation, detail)),
      code_(code),
      operation_(operation),
      detail_(detail) {}

std::wstring HResultText(HRESULT code) {
    wchar_t* buffer = nullptr;
    const DWORD n = ::FormatMessageW(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, static_cast<DWORD>(code), 0, reinterpret_cast<LPWSTR>(&buffer), 0, nullptr);
    std::wstring text = n ? std::wstring(buffer, n) : Hex(code);
    if (buffer) ::LocalFree(buffer);
    while (!text.empty() && (text.back() == L'\n' || text.back() == L'\r' || text.back() == L' '))
        text.pop_back();
    return text;
}

HRESULT ThrowIfFailed(HRESULT code, std::wstring_view operation) {
    if (FAILED(code)) throw ComError(code, operation);
    return code;
}

HRESULT ThrowIfFailed(HRESULT code, std::wstring_view operation, ExceptionInfo& exception) {
    EXCEPINFO& info = exception.get();
    if (code == DISP_E_EXCEPTION && info.pfnDeferredFillIn) info.pfnDeferredFillIn(&info);
    const std::wstring detail = info.bstrDescription ? info.bstrDescription : L"";
    HRESULT reported = code;
    if (code == DISP_E_EXCEPTION) {
        // The server's own status, or its 16-bit error number made into one.
        if (FAILED(info.scode))
            reported = info.scode;
        else if (info.wCode)
            reported = MAKE_HRESULT(SEVERITY_ERROR, FACILITY_DISPATCH, info.wCode);
    }
    exception.reset();
    if (FAILED(code)) throw ComError(reported, operation, detail);
    return code;
}

}  // namespace vix::platform
