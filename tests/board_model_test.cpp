// The board model itself: the tests of the library stand on it.
#include <gtest/gtest.h>

#include "sim/board_model.h"
#include "tests/support/board_fixture.h"

namespace morvaxel::test {
namespace {

using sim::Device;
using sim::DeviceEvent;
using sim::RegisterAccess;
using sim::RegisterOp;

using BoardModelTest = BoardTest;

TEST_F(BoardModelTest, DecodesHandshakesIntoRegisterAccesses) {
    auto& b = board();
    b.SetRegisterInput(0x33, 0x3C);
    b.SetRegisterInput(0x07, 0x70);
    // Group write of 0x5A to code 0x40 (register 0x30).
    for (const auto& [port, value] : std::vector<std::pair<uint16_t, uint8_t>>{
             {0x310, 0x5A}, {0x312, 0x40}, {0x314, 4}, {0x314, 6}, {0x314, 4}, {0x310, 0}, {0x312, 0}}) {
        b.Output(port, 1, value);
    }
    // Group read of code 0x43, low read of code 0x07.
    b.Output(0x312, 1, 0x43);
    b.Output(0x314, 1, 5);
    EXPECT_EQ(b.Input(0x310, 1), 0x3C);
    b.Output(0x312, 1, 0x07);
    b.Output(0x314, 1, 0x0D);
    EXPECT_EQ(b.Input(0x310, 1), 0xFF) << "the low bank drives Data only with the strobe";
    b.Output(0x314, 1, 0x0F);
    EXPECT_EQ(b.Input(0x310, 1), 0x70);
    const std::vector<RegisterAccess> expected = {{RegisterOp::GroupWrite, 0x30, 0x40, 0x5A, 6},
                                                  {RegisterOp::GroupRead, 0x33, 0x43, 0x3C, 5},
                                                  {RegisterOp::LowRead, 0x07, 0x07, 0x70, 0x0F}};
    EXPECT_EQ(b.RegisterAccesses(), expected);
    EXPECT_EQ(b.Received(0x30), 0x5A);
    EXPECT_EQ(b.Received(0x31), std::nullopt);
}

TEST_F(BoardModelTest, CodesOfNoRegister) {
    EXPECT_EQ(sim::RegisterOfCode(0x30, false), -1);  // two group bits
    EXPECT_EQ(sim::RegisterOfCode(0x16, false), -1);  // index 6
    EXPECT_EQ(sim::RegisterOfCode(0x85, false), 0x45);
    EXPECT_EQ(sim::RegisterOfCode(0x0F, true), 0x0F);
    EXPECT_EQ(sim::RegisterOfCode(0x10, true), -1);
}

TEST_F(BoardModelTest, UnknownPortsReadAllOnesAndProgrammedOnesTheirValue) {
    EXPECT_EQ(board().Input(0x80, 1), 0xFFu);
    EXPECT_EQ(board().Input(0x80, 4), 0xFFFFFFFFu);
    board().SetPortInput(0x80, 0x1234);
    EXPECT_EQ(board().Input(0x80, 1), 0x34u);
}

TEST_F(BoardModelTest, ScriptsTicksKeyboardEscapeAndStatus) {
    auto& b = board();
    b.ScriptTicks({7, 9});
    b.SetTickStep(5);
    EXPECT_EQ(b.TickCount(), 7u);
    EXPECT_EQ(b.TickCount(), 9u);
    EXPECT_EQ(b.TickCount(), 14u);

    b.SetKeyboardSubtype(0x0D02);
    EXPECT_EQ(b.KeyboardSubtype(), 0x0D02);

    b.HoldEscape(2, 4);
    EXPECT_FALSE(b.EscapeKeyDown());
    EXPECT_TRUE(b.EscapeKeyDown());
    EXPECT_TRUE(b.EscapeKeyDown());
    EXPECT_FALSE(b.EscapeKeyDown());

    b.ScriptStatusLine({1, 0, 1});
    EXPECT_EQ(b.Input(0x316, 1), 1u);
    EXPECT_EQ(b.Input(0x316, 1), 0u);
    EXPECT_EQ(b.Input(0x316, 1), 1u);
    EXPECT_EQ(b.Input(0x316, 1), 1u) << "the last level holds";
    EXPECT_EQ(b.StatusReads(), 4u);
}

// Group writes of register 0x24 or 0x25 as the channel's lines see them.
void WriteLines(int reg, std::initializer_list<uint8_t> values) {
    const uint8_t code = static_cast<uint8_t>(reg);  // 0x24 and 0x25 code as themselves
    for (const uint8_t value : values) {
        sim::Board().Output(0x310, 1, value);
        sim::Board().Output(0x312, 1, code);
        sim::Board().Output(0x314, 1, 4);
        sim::Board().Output(0x314, 1, 6);
        sim::Board().Output(0x314, 1, 4);
    }
}

TEST_F(BoardModelTest, DecodesSerialLinesIntoDeviceEvents) {
    // Bits 1, 0, 1 on register 0x24 (clock rising with data), then latch 0x04.
    WriteLines(0x24, {0x00, 0x01, 0x03, 0x00, 0x02, 0x01, 0x03, 0x04, 0x04, 0x00});
    // LSB-first frequency device on 0x25: bits 1, 1, 0 = 0b011.
    WriteLines(0x25, {0x01, 0x03, 0x01, 0x03, 0x00, 0x02, 0x0A, 0x08, 0x00});
    // A level frame: enable 0x10 rises, two bits, falls.
    WriteLines(0x25, {0x10, 0x11, 0x13, 0x10, 0x12, 0x10, 0x00});
    const std::vector<DeviceEvent> expected = {{Device::Relay, 3, 0b101}, {Device::Frequency2, 3, 0b011}, {Device::Level, 2, 0b10}};
    EXPECT_EQ(board().DeviceEvents(), expected);
}

TEST_F(BoardModelTest, AnUnscriptedEndlessWaitIsStoppedAndFlagged) {
    uint64_t polls = 0;
    while (!board().EscapeKeyDown()) ++polls;
    EXPECT_EQ(polls, sim::BoardModel::kRunawayPolls);
    EXPECT_TRUE(board().Runaway());
    sim::ResetBoard();  // this test provoked it on purpose
}

}  // namespace
}  // namespace morvaxel::test
