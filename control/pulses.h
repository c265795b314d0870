// Counting pulses on status bit 0 (a rise to 1 and a fall to 0). The only
// way out of a wait is the Escape key, queried before every poll.
#pragma once

#include <cstdint>

namespace morvaxel {

inline constexpr std::uint16_t kEscapeDown = 0x8000;

// Waits for one pulse (or Escape), adds 1 to the counter either way, and
// returns the Escape state of the last query: kEscapeDown or 0.
std::uint16_t WaitStatusPulse(std::uint32_t& counter);

// Waits until `limit` pulses have passed, at least one, or Escape is down.
void CountPulses(std::uint32_t limit);

}  // namespace morvaxel
