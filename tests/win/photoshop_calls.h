#pragma once

#include <windows.h>
#include <wrl/client.h>

#include <vector>

#include "photoshop/action_request.h"
#include "platform/exception_info.h"
#include "photoshop_automation.h"

// A client's two ways of calling Photoshop's automation, for testing the
// fake server: through the interfaces' vtables, and through IDispatch by
// dispatch id.

namespace vix::test {

using Microsoft::WRL::ComPtr;

// Dispatch ids: 0x60020000 plus the method's position.
inline constexpr DISPID kDispMakeControlObject = 0x60020005;
inline constexpr DISPID kDispMakeDescriptor = 0x60020006;
inline constexpr DISPID kDispMakeReference = 0x60020008;
inline constexpr DISPID kDispVisible = 0x60020009;
inline constexpr DISPID kDispHasKey = 0x60020002;
inline constexpr DISPID kDispPutDouble = 0x6002000A;
inline constexpr DISPID kDispPutUnitDouble = 0x6002000C;
inline constexpr DISPID kDispPutString = 0x6002000E;
inline constexpr DISPID kDispPutBoolean = 0x60020010;
inline constexpr DISPID kDispPutObject = 0x60020014;
inline constexpr DISPID kDispPutEnumerated = 0x60020018;
inline constexpr DISPID kDispPutReference = 0x6002001A;
inline constexpr DISPID kDispDescriptorPutClass = 0x6002001C;
inline constexpr DISPID kDispReferencePutClass = 0x60020002;
inline constexpr DISPID kDispPutProperty = 0x6002000E;
inline constexpr DISPID kDispPlay = 0x60020000;

// Makes the request's descriptor tree and plays it by vtable calls.
HRESULT PlayByVtable(IPhotoshopApplication* application, IActionControl* control,
                     const ActionRequest& request, ComPtr<IActionDescriptor>& result);

// One IDispatch call; `arguments` in the order the method lists them.
struct DispatchCall {
    HRESULT hr = S_OK;
    VARIANT result{};
    platform::ExceptionInfo exception;
    DispatchCall() = default;
    DispatchCall(const DispatchCall&) = delete;
    DispatchCall& operator=(const DispatchCall&) = delete;
    ~DispatchCall();
    // The result's object, if it is one.
    ComPtr<IDispatch> Object() const;
};
void Invoke(IDispatch* object, DISPID id, WORD flags, std::vector<VARIANT> arguments,
            DispatchCall& call);

VARIANT Long(LONG value);
VARIANT Double(double value);
VARIANT Object(IDispatch* object);  // not owned: the caller keeps it alive

// Makes the request's descriptor tree and plays it by dispatch calls.
HRESULT PlayByDispatch(IDispatch* application, IDispatch* control, const ActionRequest& request,
                       DispatchCall& play);

}  // namespace vix::test
