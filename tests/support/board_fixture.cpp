#include "tests/support/board_fixture.h"

#include "exports/morvaxel.h"

namespace morvaxel::test {

void BoardTest::SetUp() { sim::ResetBoard(); }

void BoardTest::TearDown() { EXPECT_FALSE(board().Runaway()) << "a wait ran without end and the model stopped it"; }

void BoardTest::InitFastBoard(std::int32_t boardNumber) {
    board().ScriptTicks({0, 40'000});  // 3,300,000 passes in 40 s: 0 passes per unit
    PortInit(boardNumber);
    board().ClearLog();
}

std::vector<Event> GroupWrite(const PortSet& p, std::uint8_t code, std::uint8_t value, std::uint8_t enable) {
    return {Out(p.Data, value), Out(p.Addr, code),           Out(p.Ctrl, enable), Out(p.Ctrl, enable | 2u),
            Out(p.Ctrl, enable), Out(p.Data, 0),             Out(p.Addr, 0)};
}

std::vector<Event> LowWrite(const PortSet& p, std::uint8_t code, std::uint8_t value, std::uint8_t enable) {
    return {Out(p.Data, value),         Out(p.Addr, code),          Out(p.Ctrl, 0x08u | enable),
            Out(p.Ctrl, 0x0Au | enable), Out(p.Ctrl, 0x08u | enable), Out(p.Ctrl, enable),
            Out(p.Data, 0),             Out(p.Addr, 0)};
}

std::vector<Event> GroupRead(const PortSet& p, std::uint8_t code, std::uint8_t value, std::uint8_t enable) {
    return {Out(p.Addr, code), Out(p.Ctrl, 0x01u | enable), In(p.Data, value), Out(p.Ctrl, enable), Out(p.Addr, 0)};
}

std::vector<Event> LowRead(const PortSet& p, std::uint8_t code, std::uint8_t value, std::uint8_t enable) {
    return {Out(p.Addr, code),          Out(p.Ctrl, 0x09u | enable), Out(p.Ctrl, 0x0Bu | enable), In(p.Data, value),
            Out(p.Ctrl, 0x09u | enable), Out(p.Ctrl, enable),         Out(p.Addr, 0)};
}

void Append(std::vector<Event>& to, const std::vector<Event>& more) { to.insert(to.end(), more.begin(), more.end()); }

}  // namespace morvaxel::test

namespace morvaxel::sim {
// Readable failure messages for the model's records.
void PrintTo(const Event& event, std::ostream* os) { *os << ToString(event); }
void PrintTo(const RegisterAccess& access, std::ostream* os) { *os << ToString(access); }
void PrintTo(const DeviceEvent& event, std::ostream* os) { *os << ToString(event); }
}  // namespace morvaxel::sim
