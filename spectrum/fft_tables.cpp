#include "spectrum/fft_tables.h"

#include <cmath>

#include "spectrum/precision.h"

namespace morvaxel {

namespace {

// The bit reversal of position i (1-based) as a 1-based position: the bits of
// i - 1 are found from the most significant down by testing a - h > 0, which
// holds exactly when the bit that h stands for is set in a - 1, and each set
// bit adds the weights 1, 2, 4, ... in that order.
std::int16_t ReversedPosition(int i, int n) {
    int a = i;
    int h = n / 2;
    int w = 1;
    int s = 0;
    for (;;) {
        const int d = a - h;
        if (d > 0) {
            s += w;
            a = d;
        }
        if (h == 1) break;
        h /= 2;
        w *= 2;
        if (h == 0) break;
    }
    return static_cast<std::int16_t>(s + 1);
}

// theta = 2 pi' (i - 1) / n, evaluated in this order.
double TwiddleAngle(int i, int n) { return 2.0 * kPiPrime * static_cast<double>(i - 1) / static_cast<double>(n); }

}  // namespace

void BuildFftTables(std::uint16_t n, float* twiddleRe, float* twiddleIm, std::int16_t* bitRev) {
    // Lengths the transform cannot use get no tables at all, rather than
    // entries that would point outside positions 1 to n (n = 1) or fail to
    // form a permutation (n not a power of two).
    if (!IsTransformLength(n)) return;

    // First the whole bit-reversal pass, then the twiddle pass.
    for (int i = 1; i <= n; ++i) bitRev[i] = ReversedPosition(i, n);
    for (int i = 1; i <= n; ++i) {
        twiddleRe[i] = static_cast<float>(std::cos(TwiddleAngle(i, n)));
        twiddleIm[i] = static_cast<float>(-std::sin(TwiddleAngle(i, n)));
    }
}

}  // namespace morvaxel
