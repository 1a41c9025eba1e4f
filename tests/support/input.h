#pragma once

#include <windows.h>

// Mouse input through the system's input path, as a user's hand makes it.

namespace vix::test {

// A mouse event at a screen point: the event carries its own position, so it
// lands there even if the pointer has not visibly arrived yet.
void SendMouseAt(POINT screen, DWORD flags);

}  // namespace vix::test
