// Calibrated busy waits. Every delay and the calibration run the same busy
// loop, so one pass costs the same time in each of them.
#pragma once

#include <cstdint>

namespace morvaxel {

// Passes of the busy loop that CalibrateDelay times.
inline constexpr std::int32_t kCalibrationPasses = 3'300'000;

// Rounds of kCalibrationPasses that CalibrateDelay runs at most while the
// tick count does not move; a clock that stays still for longer is broken.
inline constexpr int kMaxCalibrationRounds = 16;

// Runs the busy loop: a volatile counter from 1 while it is not greater
// than the limit. Returns the passes made (0 for a limit of 0 or less).
std::int32_t BusyLoop(std::int32_t limit);

// Measures the busy-loop passes per delay unit against the tick count.
std::int32_t CalibrateDelay();

// The pass count of CalibrateDelay for passes that took elapsedMs.
std::int32_t PassesPerDelayUnit(std::uint64_t passes, std::uint32_t elapsedMs);

// Busy waits of 0.5, 1, 20 and 50 delay units at the current LoopsPer10us.
// Each returns the passes it made.
std::int32_t DelayHalf();
std::int32_t DelayUnit();
std::int32_t Delay20();
std::int32_t Delay50();

}  // namespace morvaxel
