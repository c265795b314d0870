// The process-wide state of the selected board. It starts from constant
// values (nothing runs when the library is loaded) and only PortInit
// changes BoardPorts, LoopsPer10us and BoardReady.
#pragma once

#include <cstdint>

namespace morvaxel {

// The four byte-wide ports of one board, two addresses apart.
struct PortSet {
    std::uint16_t Data;    // base + 0: data byte of a register access
    std::uint16_t Addr;    // base + 2: hardware address code
    std::uint16_t Ctrl;    // base + 4: read, strobe, enable and low-bank bits
    std::uint16_t Status;  // base + 6: bit 0 is the pulse line
};

inline constexpr PortSet kLoadTimePorts{0x310, 0x312, 0x314, 0x316};
inline constexpr std::int32_t kLoadTimeLoopsPer10us = 300;
inline constexpr int kRegisterCount = 40;

extern PortSet BoardPorts;
extern std::int32_t LoopsPer10us;  // busy-loop passes per delay unit (~10 us)
extern std::int16_t BoardReady;    // 0 until PortInit has completed, then -1
extern std::uint16_t OutShadow[kRegisterCount];  // last value written, per register

// The control-port bit that every control write carries once the board is ready.
inline std::uint8_t EnableBit() { return BoardReady != 0 ? 0x04 : 0x00; }

// The port set of a board by PC family and board number; numbers other than
// 0, 1 and 2 (negative ones and 0x10000 included) select the fourth set.
PortSet PortSetFor(bool pc98Family, std::int32_t boardNumber);

// The family rule on a keyboard subtype: 0x0D01 to 0x0D04 are PC-9800 keyboards.
bool IsPc98KeyboardSubtype(std::int32_t subtype);

// Asks the system for the keyboard subtype afresh and applies the family rule.
bool DetectPc98Family();

}  // namespace morvaxel
