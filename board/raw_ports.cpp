#include "board/raw_ports.h"

#include "platform/platform.h"

namespace morvaxel {

std::uint8_t RawInputByte(std::uint16_t port) { return platform::InputByte(port); }
std::uint16_t RawInputWord(std::uint16_t port) { return platform::InputWord(port); }
std::uint32_t RawInputDword(std::uint16_t port) { return platform::InputDword(port); }

std::uint8_t RawOutputByte(std::uint16_t port, std::uint8_t value) {
    platform::OutputByte(port, value);
    return value;
}

std::uint16_t RawOutputWord(std::uint16_t port, std::uint16_t value) {
    platform::OutputWord(port, value);
    return value;
}

std::uint32_t RawOutputDword(std::uint16_t port, std::uint32_t value) {
    platform::OutputDword(port, value);
    return value;
}

}  // namespace morvaxel
