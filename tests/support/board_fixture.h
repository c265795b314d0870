// The fixture of every board test: a fresh board model per test, helpers to
// initialise the library on it, and the expected traffic of the register
// sequences, written out from the protocol's tables.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <ostream>
#include <vector>

#include "board/state.h"
#include "sim/board_model.h"

namespace morvaxel::sim {
// Found by GoogleTest through argument-dependent lookup.
void PrintTo(const Event& event, std::ostream* os);
void PrintTo(const RegisterAccess& access, std::ostream* os);
void PrintTo(const DeviceEvent& event, std::ostream* os);
}  // namespace morvaxel::sim

namespace morvaxel::test {

using sim::Event;
using sim::In;
using sim::Out;

class BoardTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    static sim::BoardModel& board() { return sim::Board(); }

    // PortInit with a calibration scripted to measure 0 passes per delay
    // unit, so every later delay is instant; the log is cleared afterwards.
    static void InitFastBoard(std::int32_t boardNumber = 0);
};

// The port traffic of one register sequence on a port set; `enable` is the
// enable bit the library is expected to use (0 before PortInit, 4 after).
std::vector<Event> GroupWrite(const PortSet& ports, std::uint8_t code, std::uint8_t value, std::uint8_t enable);
std::vector<Event> LowWrite(const PortSet& ports, std::uint8_t code, std::uint8_t value, std::uint8_t enable);
std::vector<Event> GroupRead(const PortSet& ports, std::uint8_t code, std::uint8_t value, std::uint8_t enable);
std::vector<Event> LowRead(const PortSet& ports, std::uint8_t code, std::uint8_t value, std::uint8_t enable);

// Appends one traffic list to another.
void Append(std::vector<Event>& to, const std::vector<Event>& more);

}  // namespace morvaxel::test
