// ShiftOut and the latch pulse on the serial command registers.
#include <gtest/gtest.h>

#include "board/registers.h"
#include "control/serial.h"
#include "tests/support/board_fixture.h"
#include "tests/support/serial_traffic.h"

namespace morvaxel::test {
namespace {

using Bytes = std::vector<uint8_t>;

class SerialTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        InitFastBoard();
    }
};

TEST_F(SerialTest, OneBitWithHeldBits) {
    ShiftOut(0x24, 0xC0, 0x8000, 1);
    EXPECT_EQ(board().WritesTo(0x24), (Bytes{0xC0, 0xC0, 0xC1, 0xC3}));
    EXPECT_EQ(ReadBack(0x24), 0xC3);
}

TEST_F(SerialTest, CountZeroWritesNothing) {
    WriteRegister(0x25, 0x55);
    board().ClearLog();
    ShiftOut(0x25, 0, 0xFFFF, 0);
    EXPECT_TRUE(board().Events().empty());
    EXPECT_EQ(ReadBack(0x25), 0x55);
}

TEST_F(SerialTest, SendsTheTopBitsMostSignificantFirst) {
    ShiftOut(0x25, 0, 0xA5FF, 8);  // the low byte is never looked at
    EXPECT_EQ(board().WritesTo(0x25), ShiftOutBytes(0, 0xA500, 8));
    std::vector<int> dataBits;
    const Bytes writes = board().WritesTo(0x25);
    for (size_t i = 3; i < writes.size(); i += 4) dataBits.push_back(writes[i] & 1);
    EXPECT_EQ(dataBits, (std::vector<int>{1, 0, 1, 0, 0, 1, 0, 1}));
}

TEST_F(SerialTest, BaseBitsTwoToSevenStayAndTheRestIsCleared) {
    ShiftOut(0x25, 0x10, 0x0000, 3);
    for (const uint8_t value : board().WritesTo(0x25)) EXPECT_EQ(value & 0x10, 0x10);

    board().ClearLog();
    ShiftOut(0x25, 0xFF13, 0x0000, 1);  // bits 8-15, 1 and 0 set in base
    EXPECT_EQ(board().WritesTo(0x25), (Bytes{0x11, 0x10, 0x10, 0x12}));
    EXPECT_EQ(ReadBack(0x25), 0x12) << "bits 8 to 15 were cleared in the shadow too";
}

TEST_F(SerialTest, LatchPulse) {
    LatchPulse(0x24, 0x40, 0x04);
    EXPECT_EQ(board().WritesTo(0x24), (Bytes{0x44, 0x44, 0x40}));
}

TEST_F(SerialTest, EveryLineChangeIsAFullGroupWrite) {
    ShiftOut(0x24, 0, 0x8000, 1);
    std::vector<Event> expected;
    for (const uint8_t value : {0x00, 0x00, 0x01, 0x03}) Append(expected, GroupWrite(BoardPorts, 0x24, value, 4));
    EXPECT_EQ(board().PortAccesses(), expected);
}

}  // namespace
}  // namespace morvaxel::test
