#pragma once

#include <windows.h>

// The exports of the hook library Vix32.dll: undecorated stdcall names. The
// program imports them at load time, so it does not start without the library.

#ifdef VIX32_BUILDING
#define VIX32_API extern "C"
#else
#define VIX32_API extern "C" __declspec(dllimport)
#endif

VIX32_API int WINAPI GetDllVersion();
// The window that receives the reports; called before every Set...Hook.
VIX32_API void WINAPI SetMainHandle(HWND window);
// Each Set...Hook arms its tool and answers TRUE. When the system refuses the
// screen-wide hook it answers FALSE, GetLastError() holds the system's error
// code, and the tool is not armed (nothing will be reported). A caller that
// ignores the answer loses only that information: the names, arguments and
// calling convention are those of the library's first version.
VIX32_API BOOL WINAPI SetColorPickerHook();
VIX32_API void WINAPI UnSetColorPickerHook();
VIX32_API BOOL WINAPI SetScreenCaptureHook();
VIX32_API void WINAPI UnSetScreenCaptureHook();
VIX32_API BOOL WINAPI SetRectangleCaptureHook();
VIX32_API void WINAPI UnSetRectangleCaptureHook();
// The capture rectangle's area in screen pixels, right and bottom exclusive.
VIX32_API void WINAPI SetCaptureRectangleArea(LONG left, LONG top, LONG right, LONG bottom);
VIX32_API BOOL WINAPI SetControlCaptureHook();
VIX32_API void WINAPI UnSetControlCaptureHook();
