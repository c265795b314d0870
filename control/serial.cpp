#include "control/serial.h"

#include "board/delay.h"
#include "board/registers.h"

namespace morvaxel {
void ShiftOut(std::uint16_t reg, std::uint16_t base, std::uint16_t data, std::uint16_t count) {
    std::uint16_t mask = 0x8000;
    std::uint16_t value = base;
    for (std::uint16_t i = 0; i < count; ++i) {
        value &= kClockLow;  // the data line still carries the previous bit
        WriteRegister(reg, value);
        Delay50();
        value &= kDataLow;
        WriteRegister(reg, value);
        Delay50();
        Delay20();
        if ((data & mask) != 0) {
            value |= kSerialData;
        }
        mask >>= 1;
        WriteRegister(reg, value);
        Delay50();
        value |= kSerialClock;
        WriteRegister(reg, value);
        Delay20();
    }
}

void LatchPulse(std::uint16_t reg, std::uint16_t held, std::uint16_t latchBit) {
    std::uint16_t value = held | latchBit;  // clock and data fall as the latch rises
    WriteRegister(reg, value);
    Delay50();
    value &= kClockLow;
    WriteRegister(reg, value);
    Delay50();
    WriteRegister(reg, held);
}

std::uint16_t HeldLineBits() { return ReadBack(kLineRegister) & kHeldLineBits; }

}  // namespace morvaxel
