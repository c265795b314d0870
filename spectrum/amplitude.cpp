#include "spectrum/amplitude.h"

#include <cmath>

#include "spectrum/precision.h"

namespace morvaxel {

void AmplitudeSpectrum(std::uint16_t n, float* re, const float* im) {
    // Position 0 is the transform's header and goes through the same formula.
    const unsigned last = n / 2u;
    for (unsigned i = 0; i <= last; ++i) {
        const double t = std::pow(static_cast<double>(re[i]), 2.0);
        const double s = std::pow(static_cast<double>(im[i]), 2.0) + t;
        const float magnitude = static_cast<float>(std::pow(s, 0.5));
        // Written so that a NaN fails the test and takes the floor too.
        re[i] = static_cast<double>(magnitude) >= 0.0003 ? magnitude : kAmplitudeFloor;
    }
}

}  // namespace morvaxel
