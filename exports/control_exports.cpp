// Entry points of the bit operations and the control channel.
#include "board/bits.h"
#include "control/line.h"
#include "control/pulses.h"
#include "control/signal_source.h"
#include "exports/morvaxel.h"
#include "exports/slot.h"

using namespace morvaxel;

extern "C" {

MORVAXEL_API void MORVAXEL_CALL BitOn(int32_t reg, int32_t bit) { SetRegisterBit(Low16(reg), Low16(bit)); }

MORVAXEL_API void MORVAXEL_CALL BitOff(int32_t reg, int32_t bit) { ClearRegisterBit(Low16(reg), Low16(bit)); }

MORVAXEL_API int16_t MORVAXEL_CALL TestQbit(int32_t reg, int32_t bit) {
    return static_cast<int16_t>(TestRememberedBit(Low16(reg), Low16(bit)));
}

MORVAXEL_API int16_t MORVAXEL_CALL TestIbit(int32_t reg, int32_t bit) {
    return static_cast<int16_t>(TestBoardBit(Low16(reg), Low16(bit)));
}

MORVAXEL_API void MORVAXEL_CALL GetIOBlockData(int32_t selector, int16_t* block) { ReadIOBlock(Low16(selector), block); }

MORVAXEL_API void MORVAXEL_CALL ContFreq(int32_t selector, int32_t value) { SendFrequency(Low16(selector), Low16(value)); }

MORVAXEL_API void MORVAXEL_CALL ContLevel(int32_t level) { SendLevel(Low16(level)); }

MORVAXEL_API void MORVAXEL_CALL ContDirect(int32_t value) { SendDirectWord(Low16(value)); }

MORVAXEL_API void MORVAXEL_CALL ContSigSW(int32_t value) { SendSignalSwitch(Low16(value)); }

MORVAXEL_API void MORVAXEL_CALL ContBellDA(int32_t value) { SendBellDA(Low16(value)); }

MORVAXEL_API void MORVAXEL_CALL HdTimer(uint32_t limit) { CountPulses(limit); }

MORVAXEL_API void MORVAXEL_CALL ContRelay(int32_t value) { SendRelayWord(Low16(value)); }

MORVAXEL_API void MORVAXEL_CALL LineCurrent(int32_t value) { SendLineCurrent(Low16(value)); }

MORVAXEL_API void MORVAXEL_CALL ExchgLine(int32_t selector, const char* text) { SendExchangeLine(Low16(selector), text); }

MORVAXEL_API void MORVAXEL_CALL Click(uint32_t count) { HoldClickOutput(count); }

}  // extern "C"
