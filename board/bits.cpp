#include "board/bits.h"

#include "board/registers.h"

namespace morvaxel {

std::uint16_t BitMask(std::uint16_t bit) { return static_cast<std::uint16_t>((1u << (bit % 32)) & 0xFFFF); }

void SetRegisterBit(std::uint16_t number, std::uint16_t bit) {
    WriteRegister(number, static_cast<std::uint16_t>(ReadBack(number) | BitMask(bit)));
}

void ClearRegisterBit(std::uint16_t number, std::uint16_t bit) {
    WriteRegister(number, static_cast<std::uint16_t>(ReadBack(number) & ~BitMask(bit)));
}

std::uint16_t TestRememberedBit(std::uint16_t number, std::uint16_t bit) {
    return (ReadBack(number) & BitMask(bit)) != 0 ? 1 : 0;
}

std::uint16_t TestBoardBit(std::uint16_t number, std::uint16_t bit) {
    return (ReadRegister(number) & BitMask(bit)) != 0 ? 1 : 0;
}

void ReadIOBlock(std::uint16_t selector, std::int16_t* block) {
    const std::uint16_t group = selector & 0xF0;
    if (group == 0) {
        for (std::uint16_t i = 0; i < 16; ++i) {
            block[i] = static_cast<std::int16_t>(ReadRegister(i));
        }
        return;
    }
    // Entries 0-5: the values last written; 6 and 7 stay as the caller left
    // them; 8-15: registers group+0 to group+7 read now (the last two do
    // not exist and read 0).
    for (std::uint16_t i = 0; i < 6; ++i) {
        block[i] = static_cast<std::int16_t>(ReadBack(group + i));
    }
    for (std::uint16_t i = 8; i < 16; ++i) {
        block[i] = static_cast<std::int16_t>(ReadRegister(group + (i - 8)));
    }
}

}  // namespace morvaxel
