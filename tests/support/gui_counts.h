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
// The GDI count alone, for code that makes no USER objects: under Wine the
// USER count takes seconds (its objects are made one server call at a
// time), the GDI count a few milliseconds.
long CurrentGdiObjects();

}  // namespace vix::test
