#pragma once

#include <windows.h>
#include <oaidl.h>

#include <string>
#include <string_view>

#include "common/app_error.h"
#include "platform/exception_info.h"

// The one place where a COM status becomes the program's error. A failed
// HRESULT is raised as ComError, an AppError: caught, its code says what
// failed; not caught, the application's error box shows its text.

namespace vix::platform {

class ComError : public AppError {
  public:
    // `operation` names what was attempted ("Starting Photoshop"); `detail`
    // is the server's own description, if it gave one.
    ComError(HRESULT code, std::wstring_view operation, std::wstring_view detail = {});

    HRESULT code() const { return code_; }
    const std::wstring& operation() const { return operation_; }
    const std::wstring& detail() const { return detail_; }

  private:
    HRESULT code_;
    std::wstring operation_;
    std::wstring detail_;
};

// The system's text for a status, without the trailing line break; a bare
// "0x8xxxxxxx" when the system has none.
std::wstring HResultText(HRESULT code);

// Raises ComError when `code` is a failure; returns `code` (S_OK, S_FALSE or
// another success) otherwise.
HRESULT ThrowIfFailed(HRESULT code, std::wstring_view operation);

// For IDispatch::Invoke: on DISP_E_EXCEPTION the server's status and text in
// `info` are used. `info` is emptied here in every case.
HRESULT ThrowIfFailed(HRESULT code, std::wstring_view operation, ExceptionInfo& info);

}  // namespace vix::platform
