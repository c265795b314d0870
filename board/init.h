// Board initialisation and the clearing of every group register.
#pragma once

#include <cstdint>

namespace morvaxel {

// Calibrates the delays, detects the PC family, selects the board's port
// set, clears the group registers, marks the board ready and leaves Ctrl at
// the enable bit alone.
void InitialiseBoard(std::int32_t boardNumber);

// Writes 0 to the 24 group registers, 0x10-0x15 through 0x40-0x45, in order.
void ClearOutputs();

}  // namespace morvaxel
