#pragma once

#include <cstdint>

// Dispatch ids of Photoshop's automation methods: 0x60020000 plus the
// method's position in its interface, the same in every release that has
// these interfaces.

namespace vix::ps_dispatch {

inline constexpr std::int32_t kMakeControlObject = 0x60020005;
inline constexpr std::int32_t kMakeDescriptor = 0x60020006;
inline constexpr std::int32_t kMakeReference = 0x60020008;
inline constexpr std::int32_t kVisible = 0x60020009;

inline constexpr std::int32_t kHasKey = 0x60020002;
inline constexpr std::int32_t kPutDouble = 0x6002000A;
inline constexpr std::int32_t kPutUnitDouble = 0x6002000C;
inline constexpr std::int32_t kPutString = 0x6002000E;
inline constexpr std::int32_t kPutBoolean = 0x60020010;
inline constexpr std::int32_t kPutObject = 0x60020014;
inline constexpr std::int32_t kPutEnumerated = 0x60020018;
inline constexpr std::int32_t kPutReference = 0x6002001A;
inline constexpr std::int32_t kDescriptorPutClass = 0x6002001C;

inline constexpr std::int32_t kReferencePutClass = 0x60020002;
inline constexpr std::int32_t kPutProperty = 0x6002000E;

inline constexpr std::int32_t kPlay = 0x60020000;

}  // namespace vix::ps_dispatch
