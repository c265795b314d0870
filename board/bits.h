// Bit-level access to single registers and a one-call block read, built
// only on ReadBack, ReadRegister and WriteRegister.
#pragma once

#include <cstdint>

namespace morvaxel {

// Bit numbers act modulo 32 on a 32-bit mask, of which only the low 16 bits
// can meet a 16-bit register value: 16 to 31 select no bit, 35 acts as 3.
std::uint16_t BitMask(std::uint16_t bit);

// Set or clear one bit of the value last written and write the whole value
// again, also when the bit already had that state.
void SetRegisterBit(std::uint16_t number, std::uint16_t bit);
void ClearRegisterBit(std::uint16_t number, std::uint16_t bit);

// 1 if the bit is set in the value last written (resp. read from the board now).
std::uint16_t TestRememberedBit(std::uint16_t number, std::uint16_t bit);
std::uint16_t TestBoardBit(std::uint16_t number, std::uint16_t bit);

// Fills entries 0-5 and 8-15 of a 16-entry block; see GetIOBlockData.
void ReadIOBlock(std::uint16_t selector, std::int16_t* block);

}  // namespace morvaxel
