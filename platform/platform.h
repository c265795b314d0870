// The library's only door to the machine. Each backend (linux.cpp,
// windows.cpp, simulated.cpp) defines every function declared here; the
// build links exactly one of them.
#pragma once

#include <cstdint>

namespace morvaxel::platform {

// Port output, one instruction of the stated width. Port first, value second.
void OutputByte(std::uint16_t port, std::uint8_t value);
void OutputWord(std::uint16_t port, std::uint16_t value);
void OutputDword(std::uint16_t port, std::uint32_t value);

// Port input, one instruction of the stated width.
std::uint8_t InputByte(std::uint16_t port);
std::uint16_t InputWord(std::uint16_t port);
std::uint32_t InputDword(std::uint16_t port);

// The keyboard subtype the system reports; 0x0D01 to 0x0D04 mark the
// PC-9800 family.
std::int32_t KeyboardSubtype();

// Whether the Escape key is down at this moment.
bool EscapeKeyDown();

// Milliseconds from a fixed point, wrapping at 32 bits.
std::uint32_t TickCount();

}  // namespace morvaxel::platform
