// The line commands on register 0x24 and the click output on 0x23.
#include <gtest/gtest.h>

#include <cstring>

#include "board/registers.h"
#include "control/line.h"
#include "exports/morvaxel.h"
#include "tests/support/board_fixture.h"
#include "tests/support/guarded_buffer.h"
#include "tests/support/serial_traffic.h"

namespace morvaxel::test {
namespace {

using Bytes = std::vector<uint8_t>;
using sim::Device;
using sim::DeviceEvent;

class LineTest : public BoardTest {
protected:
    void SetUp() override {
        BoardTest::SetUp();
        InitFastBoard();
    }
    static std::vector<DeviceEvent> Devices() { return board().DeviceEvents(); }
};

TEST_F(LineTest, ContRelayDeliversTheWord) {
    ContRelay(0x1234);
    EXPECT_EQ(board().WritesTo(0x24), Concat({ShiftOutBytes(0, 0x1234, 16), LatchBytes(0, 0x04)}));
    EXPECT_EQ(Devices(), (std::vector<DeviceEvent>{{Device::Relay, 16, 0x1234}}));

    board().ClearLog();
    ContRelay(0);
    EXPECT_EQ(board().WritesTo(0x24), Concat({ShiftOutBytes(0, 0, 16), Bytes{0x04, 0x04, 0x00}}));
}

TEST_F(LineTest, LineCurrentSendsTheLowByte) {
    LineCurrent(0x1FF);
    EXPECT_EQ(board().WritesTo(0x24), Concat({ShiftOutBytes(0, 0xFF00, 8), Bytes{0x08, 0x08, 0x00}}));
    EXPECT_EQ(Devices(), (std::vector<DeviceEvent>{{Device::LineCurrent, 8, 0xFF}}));
}

TEST_F(LineTest, HeldBitsSurviveEveryLineCommand) {
    const struct {
        const char* name;
        void (*command)();
    } commands[] = {
        {"ContRelay", [] { ContRelay(0xA55A); }},
        {"LineCurrent", [] { LineCurrent(0x3C); }},
        {"ExchgLine", [] { ExchgLine(0, "0123456789"); }},
    };
    for (const auto& c : commands) {
        SCOPED_TRACE(c.name);
        BitOff(0x24, 7);
        BitOn(0x24, 6);
        board().ClearLog();
        c.command();
        const Bytes writes = board().WritesTo(0x24);
        ASSERT_FALSE(writes.empty());
        for (const uint8_t value : writes) EXPECT_EQ(value & 0xC0, 0x40);
        EXPECT_EQ(writes.back(), 0x40);
        EXPECT_EQ(ReadBack(0x24), 0x40);
    }
}

TEST_F(LineTest, OnlyBitsSixAndSevenAreHeld) {
    PortOut(0x24, 0x1FF);  // every bit, bits 8 and 0-5 included
    board().ClearLog();
    ContRelay(0);
    EXPECT_EQ(board().WritesTo(0x24), Concat({ShiftOutBytes(0xC0, 0, 16), LatchBytes(0xC0, 0x04)}));
}

TEST(HexDigitValue, AcceptsTheSixteenDigitsInBothCases) {
    const struct {
        uint16_t code;
        uint16_t result;
        uint16_t after;
    } cases[] = {
        {0x30, 0, 0},       {0x39, 0, 9},       {0x41, 0, 10},      {0x61, 0, 10},      {0x46, 0, 15},
        {0x66, 0, 15},      {0x2F, 0xFFFF, 0x2F}, {0x3A, 0xFFFF, 0x3A}, {0x40, 0xFFFF, 0x40}, {0x47, 0xFFFF, 0x47},
        {0x60, 0xFFFF, 0x60}, {0x67, 0xFFFF, 0x67}, {0x00, 0xFFFF, 0x00}, {0xB0, 0xFFFF, 0xB0}, {0x130, 0xFFFF, 0x130},
    };
    for (const auto& c : cases) {
        uint16_t code = c.code;
        EXPECT_EQ(HexDigitValue(code), c.result) << std::hex << c.code;
        EXPECT_EQ(code, c.after) << std::hex << c.code;
    }
}

TEST_F(LineTest, ExchgLineSendsTheTextAsOneHexNumber) {
    ExchgLine(0, "12345678aB");
    const Bytes expected = Concat({ShiftOutBytes(0, 0x0012, 16), ShiftOutBytes(0, 0x3456, 16),
                                   ShiftOutBytes(0, 0x78AB, 16), LatchBytes(0, 0x10)});
    EXPECT_EQ(board().WritesTo(0x24), expected);
    EXPECT_EQ(Devices(), (std::vector<DeviceEvent>{{Device::ExchangeLine0, 48, 0x0012345678ABull}}));
}

TEST_F(LineTest, ExchgLineSelectorChoosesTheDevice) {
    const struct {
        int32_t selector;
        Device device;
    } cases[] = {{0, Device::ExchangeLine0}, {0x10000, Device::ExchangeLine0}, {1, Device::ExchangeLine1},
                 {-1, Device::ExchangeLine1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.selector);
        board().ClearLog();
        ExchgLine(c.selector, "FEDCBA9876");
        EXPECT_EQ(Devices(), (std::vector<DeviceEvent>{{c.device, 48, 0x00FEDCBA9876ull}}));
    }
}

TEST_F(LineTest, ExchgLineStopsAtTheFirstNonDigitWithoutTouchingTheBoard) {
    const struct {
        const char* text;
        size_t readable;  // bytes up to and including the bad one
    } cases[] = {{"G", 1}, {"123456G", 7}, {"123456789g", 10}, {"12345", 6}, {"0x23456789", 2}, {"12 4567890", 3}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        // The bad byte is the last readable one: reading past it faults.
        GuardedBuffer text(c.readable);
        std::memcpy(text.data(), c.text, c.readable);
        PortOut(0x24, 0x40);
        board().ClearLog();
        ExchgLine(0, reinterpret_cast<const char*>(text.data()));
        EXPECT_TRUE(board().Events().empty());
        EXPECT_EQ(ReadBack(0x24), 0x40);
    }
}

TEST_F(LineTest, ClickPulseCounts) {
    const struct {
        uint32_t count;
        uint64_t pulses;
    } cases[] = {{0, 1}, {1, 1}, {5, 5}, {6, 1}, {7, 2}, {0xFFFFFFFF, 0xFFFFFFFA}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.count);
        sim::ResetBoard();
        std::vector<int> levels;
        for (uint64_t i = 0; i < std::min<uint64_t>(c.pulses, 8) + 1; ++i) levels.insert(levels.end(), {1, 0});
        board().ScriptStatusLine(levels);
        if (c.pulses > 8) board().HoldEscape(2 * 8 + 1);  // Escape after eight pulses
        Click(c.count);
        EXPECT_EQ(board().StatusReads(), 2 * std::min<uint64_t>(c.pulses, 8));
        EXPECT_EQ(board().WritesTo(0x23), (Bytes{0x01, 0x00}));
    }
}

TEST_F(LineTest, ClickKeepsTheOtherBitsOfRegister23) {
    PortOut(0x23, 0x0102);  // bits 8 and 1
    board().ClearLog();
    board().ScriptStatusLine({1, 0});
    Click(1);
    const auto writes = board().RegisterWrites();
    ASSERT_EQ(writes.size(), 2u);
    EXPECT_EQ(writes[0].value, 0x03);
    EXPECT_EQ(writes[1].value, 0x02);
    EXPECT_EQ(ReadBack(0x23), 0x0002) << "bit 0 fell and bits 8 to 15 were not written back";
}

TEST_F(LineTest, ClickInterruptedByEscapeStillLowersItsOutput) {
    board().ScriptStatusLine({1});  // the line rises and stays
    board().HoldEscape(3);
    Click(3);
    EXPECT_EQ(board().WritesTo(0x23), (Bytes{0x01, 0x00}));
}

}  // namespace
}  // namespace morvaxel::test
