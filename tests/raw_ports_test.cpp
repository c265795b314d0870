// Raw port access: one instruction of the stated width, value returned.
#include <gtest/gtest.h>

#include "exports/morvaxel.h"
#include "tests/support/board_fixture.h"

namespace morvaxel::test {
namespace {

using RawPortsTest = BoardTest;

TEST_F(RawPortsTest, OutputsWriteOneAccessOfTheirWidthAndReturnTheValue) {
    EXPECT_EQ(OutB(0x80, 0x1A5), 165);
    EXPECT_EQ(OutW(0x1F0, 0xFFFF), 0xFFFF);
    EXPECT_EQ(OutD(0xCF8, 0x80001234u), 0x80001234u);
    EXPECT_EQ(OutB(0xFFFF, -1), 0xFF) << "the byte comes back zero-extended";
    const std::vector<Event> expected = {Out(0x80, 0xA5, 1), Out(0x1F0, 0xFFFF, 2), Out(0xCF8, 0x80001234u, 4),
                                         Out(0xFFFF, 0xFF, 1)};
    EXPECT_EQ(board().Events(), expected);
}

TEST_F(RawPortsTest, InputsReadOneAccessOfTheirWidth) {
    board().SetPortInput(0x200, 0x89ABCDEF);
    EXPECT_EQ(InpB(0x200), 0xEF);
    EXPECT_EQ(InpW(0x200), 0xCDEF);
    EXPECT_EQ(InpD(0x200), 0x89ABCDEFu);
    const std::vector<Event> expected = {In(0x200, 0xEF, 1), In(0x200, 0xCDEF, 2), In(0x200, 0x89ABCDEFu, 4)};
    EXPECT_EQ(board().Events(), expected);
}

TEST_F(RawPortsTest, AnEmptyBusReadsAllOnesAndInpBIsNotNegative) {
    EXPECT_EQ(InpB(0x2F8), 255);
    EXPECT_EQ(InpW(0x2F8), 0xFFFF);
    EXPECT_EQ(InpD(0x2F8), 0xFFFFFFFFu);
}

TEST_F(RawPortsTest, PortsAboveSevenFFFAndSlotGarbage) {
    board().SetPortInput(0x8000, 0x42);
    EXPECT_EQ(InpB(static_cast<int16_t>(-32768)), 0x42);
    EXPECT_EQ(InpB(0x7FFF8000), 0x42) << "only the low 16 bits address the port";
    EXPECT_EQ(OutW(0x12340300, static_cast<int32_t>(0xFFFF1234)), 0x1234);
    EXPECT_EQ(board().Events().back(), Out(0x0300, 0x1234, 2));
}

TEST_F(RawPortsTest, RawAccessNeedsNoPortInitAndChangesNoState) {
    OutB(0x314, 6);
    EXPECT_EQ(::Test(0), 0);
    EXPECT_EQ(PortQinp(0x24), 0);
}

}  // namespace
}  // namespace morvaxel::test
