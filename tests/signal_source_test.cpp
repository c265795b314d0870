// The signal-source commands on register 0x25 and the words their devices
// receive.
#include <gtest/gtest.h>

#include "board/registers.h"
#include "exports/morvaxel.h"
#include "tests/support/board_fixture.h"
#include "tests/support/serial_traffic.h"

namespace morvaxel::test {
namespace {

using Bytes = std::vector<uint8_t>;
using sim::Device;
using sim::DeviceEvent;

class SignalSourceTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        InitFastBoard();
    }
    static std::vector<DeviceEvent> Devices() { return board().DeviceEvents(); }
};

// The writes of ContFreq's own loop: bit 0 first, clock low, 0, bit, clock high.
Bytes FrequencyBits(uint16_t value) {
    Bytes bytes;
    uint8_t v = 0;
    for (int i = 0; i < 16; ++i) {
        v &= 0xFD;
        bytes.push_back(v);
        bytes.push_back(0);
        v = (value >> i) & 1;
        bytes.push_back(v);
        v |= 2;
        bytes.push_back(v);
    }
    return bytes;
}

TEST_F(SignalSourceTest, ContFreqLatchesBeforeTheClockFalls) {
    ContFreq(1, 0x0001);
    EXPECT_EQ(board().WritesTo(0x25), Concat({FrequencyBits(0x0001), {0x06, 0x04, 0x00}}));
    EXPECT_EQ(Devices(), (std::vector<DeviceEvent>{{Device::Frequency1, 16, 0x0001}}));

    board().ClearLog();
    ContFreq(2, 0x8000);
    EXPECT_EQ(board().WritesTo(0x25), Concat({FrequencyBits(0x8000), {0x0B, 0x09, 0x00}}));
    EXPECT_EQ(Devices(), (std::vector<DeviceEvent>{{Device::Frequency2, 16, 0x8000}}));

    board().ClearLog();
    ContFreq(0x10001, 0x1234);  // selector 1 in the low half
    EXPECT_EQ(Devices(), (std::vector<DeviceEvent>{{Device::Frequency1, 16, 0x1234}}));
}

TEST_F(SignalSourceTest, ContFreqWithAnyOtherSelectorLatchesNothing) {
    for (const int32_t selector : {0, 3, -1}) {
        SCOPED_TRACE(selector);
        board().ClearLog();
        ContFreq(selector, 0xBEEF);
        EXPECT_EQ(board().WritesTo(0x25), Concat({FrequencyBits(0xBEEF), {0x00}}));
        EXPECT_TRUE(Devices().empty());
    }
}

TEST_F(SignalSourceTest, ContLevelFrameWithEnableHeld) {
    ContLevel(0x7F7F);  // bits 0-6 and 8-14
    const Bytes expected = Concat({{0x10}, ShiftOutBytes(0x10, 0, 6), ShiftOutBytes(0x10, 0x7F7F << 1, 7),
                                   ShiftOutBytes(0x10, static_cast<uint16_t>(0x7F7F << 9), 7), ShiftOutBytes(0x10, 0, 8), {0x10, 0x00}});
    const Bytes writes = board().WritesTo(0x25);
    EXPECT_EQ(writes, expected);
    for (size_t i = 0; i + 1 < writes.size(); ++i) EXPECT_EQ(writes[i] & 0x10, 0x10) << "write " << i;
    // Six 0 bits, fourteen 1 bits, eight 0 bits.
    EXPECT_EQ(Devices(), (std::vector<DeviceEvent>{{Device::Level, 28, 0x3FFF00}}));

    board().ClearLog();
    ContLevel(0x8080);  // bits 15 and 7 are never sent
    EXPECT_EQ(Devices(), (std::vector<DeviceEvent>{{Device::Level, 28, 0}}));

    board().ClearLog();
    ContLevel(0x1203);  // 0x12 then 0x03 as two 7-bit fields
    EXPECT_EQ(Devices(), (std::vector<DeviceEvent>{{Device::Level, 28, (0x12u << 15 | 0x03u << 8)}}));
}

TEST_F(SignalSourceTest, ShiftOutCommandsAndTheirLatches) {
    const struct {
        void (*command)(int32_t);
        int32_t value;
        uint16_t sentWord;
        int bits;
        uint8_t latch;
        Device device;
        uint64_t received;
    } cases[] = {
        {ContDirect, 0x8001, 0x8001, 16, 0x20, Device::Direct, 0x8001},
        {ContSigSW, 0x0100, 0x0000, 8, 0x40, Device::SignalSwitch, 0x00},
        {ContSigSW, 0x00FF, 0xFF00, 8, 0x40, Device::SignalSwitch, 0xFF},
        {ContBellDA, 0x0800, 0x0000, 11, 0x80, Device::BellDA, 0x000},
        {ContBellDA, 0x07FF, 0xFFE0, 11, 0x80, Device::BellDA, 0x7FF},
        {ContBellDA, 0x0555, 0xAAA0, 11, 0x80, Device::BellDA, 0x555},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << sim::ToString(c.device) << " 0x" << std::hex << c.value);
        board().ClearLog();
        c.command(c.value);
        EXPECT_EQ(board().WritesTo(0x25), Concat({ShiftOutBytes(0, c.sentWord, c.bits), LatchBytes(0, c.latch)}));
        EXPECT_EQ(Devices(), (std::vector<DeviceEvent>{{c.device, c.bits, c.received}}));
        EXPECT_EQ(ReadBack(0x25), 0) << "the register rests at 0";
    }
}

TEST_F(SignalSourceTest, RegisterHoldsNoBitsBetweenCommands) {
    PortOut(0x25, 0xFF);
    board().ClearLog();
    ContSigSW(0);
    EXPECT_EQ(board().WritesTo(0x25).front(), 0x00) << "built from constants, not from the last value";
}

}  // namespace
}  // namespace morvaxel::test
