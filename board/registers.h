// The register protocol: register numbers and their hardware address codes,
// the shadow of written values, and the four port sequences on Data, Addr
// and Ctrl.
#pragma once

#include <cstdint>

namespace morvaxel {

// Control-port bits.
inline constexpr std::uint8_t kCtrlRead = 0x01;
inline constexpr std::uint8_t kCtrlStrobe = 0x02;
inline constexpr std::uint8_t kCtrlEnable = 0x04;
inline constexpr std::uint8_t kCtrlLowBank = 0x08;

// MapRegister's status values.
inline constexpr std::uint16_t kRegisterAccepted = 0;
inline constexpr std::uint16_t kRegisterRejected = 1;

// Accepts 0x00-0x0F, 0x10-0x15, 0x20-0x25, 0x30-0x35 and 0x40-0x45 and
// replaces the number in place by its hardware address code; leaves any
// other number as it was and returns kRegisterRejected.
std::uint16_t MapRegister(std::uint16_t& number);

// The OutShadow index, 0 to 39, of an accepted register number.
std::uint16_t ShadowIndex(std::uint16_t number);

// The complete write: validation, port sequence, then the shadow entry.
void WriteRegister(std::uint16_t number, std::uint16_t value);

// The low-bank write sequence for a code 0x00 to 0x0F.
void WriteLowRegister(std::uint16_t code, std::uint16_t value);

// The byte read from the board now (0 to 255); 0 for a rejected number.
std::uint16_t ReadRegister(std::uint16_t number);

// The low-bank read sequence for a code 0x00 to 0x0F.
std::uint16_t ReadLowRegister(std::uint16_t code);

// The value last written to the register; 0 for a rejected number. No port access.
std::uint16_t ReadBack(std::uint16_t number);

}  // namespace morvaxel
