// Entry points of board state, registers, initialisation and raw ports.
#include "board/init.h"
#include "board/raw_ports.h"
#include "board/registers.h"
#include "board/state.h"
#include "exports/morvaxel.h"
#include "exports/slot.h"

using namespace morvaxel;

extern "C" {

MORVAXEL_API int16_t MORVAXEL_CALL CheckPCtype(void) { return DetectPc98Family() ? -1 : 0; }

MORVAXEL_API int16_t MORVAXEL_CALL Test(int32_t /*ignored*/) { return BoardReady; }

MORVAXEL_API void MORVAXEL_CALL PortOut(int32_t reg, int32_t value) { WriteRegister(Low16(reg), Low16(value)); }

MORVAXEL_API int16_t MORVAXEL_CALL PortQinp(int32_t reg) { return static_cast<int16_t>(ReadBack(Low16(reg))); }

MORVAXEL_API int16_t MORVAXEL_CALL PortIinp(int32_t reg) { return static_cast<int16_t>(ReadRegister(Low16(reg))); }

MORVAXEL_API void MORVAXEL_CALL PortInit(int32_t board) { InitialiseBoard(board); }

MORVAXEL_API void MORVAXEL_CALL AllOutClear(void) { ClearOutputs(); }

MORVAXEL_API int32_t MORVAXEL_CALL InpB(int32_t port) { return RawInputByte(Low16(port)); }

MORVAXEL_API uint16_t MORVAXEL_CALL InpW(int32_t port) { return RawInputWord(Low16(port)); }

MORVAXEL_API uint32_t MORVAXEL_CALL InpD(int32_t port) { return RawInputDword(Low16(port)); }

MORVAXEL_API int32_t MORVAXEL_CALL OutB(int32_t port, int32_t value) {
    return RawOutputByte(Low16(port), static_cast<uint8_t>(value & 0xFF));
}

MORVAXEL_API uint16_t MORVAXEL_CALL OutW(int32_t port, int32_t value) { return RawOutputWord(Low16(port), Low16(value)); }

MORVAXEL_API uint32_t MORVAXEL_CALL OutD(int32_t port, uint32_t value) { return RawOutputDword(Low16(port), value); }

}  // extern "C"
