// A software board with a logic analyser, behind the simulated backend.
//
// It answers every platform call of the library: it logs each port access
// and system query in one timeline, decodes the control-port handshakes
// into register accesses, decodes the serial lines of registers 0x24 and
// 0x25 into device events, and plays scripts for the status line, the
// Escape key and the tick count.
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace morvaxel::sim {

// One platform call, in the order the library made it. The position in the
// timeline is the time: the tick count is itself scripted.
enum class EventKind : std::uint8_t { PortOut, PortIn, TickRead, KeyboardQuery, EscapeQuery };

struct Event {
    EventKind kind{};
    std::uint16_t port = 0;   // port accesses only
    std::uint8_t width = 0;   // bytes of a port access: 1, 2 or 4
    std::uint32_t value = 0;  // written, read, or the answer given to a query
    friend bool operator==(const Event&, const Event&) = default;
};

// Shorthands for expected port traffic.
inline Event Out(std::uint16_t port, std::uint32_t value, std::uint8_t width = 1) {
    return {EventKind::PortOut, port, width, value};
}
inline Event In(std::uint16_t port, std::uint32_t value, std::uint8_t width = 1) {
    return {EventKind::PortIn, port, width, value};
}

// A register access decoded from the Data/Addr/Ctrl handshake.
enum class RegisterOp : std::uint8_t { GroupWrite, LowWrite, GroupRead, LowRead };

struct RegisterAccess {
    RegisterOp op{};
    int number = -1;         // register number (0x30 for code 0x40); -1 if no register has the code
    std::uint8_t code = 0;   // the hardware address code on Addr
    std::uint8_t value = 0;  // the byte written or read
    std::uint8_t ctrl = 0;   // Ctrl when the strobe rose (writes) or Data was read (reads)
    friend bool operator==(const RegisterAccess&, const RegisterAccess&) = default;
};

// The devices behind the serial command registers, by their latch bits.
enum class Device : std::uint8_t {
    Relay,          // 0x24 latch 0x04
    LineCurrent,    // 0x24 latch 0x08
    ExchangeLine0,  // 0x24 latch 0x10
    ExchangeLine1,  // 0x24 latch 0x20
    Frequency1,     // 0x25 latch 0x04, bits arrive least significant first
    Frequency2,     // 0x25 latch 0x08, bits arrive least significant first
    Level,          // 0x25, the frame between the rise and the fall of enable bit 0x10
    Direct,         // 0x25 latch 0x20
    SignalSwitch,   // 0x25 latch 0x40
    BellDA,         // 0x25 latch 0x80
};

// A word strobed into a device: the bits clocked in since the last delivery
// on that register, assembled in the device's own bit order (the first bit
// is the most significant, except for the frequency devices).
struct DeviceEvent {
    Device device{};
    int bits = 0;
    std::uint64_t value = 0;  // the last 64 bits, when more were clocked
    friend bool operator==(const DeviceEvent&, const DeviceEvent&) = default;
};

std::string ToString(const Event& event);
std::string ToString(const RegisterAccess& access);
std::string ToString(const DeviceEvent& event);
std::string ToString(Device device);

class BoardModel {
public:
    // A poll count past which the model holds Escape down itself, so that a
    // wait the test did not script ends instead of hanging; see Runaway().
    static constexpr std::uint64_t kRunawayPolls = 1'000'000;
    static constexpr std::uint64_t kForever = UINT64_MAX;

    // Where the board answers: Data at base, Addr +2, Ctrl +4, Status +6.
    void SetBase(std::uint16_t base) { base_ = base; }
    std::uint16_t Base() const { return base_; }

    // --- What the system reports -------------------------------------
    void SetKeyboardSubtype(std::int32_t subtype) { keyboardSubtype_ = subtype; }
    // Tick readings in order; after the last, the clock goes on from it in
    // steps of SetTickStep (110 ms by default, which calibrates to 300).
    void ScriptTicks(std::vector<std::uint32_t> readings);
    void SetTickStep(std::uint32_t step) { tickStep_ = step; }
    // Escape is down for the queries numbered from `fromQuery` (the first
    // query is 1) up to, not including, `untilQuery`.
    void HoldEscape(std::uint64_t fromQuery, std::uint64_t untilQuery = kForever);

    // --- What the board answers --------------------------------------
    // One level of status bit 0 per read of the Status port; after the
    // last one the line stays at it (at 0 without a script).
    void ScriptStatusLine(std::vector<int> levels);
    // The byte a register read returns (0 unless set).
    void SetRegisterInput(int number, std::uint8_t value);
    // What a port off the board reads (all ones, an empty bus, unless set).
    void SetPortInput(std::uint16_t port, std::uint32_t value);

    // --- What the analyser saw ---------------------------------------
    const std::vector<Event>& Events() const { return events_; }
    std::vector<Event> PortAccesses() const;
    const std::vector<RegisterAccess>& RegisterAccesses() const { return registerAccesses_; }
    std::vector<RegisterAccess> RegisterWrites() const;
    // The bytes each register received, in order.
    std::vector<std::uint8_t> WritesTo(int number) const;
    // The byte a register last received, if any.
    std::optional<std::uint8_t> Received(int number) const;
    const std::vector<DeviceEvent>& DeviceEvents() const { return deviceEvents_; }
    std::uint64_t EscapeQueries() const { return escapeQueries_; }
    std::uint64_t StatusReads() const { return statusReads_; }
    // True once a wait ran past kRunawayPolls and the model ended it.
    bool Runaway() const { return runaway_; }
    // Forgets what was seen; scripts, inputs and the lines' state stay.
    void ClearLog();

    // --- The platform side, called by the simulated backend ----------
    void Output(std::uint16_t port, std::uint8_t width, std::uint32_t value);
    std::uint32_t Input(std::uint16_t port, std::uint8_t width);
    std::int32_t KeyboardSubtype();
    bool EscapeKeyDown();
    std::uint32_t TickCount();

private:
    struct SerialLine {
        std::uint8_t lines = 0;  // the register's last byte
        std::uint64_t shifted = 0;
        std::uint64_t lsbFirst = 0;
        int bits = 0;
    };

    void WriteBoardPort(int offset, std::uint8_t value);
    std::uint8_t ReadBoardPort(int offset);
    void ReceiveGroupWrite(int number, std::uint8_t value);
    void Deliver(SerialLine& line, Device device, bool lsbFirst);
    static std::uint32_t Mask(std::uint8_t width);

    std::uint16_t base_ = 0x310;
    std::int32_t keyboardSubtype_ = 0;
    std::deque<std::uint32_t> tickScript_;
    std::uint32_t nextTick_ = 0;
    std::uint32_t tickStep_ = 110;
    std::uint64_t escapeFrom_ = kForever;
    std::uint64_t escapeUntil_ = kForever;
    std::deque<int> statusScript_;
    int statusLevel_ = 0;
    std::uint8_t registerInput_[256] = {};
    std::vector<std::pair<std::uint16_t, std::uint32_t>> portInputs_;

    std::uint8_t data_ = 0, addr_ = 0, ctrl_ = 0;
    std::uint8_t registerFile_[256] = {};
    SerialLine serial24_, serial25_;

    std::vector<Event> events_;
    std::vector<RegisterAccess> registerAccesses_;
    std::vector<DeviceEvent> deviceEvents_;
    std::uint64_t escapeQueries_ = 0;
    std::uint64_t statusReads_ = 0;
    bool runaway_ = false;
};

// The board behind the simulated backend.
BoardModel& Board();
// Replaces it with a fresh board.
void ResetBoard();

// The register number that a hardware address code selects in a bank, or -1.
int RegisterOfCode(std::uint8_t code, bool lowBank);

}  // namespace morvaxel::sim
