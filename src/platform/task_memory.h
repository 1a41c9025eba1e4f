#pragma once

#include "platform/handle.h"
#include "platform/system_libraries.h"

// Memory the shell hands out from the COM task allocator: folder paths and
// item lists.

namespace vix::platform {

inline void FreeTaskMemory(void* memory) noexcept { late::CoTaskMemFree(memory); }

template <typename T>
using TaskMemory = UniqueHandle<NullTraits<T*, FreeTaskMemory>>;

}  // namespace vix::platform
