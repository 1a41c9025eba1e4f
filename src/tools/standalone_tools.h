#pragma once

#include <tuple>

#include "tools/tool_host.h"

// Tools that stand on their own: each made with the host alone and sharing
// nothing with the other tools, kept together so that adding one is naming
// it in one list (tool_set.cpp).

namespace vix {

template <class... T>
struct StandaloneTools {
    explicit StandaloneTools(ToolHost& host) : tools(HostFor<T>(host)...) {}
    std::tuple<T...> tools;

  private:
    template <class>
    using HostFor = ToolHost&;
};

}  // namespace vix
