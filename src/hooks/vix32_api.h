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
VIX32_API void WINAPI SetColorPickerHook();
VIX32_API void WINAPI UnSetColorPickerHook();
VIX32_API void WINAPI SetScreenCaptureHook();
VIX32_API void WINAPI UnSetScreenCaptureHook();
VIX32_API void WINAPI SetRectangleCaptureHook();
VIX32_API void WINAPI UnSetRectangleCaptureHook();
// The capture rectangle's area in screen pixels, right and bottom exclusive.
VIX32_API void WINAPI SetCaptureRectangleArea(LONG left, LONG top, LONG right, LONG bottom);
VIX32_API void WINAPI SetControlCaptureHook();
VIX32_API void WINAPI UnSetControlCaptureHook();
