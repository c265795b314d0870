#include "board/registers.h"

#include "board/delay.h"
#include "board/state.h"
#include "platform/platform.h"

namespace morvaxel {
namespace {

constexpr bool IsLowCode(std::uint16_t code) { return (code & 0xF0) == 0; }

std::uint8_t LowByte(std::uint16_t value) { return static_cast<std::uint8_t>(value & 0xFF); }

void WriteGroupRegister(std::uint16_t code, std::uint16_t value) {
    const std::uint8_t enable = EnableBit();
    platform::OutputByte(BoardPorts.Data, LowByte(value));
    platform::OutputByte(BoardPorts.Addr, LowByte(code));
    platform::OutputByte(BoardPorts.Ctrl, enable);
    DelayHalf();
    platform::OutputByte(BoardPorts.Ctrl, enable | kCtrlStrobe);
    DelayHalf();
    platform::OutputByte(BoardPorts.Ctrl, enable);
    DelayHalf();
    platform::OutputByte(BoardPorts.Data, 0);
    platform::OutputByte(BoardPorts.Addr, 0);
}

std::uint16_t ReadGroupRegister(std::uint16_t code) {
    const std::uint8_t enable = EnableBit();
    platform::OutputByte(BoardPorts.Addr, LowByte(code));
    platform::OutputByte(BoardPorts.Ctrl, enable | kCtrlRead);
    DelayHalf();
    const std::uint16_t result = platform::InputByte(BoardPorts.Data);
    platform::OutputByte(BoardPorts.Ctrl, enable);
    platform::OutputByte(BoardPorts.Addr, 0);
    return result;
}

}  // namespace

std::uint16_t MapRegister(std::uint16_t& number) {
    const std::uint16_t index = number & 0x0F;
    std::uint16_t code;
    if (number < 0x10) {
        code = number;
    } else if (number <= 0x15) {
        code = 0x10 | index;
    } else if (number >= 0x20 && number <= 0x25) {
        code = 0x20 | index;
    } else if (number >= 0x30 && number <= 0x35) {
        code = 0x40 | index;
    } else if (number >= 0x40 && number <= 0x45) {
        code = 0x80 | index;
    } else {
        return kRegisterRejected;
    }
    number = code;
    return kRegisterAccepted;
}

std::uint16_t ShadowIndex(std::uint16_t number) {
    if ((number & 0xF0) == 0) {
        return number;
    }
    return static_cast<std::uint16_t>(10 + 6 * (number >> 4) + (number & 0x0F));
}

void WriteRegister(std::uint16_t number, std::uint16_t value) {
    std::uint16_t code = number;
    if (MapRegister(code) != kRegisterAccepted) {
        return;
    }
    if (IsLowCode(code)) {
        WriteLowRegister(code, value);
    } else {
        WriteGroupRegister(code, value);
    }
    OutShadow[ShadowIndex(number)] = value;
}

void WriteLowRegister(std::uint16_t code, std::uint16_t value) {
    const std::uint8_t enable = EnableBit();
    platform::OutputByte(BoardPorts.Data, LowByte(value));
    platform::OutputByte(BoardPorts.Addr, LowByte(code));
    platform::OutputByte(BoardPorts.Ctrl, kCtrlLowBank | enable);
    DelayUnit();
    platform::OutputByte(BoardPorts.Ctrl, kCtrlLowBank | enable | kCtrlStrobe);
    DelayUnit();
    platform::OutputByte(BoardPorts.Ctrl, kCtrlLowBank | enable);
    DelayUnit();
    platform::OutputByte(BoardPorts.Ctrl, enable);
    DelayHalf();
    platform::OutputByte(BoardPorts.Data, 0);
    platform::OutputByte(BoardPorts.Addr, 0);
}

std::uint16_t ReadRegister(std::uint16_t number) {
    std::uint16_t code = number;
    if (MapRegister(code) != kRegisterAccepted) {
        return 0;
    }
    return IsLowCode(code) ? ReadLowRegister(code) : ReadGroupRegister(code);
}

std::uint16_t ReadLowRegister(std::uint16_t code) {
    const std::uint8_t enable = EnableBit();
    platform::OutputByte(BoardPorts.Addr, LowByte(code));
    platform::OutputByte(BoardPorts.Ctrl, kCtrlLowBank | enable | kCtrlRead);
    DelayHalf();
    platform::OutputByte(BoardPorts.Ctrl, kCtrlLowBank | enable | kCtrlRead | kCtrlStrobe);
    DelayUnit();
    const std::uint16_t result = platform::InputByte(BoardPorts.Data);
    platform::OutputByte(BoardPorts.Ctrl, kCtrlLowBank | enable | kCtrlRead);
    DelayHalf();
    platform::OutputByte(BoardPorts.Ctrl, enable);
    platform::OutputByte(BoardPorts.Addr, 0);
    return result;
}

std::uint16_t ReadBack(std::uint16_t number) {
    std::uint16_t code = number;
    if (MapRegister(code) != kRegisterAccepted) {
        return 0;
    }
    return OutShadow[ShadowIndex(number)];
}

}  // namespace morvaxel
