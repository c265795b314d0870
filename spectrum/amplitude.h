// Amplitudes of the first half of a transformed block.
#pragma once

#include <bit>
#include <cstdint>

namespace morvaxel {

// The smallest amplitude stored: the single-precision number nearest to
// 0.0003, which lies slightly above the double 0.0003 it is compared with.
inline constexpr float kAmplitudeFloor = std::bit_cast<float>(std::uint32_t{0x399D4952});
static_assert(kAmplitudeFloor == 0.0003f);

// For positions 0 to n/2 (n/2 truncated; any n from 0 to 65535), replaces
// re[i] by sqrt(re[i]^2 + im[i]^2), and every magnitude that is below 0.0003
// or not a number by kAmplitudeFloor. im is only read.
void AmplitudeSpectrum(std::uint16_t n, float* re, const float* im);

}  // namespace morvaxel
