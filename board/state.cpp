#include "board/state.h"

#include "platform/platform.h"

namespace morvaxel {

constinit PortSet BoardPorts = kLoadTimePorts;
constinit std::int32_t LoopsPer10us = kLoadTimeLoopsPer10us;
constinit std::int16_t BoardReady = 0;
constinit std::uint16_t OutShadow[kRegisterCount] = {};

PortSet PortSetFor(bool pc98Family, std::int32_t boardNumber) {
    // Boards 2 and 3 sit below boards 0 and 1 in both families.
    static constexpr std::uint16_t kPc98Bases[4] = {0xD0, 0xD8, 0xC0, 0xC8};
    static constexpr std::uint16_t kPcAtBases[4] = {0x310, 0x318, 0x300, 0x308};
    const int slot = (boardNumber >= 0 && boardNumber <= 2) ? boardNumber : 3;
    const std::uint16_t base = pc98Family ? kPc98Bases[slot] : kPcAtBases[slot];
    return PortSet{base, static_cast<std::uint16_t>(base + 2), static_cast<std::uint16_t>(base + 4),
                   static_cast<std::uint16_t>(base + 6)};
}

bool IsPc98KeyboardSubtype(std::int32_t subtype) { return subtype >= 0x0D01 && subtype <= 0x0D04; }

bool DetectPc98Family() { return IsPc98KeyboardSubtype(platform::KeyboardSubtype()); }

}  // namespace morvaxel
