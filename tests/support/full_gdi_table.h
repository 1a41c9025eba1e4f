#pragma once

#include <cstddef>
#include <vector>

#include "platform/handle.h"

// Fills the process's GDI handle table with cheap brushes while it lives, as
// another program can do to the table a Windows session shares: every
// creation of a bitmap, DC, brush or region fails until it goes.

namespace vix::test {

class FullGdiTable {
  public:
    FullGdiTable();
    FullGdiTable(const FullGdiTable&) = delete;
    FullGdiTable& operator=(const FullGdiTable&) = delete;

    // How many brushes it took; 0 if the table never filled.
    std::size_t Taken() const { return full_ ? brushes_.size() : 0; }

  private:
    std::vector<platform::Brush> brushes_;
    bool full_ = false;
};

}  // namespace vix::test
