// The signal-source commands on serial register 0x25. The register holds
// no bits of its own: every command builds its values from constants and
// the caller's value, and leaves the register at 0.
#pragma once

#include <cstdint>

namespace morvaxel {

// All 16 bits of value, bit 0 first; latch 0x04 for selector 1, 0x08 for
// selector 2, none for any other selector.
void SendFrequency(std::uint16_t selector, std::uint16_t value);

// A 28-bit frame with enable bit 0x10 held throughout: six 0 bits, bits
// 14-8 of level, bits 6-0 of level, eight 0 bits.
void SendLevel(std::uint16_t level);

void SendDirectWord(std::uint16_t value);    // 16 bits, latch 0x20
void SendSignalSwitch(std::uint16_t value);  // bits 7-0, latch 0x40
void SendBellDA(std::uint16_t value);        // bits 10-0, latch 0x80

}  // namespace morvaxel
