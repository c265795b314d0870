// Bit operations and the block read, through the register protocol.
#include <gtest/gtest.h>

#include "board/registers.h"
#include "exports/morvaxel.h"
#include "tests/support/board_fixture.h"

namespace morvaxel::test {
namespace {

using sim::RegisterOp;

class BitsTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        InitFastBoard();
    }
};

TEST_F(BitsTest, BitOnAndBitOffRewriteTheWholeValue) {
    PortOut(0x31, 0x0001);
    board().ClearLog();
    BitOn(0x31, 3);
    EXPECT_EQ(board().PortAccesses(), GroupWrite(BoardPorts, 0x41, 0x09, 4));
    BitOff(0x31, 0);
    EXPECT_EQ(board().WritesTo(0x31), (std::vector<uint8_t>{0x09, 0x08}));
    EXPECT_EQ(PortQinp(0x31), 0x0008);
}

TEST_F(BitsTest, BitNumbersActModuloThirtyTwoOnASixteenBitValue) {
    const struct {
        uint16_t bit;
        uint16_t setsMask;
    } cases[] = {{0, 0x0001}, {3, 0x0008}, {15, 0x8000}, {16, 0}, {20, 0}, {31, 0}, {32, 0x0001}, {35, 0x0008},
                 {50, 0}, {63, 0}, {0xFFFF, 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bit);
        PortOut(0x12, 0x4000);
        board().ClearLog();
        BitOn(0x12, c.bit);
        EXPECT_EQ(static_cast<uint16_t>(PortQinp(0x12)), 0x4000 | c.setsMask);
        EXPECT_EQ(TestQbit(0x12, c.bit), c.setsMask ? 1 : 0);
        BitOff(0x12, c.bit);
        EXPECT_EQ(static_cast<uint16_t>(PortQinp(0x12)), 0x4000);
        EXPECT_EQ(board().WritesTo(0x12).size(), 2u) << "a write every time, changed or not";
    }
}

TEST_F(BitsTest, BitOnOfASetBitStillWrites) {
    PortOut(0x0A, 0x0004);
    board().ClearLog();
    BitOn(0x0A, 2);
    EXPECT_EQ(board().PortAccesses(), LowWrite(BoardPorts, 0x0A, 0x04, 4));
}

TEST_F(BitsTest, TestQbitSeesSixteenBitsTestIbitEightAndTrueIsOne) {
    PortOut(0x44, 0x8100);
    board().SetRegisterInput(0x44, 0x81);
    EXPECT_EQ(TestQbit(0x44, 15), 1);
    EXPECT_EQ(TestQbit(0x44, 8), 1);
    EXPECT_EQ(TestQbit(0x44, 7), 0);
    board().ClearLog();
    EXPECT_EQ(TestIbit(0x44, 7), 1);
    EXPECT_EQ(TestIbit(0x44, 0), 1);
    EXPECT_EQ(TestIbit(0x44, 8), 0);
    EXPECT_EQ(TestIbit(0x44, 15), 0);
    EXPECT_EQ(TestIbit(0x44, 20), 0);
    EXPECT_EQ(TestIbit(0x44, 39), 1) << "39 acts as 7";
    EXPECT_EQ(board().RegisterAccesses().size(), 6u) << "each TestIbit reads the board";
}

TEST_F(BitsTest, RejectedRegistersTouchNoPort) {
    for (const int32_t reg : {0x16, 0x26, 0x3F, 0x46, 0x100, -1}) {
        SCOPED_TRACE(reg);
        BitOn(reg, 0);
        BitOff(reg, 0);
        EXPECT_EQ(TestQbit(reg, 0), 0);
        EXPECT_EQ(TestIbit(reg, 0), 0);
        EXPECT_TRUE(board().Events().empty());
    }
}

TEST_F(BitsTest, BlockOfTheLowRegisters) {
    for (int i = 0; i < 16; ++i) board().SetRegisterInput(i, static_cast<uint8_t>(0xF0 + i));
    for (const int32_t selector : {0x00, 0x0F, 0x105}) {
        SCOPED_TRACE(selector);
        board().ClearLog();
        int16_t block[16];
        std::fill(std::begin(block), std::end(block), int16_t{-7});
        GetIOBlockData(selector, block);
        const auto reads = board().RegisterAccesses();
        ASSERT_EQ(reads.size(), 16u);
        for (int i = 0; i < 16; ++i) {
            EXPECT_EQ(block[i], 0xF0 + i);
            EXPECT_EQ(reads[i].op, RegisterOp::LowRead);
            EXPECT_EQ(reads[i].number, i);
        }
    }
}

TEST_F(BitsTest, BlockOfAGroup) {
    for (int i = 0; i < 6; ++i) {
        PortOut(0x20 + i, 0x1100 + i);
        board().SetRegisterInput(0x20 + i, static_cast<uint8_t>(0xA0 + i));
    }
    for (const int32_t selector : {0x20, 0x25}) {
        SCOPED_TRACE(selector);
        board().ClearLog();
        int16_t block[16];
        std::fill(std::begin(block), std::end(block), int16_t{-7});
        GetIOBlockData(selector, block);
        const int16_t expected[16] = {0x1100, 0x1101, 0x1102, 0x1103, 0x1104, 0x1105, -7, -7,
                                      0xA0,   0xA1,   0xA2,   0xA3,   0xA4,   0xA5,   0,  0};
        EXPECT_TRUE(std::equal(std::begin(block), std::end(block), std::begin(expected)));
        const auto reads = board().RegisterAccesses();
        ASSERT_EQ(reads.size(), 6u) << "registers 0x26 and 0x27 are rejected without a port access";
        for (int i = 0; i < 6; ++i) EXPECT_EQ(reads[i].number, 0x20 + i);
    }
}

TEST_F(BitsTest, BlockOfGroupThreeAndOfNoGroup) {
    int16_t block[16];
    std::fill(std::begin(block), std::end(block), int16_t{0x5555});
    block[6] = 0x1234;
    block[7] = -2;
    board().SetRegisterInput(0x30, 0x99);
    GetIOBlockData(0x30, block);
    EXPECT_EQ(block[6], 0x1234);
    EXPECT_EQ(block[7], -2);
    EXPECT_EQ(block[8], 0x99);
    EXPECT_EQ(block[14], 0);
    EXPECT_EQ(block[15], 0);

    std::fill(std::begin(block), std::end(block), int16_t{0x5555});
    board().ClearLog();
    GetIOBlockData(0x50, block);
    for (int i = 0; i < 16; ++i) EXPECT_EQ(block[i], (i == 6 || i == 7) ? 0x5555 : 0) << i;
    EXPECT_TRUE(board().Events().empty());
}

}  // namespace
}  // namespace morvaxel::test
