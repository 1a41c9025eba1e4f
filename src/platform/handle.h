#pragma once

#include <windows.h>

#include <utility>

// Every raw Win32 handle of the program is owned by exactly one of these.
// Move-only; the traits say what "no handle" is and how one is released.

namespace vix::platform {

template <typename Traits>
class UniqueHandle {
  public:
    using pointer = typename Traits::pointer;

    UniqueHandle() noexcept = default;
    explicit UniqueHandle(pointer h) noexcept : h_(h) {}
    UniqueHandle(UniqueHandle&& other) noexcept : h_(other.release()) {}
    UniqueHandle& operator=(UniqueHandle&& other) noexcept {
        if (this != &other) reset(other.release());
        return *this;
    }
    UniqueHandle(const UniqueHandle&) = delete;
    UniqueHandle& operator=(const UniqueHandle&) = delete;
    ~UniqueHandle() { reset(); }

    pointer get() const noexcept { return h_; }
    explicit operator bool() const noexcept { return h_ != Traits::Invalid(); }

    // Gives the handle up, as when Windows takes ownership of it.
    [[nodiscard]] pointer release() noexcept { return std::exchange(h_, Traits::Invalid()); }

    void reset(pointer h = Traits::Invalid()) noexcept {
        pointer old = std::exchange(h_, h);
        if (old != Traits::Invalid()) Traits::Close(old);
    }

  private:
    pointer h_ = Traits::Invalid();
};

template <typename T, auto CloseFn>
struct NullTraits {
    using pointer = T;
    static constexpr T Invalid() noexcept { return nullptr; }
    static void Close(T h) noexcept { CloseFn(h); }
};

inline void DeleteGdiObject(HGDIOBJ h) noexcept { ::DeleteObject(h); }
inline void FreeLocal(void* memory) noexcept { ::LocalFree(memory); }

using Bitmap = UniqueHandle<NullTraits<HBITMAP, DeleteGdiObject>>;
using Brush = UniqueHandle<NullTraits<HBRUSH, DeleteGdiObject>>;
using Pen = UniqueHandle<NullTraits<HPEN, DeleteGdiObject>>;
using Font = UniqueHandle<NullTraits<HFONT, DeleteGdiObject>>;
using Region = UniqueHandle<NullTraits<HRGN, DeleteGdiObject>>;
using MemoryDC = UniqueHandle<NullTraits<HDC, ::DeleteDC>>;
using RegKey = UniqueHandle<NullTraits<HKEY, ::RegCloseKey>>;
using Hook = UniqueHandle<NullTraits<HHOOK, ::UnhookWindowsHookEx>>;
using Module = UniqueHandle<NullTraits<HMODULE, ::FreeLibrary>>;
using Icon = UniqueHandle<NullTraits<HICON, ::DestroyIcon>>;
using Cursor = UniqueHandle<NullTraits<HCURSOR, ::DestroyCursor>>;
using Menu = UniqueHandle<NullTraits<HMENU, ::DestroyMenu>>;
using GlobalMemory = UniqueHandle<NullTraits<HGLOBAL, ::GlobalFree>>;
using KernelHandle = UniqueHandle<NullTraits<HANDLE, ::CloseHandle>>;
using WindowHandle = UniqueHandle<NullTraits<HWND, ::DestroyWindow>>;
// What the security functions hand out for the caller to free.
using LocalMemory = UniqueHandle<NullTraits<void*, FreeLocal>>;

struct FileTraits {
    using pointer = HANDLE;
    static HANDLE Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) noexcept { ::CloseHandle(h); }
};
using File = UniqueHandle<FileTraits>;

struct FindTraits {
    using pointer = HANDLE;
    static HANDLE Invalid() noexcept { return INVALID_HANDLE_VALUE; }
    static void Close(HANDLE h) noexcept { ::FindClose(h); }
};
using FindHandle = UniqueHandle<FindTraits>;

}  // namespace vix::platform
