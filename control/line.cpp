#include "control/line.h"

#include "board/registers.h"
#include "control/pulses.h"
#include "control/serial.h"

namespace morvaxel {
namespace {
constexpr std::uint16_t kClickRegister = 0x23;
constexpr std::uint16_t kClickOutput = 0x0001;
constexpr int kLineDigits = 10;
}  // namespace

void SendRelayWord(std::uint16_t value) {
    const std::uint16_t held = HeldLineBits();
    ShiftOut(kLineRegister, held, value, 16);
    LatchPulse(kLineRegister, held, 0x04);
}

void SendLineCurrent(std::uint16_t value) {
    const std::uint16_t held = HeldLineBits();
    ShiftOut(kLineRegister, held, static_cast<std::uint16_t>(value << 8), 8);
    LatchPulse(kLineRegister, held, 0x08);
}

std::uint16_t HexDigitValue(std::uint16_t& code) {
    if (code >= 0x30 && code <= 0x39) {
        code -= 0x30;
    } else if (code >= 0x41 && code <= 0x46) {
        code -= 0x37;
    } else if (code >= 0x61 && code <= 0x66) {
        code -= 0x57;
    } else {
        return 0xFFFF;
    }
    return 0;
}

void SendExchangeLine(std::uint16_t selector, const char* text) {
    std::uint16_t digits[kLineDigits];
    for (int i = 0; i < kLineDigits; ++i) {
        digits[i] = static_cast<unsigned char>(text[i]);
        if (HexDigitValue(digits[i]) != 0) {
            return;  // the bytes after it are not read
        }
    }
    const auto word = [&digits](int first, int last) {
        std::uint16_t value = 0;
        for (int i = first; i <= last; ++i) {
            value = static_cast<std::uint16_t>((value << 4) | digits[i]);
        }
        return value;
    };
    const std::uint16_t held = HeldLineBits();
    ShiftOut(kLineRegister, held, word(0, 1), 16);
    ShiftOut(kLineRegister, held, word(2, 5), 16);
    ShiftOut(kLineRegister, held, word(6, 9), 16);
    LatchPulse(kLineRegister, held, selector == 0 ? 0x10 : 0x20);
}

void HoldClickOutput(std::uint32_t count) {
    const std::uint32_t pulses = count > 5 ? count - 5 : count;
    std::uint16_t value = ReadBack(kClickRegister) | kClickOutput;
    WriteRegister(kClickRegister, value);
    CountPulses(pulses);
    value &= 0x00FE;  // bit 0 falls; bits 8 to 15 are not written back
    WriteRegister(kClickRegister, value);
}

}  // namespace morvaxel
