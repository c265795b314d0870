// Twiddle and bit-reversal tables of the radix-2 FFT, built once per length
// and only read by the transforms of that length.
#pragma once

#include <bit>
#include <cstdint>

namespace morvaxel {

// Every angle of the spectrum routines uses this value in place of pi: the
// double nearest to the five-decimal 3.14159, not 3.141592653589793.
inline constexpr double kPiPrime = std::bit_cast<double>(std::uint64_t{0x400921F9F01B866E});
static_assert(kPiPrime == 3.14159);

// The shortest and the longest transform length. The tables' 16-bit signed
// counters cannot count past 32766, and 16384 is the largest power of two
// below that.
inline constexpr std::uint16_t kMinTransformLength = 2;
inline constexpr std::uint16_t kMaxTransformLength = 16384;

// True for the lengths the tables and the transform accept: the powers of two
// from 2 to 16384.
constexpr bool IsTransformLength(std::uint16_t n) {
    return n >= kMinTransformLength && n <= kMaxTransformLength && std::has_single_bit(n);
}

// Writes positions 1 to n of the three tables: bitRev[i] = 1 + (bit-reversed
// i - 1), twiddleRe[i] = cos(theta), twiddleIm[i] = -sin(theta) with
// theta = 2 pi' (i - 1) / n. Position 0 is left alone. For any n that is not
// a transform length (0, 1, not a power of two, above 16384) nothing is
// written: such tables could not drive a transform.
void BuildFftTables(std::uint16_t n, float* twiddleRe, float* twiddleIm, std::int16_t* bitRev);

}  // namespace morvaxel
