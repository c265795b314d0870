#include "control/signal_source.h"

#include "board/delay.h"
#include "board/registers.h"
#include "control/serial.h"

namespace morvaxel {
namespace {
constexpr std::uint16_t kLevelEnable = 0x10;

// An n-bit field placed at the top of the 16-bit word that ShiftOut sends.
std::uint16_t TopBits(std::uint16_t value, int bits) { return static_cast<std::uint16_t>(value << (16 - bits)); }
}  // namespace

void SendFrequency(std::uint16_t selector, std::uint16_t value) {
    // Its own loop: bit 0 first, and a data-low step of 50 units, not 70.
    std::uint16_t working = 0;
    std::uint16_t mask = 0x0001;
    for (int i = 0; i < 16; ++i) {
        working &= kClockLow;
        WriteRegister(kSignalRegister, working);
        Delay50();
        WriteRegister(kSignalRegister, 0);
        Delay50();
        working = (value & mask) != 0 ? kSerialData : 0;
        mask = static_cast<std::uint16_t>(mask << 1);
        WriteRegister(kSignalRegister, working);
        Delay50();
        working |= kSerialClock;
        WriteRegister(kSignalRegister, working);
        Delay20();
    }
    const std::uint16_t latch = selector == 1 ? 0x04 : selector == 2 ? 0x08 : 0;
    if (latch != 0) {
        // The latch rises while the clock is still high, then the clock falls.
        working |= latch;
        WriteRegister(kSignalRegister, working);
        Delay50();
        working &= kClockLow;
        WriteRegister(kSignalRegister, working);
        Delay50();
    }
    WriteRegister(kSignalRegister, 0);
}

void SendLevel(std::uint16_t level) {
    WriteRegister(kSignalRegister, kLevelEnable);
    ShiftOut(kSignalRegister, kLevelEnable, 0, 6);
    ShiftOut(kSignalRegister, kLevelEnable, static_cast<std::uint16_t>(level << 1), 7);  // bits 14-8
    ShiftOut(kSignalRegister, kLevelEnable, static_cast<std::uint16_t>(level << 9), 7);  // bits 6-0
    ShiftOut(kSignalRegister, kLevelEnable, 0, 8);
    WriteRegister(kSignalRegister, kLevelEnable);
    Delay50();
    WriteRegister(kSignalRegister, 0);
    Delay50();
}

void SendDirectWord(std::uint16_t value) {
    ShiftOut(kSignalRegister, 0, value, 16);
    LatchPulse(kSignalRegister, 0, 0x20);
}

void SendSignalSwitch(std::uint16_t value) {
    ShiftOut(kSignalRegister, 0, TopBits(value, 8), 8);
    LatchPulse(kSignalRegister, 0, 0x40);
}

void SendBellDA(std::uint16_t value) {
    ShiftOut(kSignalRegister, 0, TopBits(value, 11), 11);
    LatchPulse(kSignalRegister, 0, 0x80);
}

}  // namespace morvaxel
