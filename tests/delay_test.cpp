// The busy loop, the delays' pass counts and the calibration arithmetic on
// scripted tick counts.
#include <gtest/gtest.h>

#include "board/delay.h"
#include "board/state.h"
#include "sim/board_model.h"
#include "tests/support/board_fixture.h"

namespace morvaxel::test {
namespace {

TEST(BusyLoop, MakesLimitPassesAndNoneForZeroOrLess) {
    EXPECT_EQ(BusyLoop(1), 1);
    EXPECT_EQ(BusyLoop(7), 7);
    EXPECT_EQ(BusyLoop(0), 0);
    EXPECT_EQ(BusyLoop(-5), 0);
    EXPECT_EQ(BusyLoop(kCalibrationPasses), kCalibrationPasses);
}

TEST(Delays, PassCountsFollowLoopsPer10us) {
    const struct {
        int32_t loops, half, unit, twenty, fifty;
    } cases[] = {
        {0, 0, 0, 0, 0},
        {1, 0, 1, 20, 50},
        {300, 150, 300, 6000, 15000},
        {301, 150, 301, 6020, 15050},
        {-3, 0, 0, 0, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.loops);
        LoopsPer10us = c.loops;
        EXPECT_EQ(DelayHalf(), c.half);
        EXPECT_EQ(DelayUnit(), c.unit);
        EXPECT_EQ(Delay20(), c.twenty);
        EXPECT_EQ(Delay50(), c.fifty);
    }
}

TEST(PassesPerDelayUnit, OneRoundOfCalibration) {
    const struct {
        uint32_t elapsedMs;
        int32_t expected;
    } cases[] = {
        {110, 300}, {50, 660}, {15, 2200}, {1, 33000}, {33000, 1}, {33001, 0},
        {100000, 0}, {42'949'673, 0},  // the product with 100 would wrap 32 bits here
        {0x40000000, 0}, {0xFFFFFFFF, 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PassesPerDelayUnit(kCalibrationPasses, c.elapsedMs), c.expected) << c.elapsedMs << " ms";
    }
}

using CalibrationTest = BoardTest;

TEST_F(CalibrationTest, MeasuresBetweenTwoTickReadings) {
    const struct {
        uint32_t t0, t1;
        int32_t expected;
    } cases[] = {
        {1000, 1110, 300},
        {5, 55, 660},
        {77, 78, 33000},
        {0, 33000, 1},
        {0, 33001, 0},
        {0xFFFFFFC0, 0x2E, 300},  // the tick counter wraps between the readings
        {0xFFFFFFFF, 0, 33000},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.t0 << " -> " << c.t1);
        sim::ResetBoard();
        board().ScriptTicks({c.t0, c.t1});
        EXPECT_EQ(CalibrateDelay(), c.expected);
        EXPECT_EQ(board().Events().size(), 2u) << "exactly two tick readings";
    }
}

TEST_F(CalibrationTest, EqualReadingsMeasureOnUntilTheClockMoves) {
    // Two rounds end within the same tick; the third ends 110 ms after the
    // start: 3 x 3,300,000 passes in 110 ms.
    board().ScriptTicks({500, 500, 500, 610});
    EXPECT_EQ(CalibrateDelay(), 900);
    EXPECT_EQ(board().Events().size(), 4u);
}

TEST_F(CalibrationTest, AClockThatNeverMovesKeepsTheDefaultCount) {
    board().ScriptTicks({42});
    board().SetTickStep(0);
    EXPECT_EQ(CalibrateDelay(), kLoadTimeLoopsPer10us);
    EXPECT_EQ(board().Events().size(), 1u + kMaxCalibrationRounds);
}

}  // namespace
}  // namespace morvaxel::test
