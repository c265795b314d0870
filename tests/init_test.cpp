// PortInit and AllOutClear on the board model's timeline.
#include <gtest/gtest.h>

#include "board/state.h"
#include "exports/morvaxel.h"
#include "tests/support/board_fixture.h"

namespace morvaxel::test {
namespace {

using sim::EventKind;

// The 24 clearing writes on a port set, in order.
std::vector<Event> ClearingWrites(const PortSet& ports, uint8_t enable) {
    std::vector<Event> traffic;
    for (const uint8_t groupBit : {0x10, 0x20, 0x40, 0x80}) {
        for (uint8_t i = 0; i < 6; ++i) Append(traffic, GroupWrite(ports, groupBit | i, 0, enable));
    }
    return traffic;
}

using InitTest = BoardTest;

TEST_F(InitTest, FirstPortInitCalibratesDetectsClearsThenEnables) {
    board().ScriptTicks({1000, 1050});  // 50 ms: 660 passes per unit
    board().SetKeyboardSubtype(0);
    PortInit(0);

    const auto& events = board().Events();
    ASSERT_GE(events.size(), 3u);
    // Calibration first, before any port is touched; then the detection.
    EXPECT_EQ(events[0], (Event{EventKind::TickRead, 0, 0, 1000}));
    EXPECT_EQ(events[1], (Event{EventKind::TickRead, 0, 0, 1050}));
    EXPECT_EQ(events[2], (Event{EventKind::KeyboardQuery, 0, 0, 0}));
    const std::vector<Event> ports(events.begin() + 3, events.end());

    std::vector<Event> expected = ClearingWrites(kLoadTimePorts, 0);  // not ready yet: no enable bit
    expected.push_back(Out(0x314, 4));
    EXPECT_EQ(ports, expected);

    EXPECT_EQ(LoopsPer10us, 660);
    EXPECT_EQ(BoardReady, -1);
    EXPECT_EQ(::Test(0), -1);
    std::vector<int> cleared;
    for (const auto& write : board().RegisterWrites()) cleared.push_back(write.number);
    const std::vector<int> groupRegisters = {0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x20, 0x21, 0x22, 0x23, 0x24, 0x25,
                                             0x30, 0x31, 0x32, 0x33, 0x34, 0x35, 0x40, 0x41, 0x42, 0x43, 0x44, 0x45};
    EXPECT_EQ(cleared, groupRegisters);
}

TEST_F(InitTest, PortSetFollowsFamilyAndBoardNumber) {
    const struct {
        int32_t subtype;
        int32_t boardNumber;
        uint16_t base;
    } cases[] = {
        {0, 0, 0x310},      {0, 1, 0x318},       {0, 2, 0x300},       {0, 3, 0x308},      {0, -1, 0x308},
        {0, 100, 0x308},    {0, 0x10000, 0x308}, {0x0D01, 1, 0xD8},   {0x0D02, 2, 0xC0},  {0x0D04, 0, 0xD0},
        {0x0D03, 0x10000, 0xC8}, {0x0D01, -1, 0xC8}, {0x0D01, 100, 0xC8}, {0x0D05, 1, 0x318},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << "subtype " << std::hex << c.subtype << " board " << std::dec << c.boardNumber);
        sim::ResetBoard();
        board().ScriptTicks({0, 40'000});
        board().SetKeyboardSubtype(c.subtype);
        board().SetBase(c.base);
        const uint8_t enable = BoardReady ? 4 : 0;  // set by the case before
        PortInit(c.boardNumber);
        const PortSet ports{c.base, uint16_t(c.base + 2), uint16_t(c.base + 4), uint16_t(c.base + 6)};
        EXPECT_EQ(BoardPorts.Data, ports.Data);
        EXPECT_EQ(BoardPorts.Status, ports.Status);
        std::vector<Event> expected = ClearingWrites(ports, enable);
        expected.push_back(Out(ports.Ctrl, 4));
        EXPECT_EQ(board().PortAccesses(), expected);
        EXPECT_EQ(board().RegisterWrites().size(), 24u) << "the board at the selected set received the clearing";
    }
}

TEST_F(InitTest, ClearingLeavesLowRegistersAndZeroesGroupShadows) {
    PortOut(0x05, 0x1234);
    PortOut(0x23, 0xFF);
    PortOut(0x45, 0x77);
    InitFastBoard();
    EXPECT_EQ(PortQinp(0x05), 0x1234);
    EXPECT_EQ(PortQinp(0x23), 0);
    EXPECT_EQ(PortQinp(0x45), 0);
    for (int i = 16; i < kRegisterCount; ++i) EXPECT_EQ(OutShadow[i], 0) << i;
}

TEST_F(InitTest, SecondPortInitMovesToTheNewBoardWithTheEnableBit) {
    InitFastBoard(0);
    board().ScriptTicks({0, 40'000});
    board().SetBase(0x318);
    PortInit(1);
    std::vector<Event> expected = ClearingWrites(PortSet{0x318, 0x31A, 0x31C, 0x31E}, 4);
    expected.push_back(Out(0x31C, 4));
    EXPECT_EQ(board().PortAccesses(), expected);
    board().ClearLog();
    PortOut(0x10, 1);
    EXPECT_EQ(board().PortAccesses(), GroupWrite(PortSet{0x318, 0x31A, 0x31C, 0x31E}, 0x10, 1, 4));
    EXPECT_EQ(::Test(0), -1);
}

TEST_F(InitTest, AllOutClearIsExactlyTheTwentyFourWrites) {
    PortOut(0x23, 0xFF);
    board().ClearLog();
    AllOutClear();  // before PortInit: load-time ports, no enable bit
    EXPECT_EQ(board().Events(), ClearingWrites(kLoadTimePorts, 0));
    EXPECT_EQ(PortQinp(0x23), 0);
    EXPECT_EQ(board().WritesTo(0x23), std::vector<uint8_t>{0});
    EXPECT_EQ(BoardReady, 0) << "AllOutClear does not make the board ready";

    InitFastBoard();
    PortOut(0x23, 0xFF);
    board().ClearLog();
    AllOutClear();
    EXPECT_EQ(board().Events(), ClearingWrites(kLoadTimePorts, 4));
}

}  // namespace
}  // namespace morvaxel::test
