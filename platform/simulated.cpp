// The simulated backend: every call goes to the board model.
#include "platform/platform.h"
#include "sim/board_model.h"

namespace morvaxel::platform {

void OutputByte(std::uint16_t port, std::uint8_t value) { sim::Board().Output(port, 1, value); }
void OutputWord(std::uint16_t port, std::uint16_t value) { sim::Board().Output(port, 2, value); }
void OutputDword(std::uint16_t port, std::uint32_t value) { sim::Board().Output(port, 4, value); }

std::uint8_t InputByte(std::uint16_t port) { return static_cast<std::uint8_t>(sim::Board().Input(port, 1)); }
std::uint16_t InputWord(std::uint16_t port) { return static_cast<std::uint16_t>(sim::Board().Input(port, 2)); }
std::uint32_t InputDword(std::uint16_t port) { return sim::Board().Input(port, 4); }

std::int32_t KeyboardSubtype() { return sim::Board().KeyboardSubtype(); }
bool EscapeKeyDown() { return sim::Board().EscapeKeyDown(); }
std::uint32_t TickCount() { return sim::Board().TickCount(); }

}  // namespace morvaxel::platform
