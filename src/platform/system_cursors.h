#pragma once

#include <windows.h>

#include <array>

// The system's standard pointer shapes, replaced by one of the program's
// cursors while the picker or the rectangle capture runs.

namespace vix::platform {

// The 16 standard system cursors, in the order they are replaced.
inline constexpr std::array<DWORD, 16> kSystemCursorIds = {32512, 32513, 32514, 32515, 32516, 32640,
                                                           32641, 32642, 32643, 32644, 32645, 32646,
                                                           32647, 32648, 32649, 32650};

class SystemCursors {
  public:
    virtual ~SystemCursors() = default;
    // Installs the program's cursor resource `name` as each standard cursor.
    virtual void ReplaceSystemCursors(const wchar_t* name) = 0;
    // Installs the platform's own cursor `id` (IDC_SIZENS and the like) as each.
    virtual void ReplaceWithSystemShape(const wchar_t* id) = 0;
    // Puts the user's standard cursors back.
    virtual void RestoreSystemCursors() = 0;
};

class WinSystemCursors final : public SystemCursors {
  public:
    void ReplaceSystemCursors(const wchar_t* name) override;
    void ReplaceWithSystemShape(const wchar_t* id) override;
    void RestoreSystemCursors() override;
};

}  // namespace vix::platform
