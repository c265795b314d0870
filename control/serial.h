// The serial command registers 0x25 (signal source) and 0x24 (line): bit 0
// carries data, bit 1 the clock, the other bits strobe a finished word into
// its device (latch bits) or belong to outputs a transfer leaves alone
// (held bits, 0xC0 of register 0x24).
#pragma once

#include <cstdint>

namespace morvaxel {

inline constexpr std::uint16_t kLineRegister = 0x24;
inline constexpr std::uint16_t kSignalRegister = 0x25;
inline constexpr std::uint16_t kSerialData = 0x01;
inline constexpr std::uint16_t kSerialClock = 0x02;
inline constexpr std::uint16_t kHeldLineBits = 0xC0;
// Clearing the clock or the data bit also clears bits 8 to 15 of a working value.
inline constexpr std::uint16_t kClockLow = 0x00FD;
inline constexpr std::uint16_t kDataLow = 0x00FE;

// Clocks the top `count` bits of `data` into the register, bit 15 first.
// Every written value keeps bits 2 to 7 of `base`; each bit takes four
// register writes: clock low, data low, data bit, clock high.
void ShiftOut(std::uint16_t reg, std::uint16_t base, std::uint16_t data, std::uint16_t count);

// Strobes the word just clocked in into the device of `latchBit`, and
// leaves the register holding only `held`.
void LatchPulse(std::uint16_t reg, std::uint16_t held, std::uint16_t latchBit);

// The held bits of register 0x24, from the value last written.
std::uint16_t HeldLineBits();

}  // namespace morvaxel
