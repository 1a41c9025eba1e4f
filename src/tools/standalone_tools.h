#pragma once

#include <tuple>

#include "tools/snapshot_outputs.h"
#include "tools/tool_host.h"

// Tools that stand on their own: each made with the host alone and sharing
// nothing with the other tools, kept together so that adding one is naming
// it in one list (tool_set.cpp). What another tool offers them (the capture
// page's snapshot outputs) goes to each that declares it wants it.

namespace vix {

template <class... T>
struct StandaloneTools {
    explicit StandaloneTools(ToolHost& host) : tools(HostFor<T>(host)...) {}
    std::tuple<T...> tools;

    // Hands `outputs` to every tool with `UseSnapshotOutputs`, before any
    // page is built.
    void Offer(SnapshotOutputs& outputs) {
        std::apply([&outputs](auto&... tool) { (OfferTo(tool, outputs), ...); }, tools);
    }

  private:
    template <class Tool>
    static void OfferTo(Tool& tool, SnapshotOutputs& outputs) {
        if constexpr (requires { tool.UseSnapshotOutputs(outputs); })
            tool.UseSnapshotOutputs(outputs);
    }

    template <class>
    using HostFor = ToolHost&;
};

}  // namespace vix
