// Load-time state, PC-family detection and the port-set table.
#include <gtest/gtest.h>

#include "board/state.h"
#include "exports/morvaxel.h"
#include "tests/support/board_fixture.h"

namespace morvaxel::test {
namespace {

using BoardStateTest = BoardTest;

TEST_F(BoardStateTest, LoadTimeValuesBeforeAnyCall) {
    EXPECT_EQ(BoardPorts.Data, 0x310);
    EXPECT_EQ(BoardPorts.Addr, 0x312);
    EXPECT_EQ(BoardPorts.Ctrl, 0x314);
    EXPECT_EQ(BoardPorts.Status, 0x316);
    EXPECT_EQ(LoopsPer10us, 300);
    EXPECT_EQ(BoardReady, 0);
    for (int i = 0; i < kRegisterCount; ++i) {
        EXPECT_EQ(OutShadow[i], 0) << "entry " << i;
    }
}

TEST_F(BoardStateTest, TestReportsReadinessWhateverItsArgument) {
    for (const int32_t argument : {0, 1, -1, 0x12345678}) {
        EXPECT_EQ(::Test(argument), 0) << argument;
    }
    InitFastBoard();
    for (const int32_t argument : {0, 1, -1, 0x12345678}) {
        EXPECT_EQ(::Test(argument), -1) << argument;
    }
}

TEST_F(BoardStateTest, CheckPCtypeAppliesTheSubtypeRuleOnEveryCall) {
    const struct {
        int32_t subtype;
        int16_t expected;
    } cases[] = {{0x0D01, -1}, {0x0D02, -1}, {0x0D03, -1}, {0x0D04, -1}, {0x0D00, 0},
                 {0x0D05, 0},  {0, 0},       {4, 0},       {-1, 0},      {0x10D01, 0}};
    for (const auto& c : cases) {
        board().SetKeyboardSubtype(c.subtype);
        EXPECT_EQ(CheckPCtype(), c.expected) << std::hex << c.subtype;
    }
    // One query per call, no port touched, nothing stored.
    EXPECT_EQ(board().Events().size(), std::size(cases));
    EXPECT_TRUE(board().PortAccesses().empty());
    EXPECT_EQ(BoardPorts.Data, 0x310);
}

TEST(PortSetTable, ByFamilyAndBoardNumber) {
    const struct {
        bool pc98;
        int32_t boardNumber;
        uint16_t base;
    } cases[] = {
        {false, 0, 0x310},      {false, 1, 0x318},  {false, 2, 0x300},  {false, 3, 0x308},
        {false, -1, 0x308},     {false, 100, 0x308}, {false, 0x10000, 0x308}, {false, INT32_MIN, 0x308},
        {true, 0, 0xD0},        {true, 1, 0xD8},    {true, 2, 0xC0},    {true, 3, 0xC8},
        {true, -1, 0xC8},       {true, 100, 0xC8},  {true, 0x10000, 0xC8}, {true, 0x10001, 0xC8},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << (c.pc98 ? "PC-9800 " : "PC/AT ") << "board " << c.boardNumber);
        const PortSet ports = PortSetFor(c.pc98, c.boardNumber);
        EXPECT_EQ(ports.Data, c.base);
        EXPECT_EQ(ports.Addr, c.base + 2);
        EXPECT_EQ(ports.Ctrl, c.base + 4);
        EXPECT_EQ(ports.Status, c.base + 6);
    }
}

}  // namespace
}  // namespace morvaxel::test
