// Direct access to any I/O port, one instruction of the stated width; no
// board state, delay or shadow is involved.
#pragma once

#include <cstdint>

namespace morvaxel {

std::uint8_t RawInputByte(std::uint16_t port);
std::uint16_t RawInputWord(std::uint16_t port);
std::uint32_t RawInputDword(std::uint16_t port);

// Each returns the value it wrote.
std::uint8_t RawOutputByte(std::uint16_t port, std::uint8_t value);
std::uint16_t RawOutputWord(std::uint16_t port, std::uint16_t value);
std::uint32_t RawOutputDword(std::uint16_t port, std::uint32_t value);

}  // namespace morvaxel
