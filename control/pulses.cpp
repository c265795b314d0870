#include "control/pulses.h"

#include "board/state.h"
#include "platform/platform.h"

namespace morvaxel {
namespace {

std::uint16_t EscapeState() { return platform::EscapeKeyDown() ? kEscapeDown : 0; }

// Polls until status bit 0 is at `level`, without a pause; Escape ends the
// wait before the port is read.
std::uint16_t WaitForLine(std::uint8_t level) {
    for (;;) {
        if (const std::uint16_t escape = EscapeState(); escape != 0) {
            return escape;
        }
        if ((platform::InputByte(BoardPorts.Status) & 0x01) == level) {
            return 0;
        }
    }
}

}  // namespace

std::uint16_t WaitStatusPulse(std::uint32_t& counter) {
    WaitForLine(1);
    // Asked again at once: a key released in between lets the wait go on.
    const std::uint16_t escape = WaitForLine(0);
    ++counter;
    return escape;
}

void CountPulses(std::uint32_t limit) {
    std::uint32_t counter = 0;
    do {
        if (WaitStatusPulse(counter) != 0) {
            return;
        }
    } while (counter < limit);
}

}  // namespace morvaxel
