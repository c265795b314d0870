#include "board/init.h"

#include "board/delay.h"
#include "board/registers.h"
#include "board/state.h"
#include "platform/platform.h"

namespace morvaxel {

void InitialiseBoard(std::int32_t boardNumber) {
    // Calibrate before any port is touched, so the clearing already runs
    // with the measured count.
    LoopsPer10us = CalibrateDelay();
    BoardPorts = PortSetFor(DetectPc98Family(), boardNumber);
    ClearOutputs();
    BoardReady = -1;
    platform::OutputByte(BoardPorts.Ctrl, kCtrlEnable);
}

void ClearOutputs() {
    constexpr int kGroups = 4;
    constexpr int kRegistersPerGroup = 6;
    std::uint16_t number = 0x10;
    for (int group = 0; group < kGroups; ++group) {
        for (int i = 0; i < kRegistersPerGroup; ++i) {
            WriteRegister(number, 0);
            ++number;
        }
        number = static_cast<std::uint16_t>((number & 0xF0) + 0x10);
    }
}

}  // namespace morvaxel
