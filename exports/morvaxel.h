/*
 * Morvaxel: I/O interface board access and a single-precision FFT toolkit.
 *
 * The public interface of Morvaxel.dll (and libmorvaxel.so), usable from C
 * and C++. On 32-bit Windows every function is __stdcall: each argument
 * fills one 32-bit slot and the callee removes the arguments.
 *
 * Arguments marked "16-bit" are declared as 32-bit integers because that is
 * the slot they occupy; only their low 16 bits are read, so a caller may
 * pass a 16-bit value widened in any way (VB6 Integer, Delphi SmallInt,
 * C short). 16-bit results are defined in their low 16 bits only.
 *
 * The library reports no errors and validates no pointer: arrays and
 * buffers must be as large as each function states.
 */
#ifndef MORVAXEL_H
#define MORVAXEL_H

#include <stdint.h>

#if defined(_WIN32) && !defined(_WIN64)
#  define MORVAXEL_CALL __stdcall
#else
#  define MORVAXEL_CALL
#endif

#if defined(_WIN32)
#  if defined(MORVAXEL_BUILDING) || defined(MORVAXEL_STATIC)
#    define MORVAXEL_API
#  else
#    define MORVAXEL_API __declspec(dllimport)
#  endif
#else
#  define MORVAXEL_API __attribute__((visibility("default")))
#endif

#ifdef __cplusplus
extern "C" {
#endif

/* ---- Board state ------------------------------------------------------ */

/* -1 on a PC-9800-family host (keyboard subtype 0x0D01 to 0x0D04), else 0. */
MORVAXEL_API int16_t MORVAXEL_CALL CheckPCtype(void);

/* -1 once PortInit has completed, 0 before. The argument is ignored. */
MORVAXEL_API int16_t MORVAXEL_CALL Test(int32_t ignored);

/* ---- Registers -------------------------------------------------------- */
/* Register numbers (16-bit): low registers 0x00-0x0F and group registers
 * 0x10-0x15, 0x20-0x25, 0x30-0x35, 0x40-0x45. Any other number is ignored
 * by writes and reads as 0, without touching a port. */

/* Writes the low byte of value to the register; remembers all 16 bits. */
MORVAXEL_API void MORVAXEL_CALL PortOut(int32_t reg, int32_t value);

/* The 16-bit value last written to the register (0 if never written). */
MORVAXEL_API int16_t MORVAXEL_CALL PortQinp(int32_t reg);

/* The byte read from the register on the board now, 0 to 255. */
MORVAXEL_API int16_t MORVAXEL_CALL PortIinp(int32_t reg);

/* Calibrates the delays, detects the PC family, selects board 0, 1, 2 or
 * (any other number) 3, clears its group registers and enables it. */
MORVAXEL_API void MORVAXEL_CALL PortInit(int32_t board);

/* Writes 0 to all 24 group registers. */
MORVAXEL_API void MORVAXEL_CALL AllOutClear(void);

/* ---- Bits and blocks -------------------------------------------------- */
/* Bit numbers (16-bit) act modulo 32; bits 16 to 31 of a 16-bit register
 * select nothing. */

MORVAXEL_API void MORVAXEL_CALL BitOn(int32_t reg, int32_t bit);
MORVAXEL_API void MORVAXEL_CALL BitOff(int32_t reg, int32_t bit);
/* 1 if the bit is set in the value last written, else 0. */
MORVAXEL_API int16_t MORVAXEL_CALL TestQbit(int32_t reg, int32_t bit);
/* 1 if the bit is set in the byte read from the board now, else 0. */
MORVAXEL_API int16_t MORVAXEL_CALL TestIbit(int32_t reg, int32_t bit);
/* Fills 16 entries: for selector bits 4-7 zero, the 16 low registers read
 * from the board; otherwise entries 0-5 the values last written to the
 * group's six registers, 8-15 registers group+0 to group+7 read now (the
 * last two read 0); entries 6 and 7 are left as they were. */
MORVAXEL_API void MORVAXEL_CALL GetIOBlockData(int32_t selector, int16_t *block);

/* ---- Raw ports -------------------------------------------------------- */
/* One port instruction of the stated width on any port 0x0000-0xFFFF. */

/* The byte read, zero-extended in all 32 bits. */
MORVAXEL_API int32_t MORVAXEL_CALL InpB(int32_t port);
MORVAXEL_API uint16_t MORVAXEL_CALL InpW(int32_t port);
MORVAXEL_API uint32_t MORVAXEL_CALL InpD(int32_t port);
/* Each returns the value written; OutB writes the low byte of value and
 * returns it zero-extended in all 32 bits. */
MORVAXEL_API int32_t MORVAXEL_CALL OutB(int32_t port, int32_t value);
MORVAXEL_API uint16_t MORVAXEL_CALL OutW(int32_t port, int32_t value);
MORVAXEL_API uint32_t MORVAXEL_CALL OutD(int32_t port, uint32_t value);

/* ---- Signal source (serial register 0x25) ----------------------------- */

/* All 16 bits of value, bit 0 first; selector 1 or 2 chooses the latch. */
MORVAXEL_API void MORVAXEL_CALL ContFreq(int32_t selector, int32_t value);
/* A 28-bit frame: bits 14-8 and bits 6-0 of level. */
MORVAXEL_API void MORVAXEL_CALL ContLevel(int32_t level);
MORVAXEL_API void MORVAXEL_CALL ContDirect(int32_t value);   /* 16 bits */
MORVAXEL_API void MORVAXEL_CALL ContSigSW(int32_t value);    /* bits 7-0 */
MORVAXEL_API void MORVAXEL_CALL ContBellDA(int32_t value);   /* bits 10-0 */

/* ---- Status pulses ---------------------------------------------------- */

/* Waits until limit pulses (at least one) have passed on status bit 0, or
 * until the Escape key is held down. There is no time-out. */
MORVAXEL_API void MORVAXEL_CALL HdTimer(uint32_t limit);

/* ---- Line (serial register 0x24) -------------------------------------- */

MORVAXEL_API void MORVAXEL_CALL ContRelay(int32_t value);    /* 16 bits */
MORVAXEL_API void MORVAXEL_CALL LineCurrent(int32_t value);  /* bits 7-0 */
/* Ten hexadecimal digits of text (not a string: exactly ten bytes are
 * read, up to the first byte that is not a digit, which cancels the call).
 * Selector 0 and any other value address the two exchange-line devices. */
MORVAXEL_API void MORVAXEL_CALL ExchgLine(int32_t selector, const char *text);
/* Raises bit 0 of register 0x23 for count pulses (count - 5 above 5). */
MORVAXEL_API void MORVAXEL_CALL Click(uint32_t count);

/* ---- Spectrum --------------------------------------------------------- */
/* Every array argument points to position 0; the data occupy positions 1
 * to N, so each array holds N + 1 elements. */

MORVAXEL_API void MORVAXEL_CALL FFTK32(int32_t n, float *twiddleRe, float *twiddleIm,
                                      int16_t *bitRev);
MORVAXEL_API void MORVAXEL_CALL FFT32(int32_t n, const float *twiddleRe, const float *twiddleIm,
                                     float *re, float *im, const int16_t *bitRev,
                                     int32_t windowType, const float *samples, int32_t inverse);
MORVAXEL_API void MORVAXEL_CALL FFTP32(int32_t n, float *re, const float *im);

/* ---- Conversions ------------------------------------------------------ */
/* count (16-bit) is unsigned: -1 means 65535 values. */

MORVAXEL_API void MORVAXEL_CALL CHRVAL1(const uint8_t *bytes, int16_t *values, int32_t count);
MORVAXEL_API void MORVAXEL_CALL CHRVAL2(const uint8_t *bytes, int16_t *values, int32_t count);
MORVAXEL_API void MORVAXEL_CALL VALCHR1(const int16_t *values, uint8_t *bytes, int32_t count);
MORVAXEL_API void MORVAXEL_CALL VALCHR2(const int16_t *values, uint8_t *bytes, int32_t count);
/* Writes the ten bytes "123456789:" and returns 11. */
MORVAXEL_API int16_t MORVAXEL_CALL Test2(uint8_t *buffer);

#ifdef __cplusplus
}
#endif

#endif /* MORVAXEL_H */
