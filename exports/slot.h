// How an export reads its 32-bit argument slots.
#pragma once

#include <cstdint>

namespace morvaxel {

// A 16-bit argument: the low half of its slot, whatever the upper half holds.
inline std::uint16_t Low16(std::int32_t slot) { return static_cast<std::uint16_t>(slot & 0xFFFF); }

}  // namespace morvaxel
