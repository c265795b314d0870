// Register numbers, the shadow, and the four port sequences, checked on the
// board model's access log.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "board/registers.h"
#include "board/state.h"
#include "exports/morvaxel.h"
#include "tests/support/board_fixture.h"

namespace morvaxel::test {
namespace {

constexpr PortSet kBoard0 = kLoadTimePorts;

// Every accepted register number with its hardware address code.
std::vector<std::pair<uint16_t, uint8_t>> AcceptedRegisters() {
    std::vector<std::pair<uint16_t, uint8_t>> all;
    for (uint16_t n = 0; n < 0x10; ++n) all.emplace_back(n, n);
    const uint8_t groupBits[] = {0x10, 0x20, 0x40, 0x80};
    for (int group = 0; group < 4; ++group) {
        for (uint16_t i = 0; i < 6; ++i) {
            all.emplace_back(static_cast<uint16_t>(0x10 * (group + 1) + i), static_cast<uint8_t>(groupBits[group] | i));
        }
    }
    return all;
}

TEST(MapRegister, AcceptsExactlyTheFortyRegistersAndCodesThem) {
    std::map<uint16_t, uint8_t> expected;
    for (const auto& [number, code] : AcceptedRegisters()) expected[number] = code;
    for (uint32_t n = 0; n <= 0xFFFF; ++n) {
        uint16_t value = static_cast<uint16_t>(n);
        const uint16_t status = MapRegister(value);
        const auto found = expected.find(static_cast<uint16_t>(n));
        if (found != expected.end()) {
            ASSERT_EQ(status, kRegisterAccepted) << std::hex << n;
            ASSERT_EQ(value, found->second) << std::hex << n;
        } else {
            ASSERT_EQ(status, kRegisterRejected) << std::hex << n;
            ASSERT_EQ(value, n) << "a rejected number is left as it was";
        }
    }
}

TEST(ShadowIndex, FillsFortyEntriesWithoutGapsOrOverlaps) {
    std::set<uint16_t> seen;
    for (const auto& [number, code] : AcceptedRegisters()) {
        const uint16_t index = ShadowIndex(number);
        EXPECT_LT(index, kRegisterCount);
        EXPECT_TRUE(seen.insert(index).second) << "index " << index << " twice";
    }
    EXPECT_EQ(ShadowIndex(0x10), 16);
    EXPECT_EQ(ShadowIndex(0x20), 22);
    EXPECT_EQ(ShadowIndex(0x30), 28);
    EXPECT_EQ(ShadowIndex(0x45), 39);
}

class RegisterSequenceTest : public BoardTest, public ::testing::WithParamInterface<bool> {
protected:
    // Runs before or after PortInit, as the parameter says; returns the
    // enable bit the sequences must carry.
    uint8_t Prepare() {
        if (GetParam()) {
            InitFastBoard(1);  // board 1: ports 0x318 to 0x31E
            board().SetBase(0x318);
            return 4;
        }
        return 0;
    }
};

TEST_P(RegisterSequenceTest, GroupWrite) {
    const uint8_t enable = Prepare();
    PortOut(0x30, 0x1A5);
    EXPECT_EQ(board().PortAccesses(), GroupWrite(BoardPorts, 0x40, 0xA5, enable));
    ASSERT_EQ(board().RegisterWrites().size(), 1u);
    EXPECT_EQ(board().RegisterWrites()[0], (sim::RegisterAccess{sim::RegisterOp::GroupWrite, 0x30, 0x40, 0xA5, uint8_t(enable | 2)}));
    EXPECT_EQ(static_cast<uint16_t>(PortQinp(0x30)), 0x1A5) << "the shadow keeps all 16 bits";
}

TEST_P(RegisterSequenceTest, LowWrite) {
    const uint8_t enable = Prepare();
    PortOut(0x0B, 7);
    EXPECT_EQ(board().PortAccesses(), LowWrite(BoardPorts, 0x0B, 7, enable));
    EXPECT_EQ(board().Received(0x0B), 7);
}

TEST_P(RegisterSequenceTest, GroupRead) {
    const uint8_t enable = Prepare();
    board().SetRegisterInput(0x21, 0xC3);
    EXPECT_EQ(PortIinp(0x21), 0xC3);
    EXPECT_EQ(board().PortAccesses(), GroupRead(BoardPorts, 0x21, 0xC3, enable));
}

TEST_P(RegisterSequenceTest, LowRead) {
    const uint8_t enable = Prepare();
    board().SetRegisterInput(0x03, 0x5A);
    EXPECT_EQ(PortIinp(0x03), 0x5A);
    EXPECT_EQ(board().PortAccesses(), LowRead(BoardPorts, 0x03, 0x5A, enable));
}

INSTANTIATE_TEST_SUITE_P(BeforeAndAfterPortInit, RegisterSequenceTest, ::testing::Bool(),
                         [](const auto& info) { return info.param ? "AfterPortInit" : "BeforePortInit"; });

using RegistersTest = BoardTest;

TEST_F(RegistersTest, HardwareCodesOnAddr) {
    PortOut(0x45, 7);
    PortOut(0x0B, 7);
    PortOut(0x15, 7);
    std::vector<Event> expected = GroupWrite(kBoard0, 0x85, 7, 0);
    Append(expected, LowWrite(kBoard0, 0x0B, 7, 0));
    Append(expected, GroupWrite(kBoard0, 0x15, 7, 0));
    EXPECT_EQ(board().PortAccesses(), expected);
}

TEST_F(RegistersTest, AllFortyRegistersRoundTripThroughTheShadow) {
    PortOut(0x06, 1);
    PortOut(0x10, 2);
    EXPECT_EQ(PortQinp(0x06), 1);
    EXPECT_EQ(PortQinp(0x10), 2);

    uint16_t value = 0x8001;
    for (const auto& [number, code] : AcceptedRegisters()) {
        PortOut(number, value);
        value = static_cast<uint16_t>(value + 0x0101);
    }
    value = 0x8001;
    for (const auto& [number, code] : AcceptedRegisters()) {
        EXPECT_EQ(static_cast<uint16_t>(PortQinp(number)), value) << std::hex << number;
        value = static_cast<uint16_t>(value + 0x0101);
    }
    // Each write reached its own register on the board.
    const auto writes = board().RegisterWrites();
    ASSERT_EQ(writes.size(), 2 + AcceptedRegisters().size());
    for (size_t i = 0; i < AcceptedRegisters().size(); ++i) {
        EXPECT_EQ(writes[2 + i].number, AcceptedRegisters()[i].first);
        EXPECT_EQ(writes[2 + i].code, AcceptedRegisters()[i].second);
    }
}

TEST_F(RegistersTest, UnwrittenRegistersReadBackZero) {
    EXPECT_EQ(PortQinp(0x00), 0);
    EXPECT_EQ(PortQinp(0x45), 0);
    EXPECT_TRUE(board().Events().empty()) << "a read-back touches no port";
}

TEST_F(RegistersTest, RejectedNumbersTouchNoPortAndReadZero) {
    for (const int32_t number : {0x16, 0x1F, 0x26, 0x2F, 0x36, 0x46, 0x100, 0xFFFF, -1}) {
        SCOPED_TRACE(number);
        board().SetRegisterInput(number & 0xFF, 0x77);
        PortOut(number, 0x55);
        EXPECT_EQ(PortQinp(number), 0);
        EXPECT_EQ(PortIinp(number), 0);
        EXPECT_TRUE(board().Events().empty());
    }
    for (int i = 0; i < kRegisterCount; ++i) EXPECT_EQ(OutShadow[i], 0);
}

TEST_F(RegistersTest, OnlyTheLowHalfOfEachSlotCounts) {
    PortOut(0x7FFF0030, static_cast<int32_t>(0xABCD01A5));
    EXPECT_EQ(board().PortAccesses(), GroupWrite(kBoard0, 0x40, 0xA5, 0));
    EXPECT_EQ(static_cast<uint16_t>(PortQinp(0x12340030)), 0x01A5);
    PortOut(0x00010016, 1);  // 0x16 in the low half: rejected
    EXPECT_EQ(board().PortAccesses().size(), 7u);
}

TEST_F(RegistersTest, BoardReadsAreBytes) {
    board().SetRegisterInput(0x0F, 0xFF);
    board().SetRegisterInput(0x45, 0xFF);
    EXPECT_EQ(PortIinp(0x0F), 255);
    EXPECT_EQ(PortIinp(0x45), 255);
}

TEST_F(RegistersTest, AWriteToAnAbsentBoardStillUpdatesTheShadow) {
    board().SetBase(0x200);  // nothing answers at 0x310
    PortOut(0x22, 0x1234);
    EXPECT_EQ(PortQinp(0x22), 0x1234);
    EXPECT_EQ(PortIinp(0x22), 0xFF) << "an empty bus reads all ones";
}

}  // namespace
}  // namespace morvaxel::test
