#include "board/delay.h"

#include "board/state.h"
#include "platform/platform.h"

namespace morvaxel {

// Kept out of line so that the calibration and every delay share one copy
// of the loop code.
[[gnu::noinline]] std::int32_t BusyLoop(std::int32_t limit) {
    volatile std::int32_t counter = 1;
    while (!(counter > limit)) {
        counter = counter + 1;
    }
    return counter - 1;
}

std::int32_t PassesPerDelayUnit(std::uint64_t passes, std::uint32_t elapsedMs) {
    // A millisecond holds 100 delay units. The product is kept in 64 bits so
    // that an absurdly long measurement (over 11.9 hours) yields 0 like any
    // other time above 33 seconds, instead of wrapping into a huge count.
    const std::uint64_t units = static_cast<std::uint64_t>(elapsedMs) * 100;
    return units == 0 ? 0 : static_cast<std::int32_t>(passes / units);
}

std::int32_t CalibrateDelay() {
    const std::uint32_t start = platform::TickCount();
    std::uint64_t passes = BusyLoop(kCalibrationPasses);
    std::uint32_t elapsed = platform::TickCount() - start;  // wraps like the tick counter
    // The loop may end within one tick of the system clock: measure on until
    // the clock has moved, so the count comes from a real elapsed time.
    for (int round = 1; elapsed == 0 && round < kMaxCalibrationRounds; ++round) {
        passes += BusyLoop(kCalibrationPasses);
        elapsed = platform::TickCount() - start;
    }
    if (elapsed == 0) {
        return kLoadTimeLoopsPer10us;  // the clock never moved: keep the default count
    }
    return PassesPerDelayUnit(passes, elapsed);
}

std::int32_t DelayHalf() { return BusyLoop(LoopsPer10us / 2); }
std::int32_t DelayUnit() { return BusyLoop(LoopsPer10us); }
// LoopsPer10us comes from CalibrateDelay, at most 16 x 33,000 passes, so
// these products stay far inside 32 bits.
std::int32_t Delay20() { return BusyLoop(20 * LoopsPer10us); }
std::int32_t Delay50() { return BusyLoop(50 * LoopsPer10us); }

}  // namespace morvaxel
