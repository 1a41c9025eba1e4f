#pragma once

// How many GDI and USER objects the process holds. Where GetGuiResources
// answers (Windows) it is used; where it does not (Wine answers 0), the
// count is derived from how many more objects the process can still create
// before its handle table is full: a leak shows up as less room.

namespace vix::test {

struct GuiCounts {
    long gdi = 0;
    long user = 0;
    friend bool operator==(const GuiCounts&, const GuiCounts&) = default;
};

GuiCounts CurrentGuiCounts();

}  // namespace vix::test
