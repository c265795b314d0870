// Pulse counting on status bit 0 with scripted lines and Escape.
#include <gtest/gtest.h>

#include "control/pulses.h"
#include "exports/morvaxel.h"
#include "tests/support/board_fixture.h"

namespace morvaxel::test {
namespace {

using sim::EventKind;

class PulsesTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        InitFastBoard();
    }
    // How many status reads the line script has served.
    static uint64_t Reads() { return board().StatusReads(); }
};

TEST_F(PulsesTest, LimitsZeroAndOneWaitForOnePulse) {
    for (const uint32_t limit : {0u, 1u}) {
        SCOPED_TRACE(limit);
        sim::ResetBoard();
        board().ScriptStatusLine({0, 0, 1, 1, 0, 1, 0});
        HdTimer(limit);
        EXPECT_EQ(Reads(), 5u) << "returns at the first fall";
    }
}

TEST_F(PulsesTest, LimitThreeReturnsAtTheThirdFall) {
    board().ScriptStatusLine({0, 1, 0, 1, 1, 0, 1, 0, 1, 0});
    HdTimer(3);
    EXPECT_EQ(Reads(), 8u);
}

TEST_F(PulsesTest, AllThirtyTwoBitsOfTheLimitCount) {
    std::vector<int> levels;
    for (int i = 0; i < 70000; ++i) levels.insert(levels.end(), {1, 0});
    board().ScriptStatusLine(levels);
    HdTimer(0x10001);  // not 1: the whole 32-bit limit
    EXPECT_EQ(Reads(), 2u * 0x10001);
}

TEST_F(PulsesTest, EveryPollAsksForEscapeFirst) {
    board().ScriptStatusLine({0, 1, 0});
    HdTimer(1);
    const std::vector<Event> expected = {
        {EventKind::EscapeQuery, 0, 0, 0}, In(0x316, 0), {EventKind::EscapeQuery, 0, 0, 0}, In(0x316, 1),
        {EventKind::EscapeQuery, 0, 0, 0}, In(0x316, 0)};
    EXPECT_EQ(board().Events(), expected);
}

TEST_F(PulsesTest, EscapeHeldFromBeforeTheCallReadsNoStatus) {
    board().HoldEscape(1);
    uint32_t counter = 0;
    EXPECT_EQ(WaitStatusPulse(counter), kEscapeDown);
    EXPECT_EQ(counter, 1u) << "the interrupted pulse is counted";
    EXPECT_EQ(Reads(), 0u);
    HdTimer(5);
    EXPECT_EQ(Reads(), 0u);
    EXPECT_EQ(board().EscapeQueries(), 4u) << "two queries per call, one per wait step";
}

TEST_F(PulsesTest, EscapeWhileTheLineIsHighEndsTheCount) {
    // Pulse 1 completes; pulse 2 rises and Escape goes down before it falls.
    board().ScriptStatusLine({1, 0, 1, 1, 1});
    board().HoldEscape(5);
    HdTimer(3);
    EXPECT_EQ(Reads(), 4u);
    EXPECT_EQ(board().EscapeQueries(), 5u);
}

TEST_F(PulsesTest, EscapeReleasedBetweenTheStepsLetsTheWaitGoOn) {
    // Query 1 sees Escape (step 1 ends unread), query 2 sees it released:
    // the second step goes on waiting for the line to be low.
    board().HoldEscape(1, 2);
    board().ScriptStatusLine({1, 1, 0});
    uint32_t counter = 0;
    EXPECT_EQ(WaitStatusPulse(counter), 0);
    EXPECT_EQ(counter, 1u);
    EXPECT_EQ(Reads(), 3u);
}

TEST_F(PulsesTest, ALineAlreadyHighCountsThePulseInProgress) {
    board().ScriptStatusLine({1, 1, 1, 0});
    uint32_t counter = 41;
    EXPECT_EQ(WaitStatusPulse(counter), 0);
    EXPECT_EQ(counter, 42u);
    EXPECT_EQ(Reads(), 4u);
}

TEST_F(PulsesTest, ALineStuckHighWaitsUntilEscape) {
    board().ScriptStatusLine({1});
    board().HoldEscape(1000);
    HdTimer(1);
    EXPECT_EQ(board().EscapeQueries(), 1000u);
    EXPECT_EQ(Reads(), 999u);
}

}  // namespace
}  // namespace morvaxel::test
