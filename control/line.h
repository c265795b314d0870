// The line commands: serial words on register 0x24, which carry its held
// bits (0xC0) through every write, and the click output on register 0x23.
#pragma once

#include <cstdint>

namespace morvaxel {

void SendRelayWord(std::uint16_t value);    // 16 bits, latch 0x04
void SendLineCurrent(std::uint16_t value);  // bits 7-0, latch 0x08

// Converts an ASCII hexadecimal digit in place to 0-15 and returns 0;
// leaves any other code unchanged and returns 0xFFFF.
std::uint16_t HexDigitValue(std::uint16_t& code);

// Ten hexadecimal digits of text as three words, in reading order: word 1
// is digits 1-2 as the value 0x00d1d2, word 2 digits 3-6 as 0xd3d4d5d6,
// word 3 digits 7-10 as 0xd7d8d9d10. Sent word 1 first, each bit 15 first,
// the 48 bits are the text read as one hexadecimal number. Latch 0x10 for
// selector 0, 0x20 for any other; a byte that is not a digit cancels the
// call before the board is touched.
void SendExchangeLine(std::uint16_t selector, const char* text);

// Raises bit 0 of register 0x23 for `count` status pulses (count - 5 above
// 5, at least one) and lowers it again, also after Escape.
void HoldClickOutput(std::uint32_t count);

}  // namespace morvaxel
