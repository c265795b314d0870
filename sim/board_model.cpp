#include "sim/board_model.h"

#include <cstdio>
#include <memory>
#include <utility>

namespace morvaxel::sim {
namespace {

constexpr std::uint8_t kRead = 0x01, kStrobe = 0x02, kLowBank = 0x08;
constexpr int kDataOffset = 0, kAddrOffset = 2, kCtrlOffset = 4, kStatusOffset = 6;
constexpr std::uint8_t kDataBit = 0x01, kClockBit = 0x02, kLevelEnable = 0x10;

bool Rose(std::uint8_t before, std::uint8_t after, std::uint8_t bit) { return !(before & bit) && (after & bit); }
bool Fell(std::uint8_t before, std::uint8_t after, std::uint8_t bit) { return (before & bit) && !(after & bit); }

std::string Hex(std::uint64_t value) {
    char text[24];
    std::snprintf(text, sizeof text, "0x%llX", static_cast<unsigned long long>(value));
    return text;
}

}  // namespace

int RegisterOfCode(std::uint8_t code, bool lowBank) {
    const int index = code & 0x0F;
    if (lowBank) {
        return (code & 0xF0) == 0 ? index : -1;
    }
    if (index > 5) {
        return -1;
    }
    switch (code & 0xF0) {
        case 0x10: return 0x10 + index;
        case 0x20: return 0x20 + index;
        case 0x40: return 0x30 + index;
        case 0x80: return 0x40 + index;
        default: return -1;
    }
}

std::string ToString(Device device) {
    switch (device) {
        case Device::Relay: return "relay";
        case Device::LineCurrent: return "line current";
        case Device::ExchangeLine0: return "exchange line 0";
        case Device::ExchangeLine1: return "exchange line 1";
        case Device::Frequency1: return "frequency 1";
        case Device::Frequency2: return "frequency 2";
        case Device::Level: return "level";
        case Device::Direct: return "direct";
        case Device::SignalSwitch: return "signal switch";
        case Device::BellDA: return "bell D/A";
    }
    return "?";
}

std::string ToString(const Event& event) {
    const std::string width = event.width == 1 ? "" : event.width == 2 ? " (word)" : " (dword)";
    switch (event.kind) {
        case EventKind::PortOut: return "out " + Hex(event.port) + " <- " + Hex(event.value) + width;
        case EventKind::PortIn: return "in  " + Hex(event.port) + " -> " + Hex(event.value) + width;
        case EventKind::TickRead: return "tick count -> " + std::to_string(event.value);
        case EventKind::KeyboardQuery: return "keyboard subtype -> " + Hex(event.value);
        case EventKind::EscapeQuery: return std::string("escape -> ") + (event.value ? "down" : "up");
    }
    return "?";
}

std::string ToString(const RegisterAccess& access) {
    static const char* const kOps[] = {"group write", "low write", "group read", "low read"};
    const std::string reg = access.number < 0 ? "code " + Hex(access.code) : "register " + Hex(access.number);
    return std::string(kOps[static_cast<int>(access.op)]) + " " + reg + (access.op <= RegisterOp::LowWrite ? " <- " : " -> ") +
           Hex(access.value) + " (ctrl " + Hex(access.ctrl) + ")";
}

std::string ToString(const DeviceEvent& event) {
    return ToString(event.device) + ": " + std::to_string(event.bits) + " bits, " + Hex(event.value);
}

void BoardModel::ScriptTicks(std::vector<std::uint32_t> readings) { tickScript_.assign(readings.begin(), readings.end()); }

void BoardModel::HoldEscape(std::uint64_t fromQuery, std::uint64_t untilQuery) {
    escapeFrom_ = fromQuery;
    escapeUntil_ = untilQuery;
}

void BoardModel::ScriptStatusLine(std::vector<int> levels) { statusScript_.assign(levels.begin(), levels.end()); }

void BoardModel::SetRegisterInput(int number, std::uint8_t value) { registerInput_[number & 0xFF] = value; }

void BoardModel::SetPortInput(std::uint16_t port, std::uint32_t value) {
    for (auto& [knownPort, knownValue] : portInputs_) {
        if (knownPort == port) {
            knownValue = value;
            return;
        }
    }
    portInputs_.emplace_back(port, value);
}

std::vector<Event> BoardModel::PortAccesses() const {
    std::vector<Event> accesses;
    for (const Event& event : events_) {
        if (event.kind == EventKind::PortOut || event.kind == EventKind::PortIn) {
            accesses.push_back(event);
        }
    }
    return accesses;
}

std::vector<RegisterAccess> BoardModel::RegisterWrites() const {
    std::vector<RegisterAccess> writes;
    for (const RegisterAccess& access : registerAccesses_) {
        if (access.op == RegisterOp::GroupWrite || access.op == RegisterOp::LowWrite) {
            writes.push_back(access);
        }
    }
    return writes;
}

std::vector<std::uint8_t> BoardModel::WritesTo(int number) const {
    std::vector<std::uint8_t> values;
    for (const RegisterAccess& access : RegisterWrites()) {
        if (access.number == number) {
            values.push_back(access.value);
        }
    }
    return values;
}

std::optional<std::uint8_t> BoardModel::Received(int number) const {
    const std::vector<std::uint8_t> values = WritesTo(number);
    if (values.empty()) {
        return std::nullopt;
    }
    return values.back();
}

void BoardModel::ClearLog() {
    events_.clear();
    registerAccesses_.clear();
    deviceEvents_.clear();
    escapeQueries_ = 0;
    statusReads_ = 0;
}

std::uint32_t BoardModel::Mask(std::uint8_t width) {
    return width >= 4 ? 0xFFFFFFFFu : (1u << (8 * width)) - 1;
}

void BoardModel::Output(std::uint16_t port, std::uint8_t width, std::uint32_t value) {
    value &= Mask(width);
    events_.push_back(Out(port, value, width));
    const int offset = port - base_;
    if (width == 1 && (offset == kDataOffset || offset == kAddrOffset || offset == kCtrlOffset)) {
        WriteBoardPort(offset, static_cast<std::uint8_t>(value));
    }
}

std::uint32_t BoardModel::Input(std::uint16_t port, std::uint8_t width) {
    std::uint32_t value = 0xFFFFFFFFu;
    const int offset = port - base_;
    if (width == 1 && (offset == kDataOffset || offset == kStatusOffset)) {
        value = ReadBoardPort(offset);
    } else {
        for (const auto& [knownPort, knownValue] : portInputs_) {
            if (knownPort == port) {
                value = knownValue;
            }
        }
    }
    value &= Mask(width);
    events_.push_back(In(port, value, width));
    return value;
}

void BoardModel::WriteBoardPort(int offset, std::uint8_t value) {
    if (offset == kDataOffset) {
        data_ = value;
        return;
    }
    if (offset == kAddrOffset) {
        addr_ = value;
        return;
    }
    const std::uint8_t before = ctrl_;
    ctrl_ = value;
    // A write happens on the rising strobe with the read bit clear.
    if (Rose(before, value, kStrobe) && !(value & kRead)) {
        const bool low = value & kLowBank;
        const int number = RegisterOfCode(addr_, low);
        registerAccesses_.push_back({low ? RegisterOp::LowWrite : RegisterOp::GroupWrite, number, addr_, data_, value});
        if (number >= 0) {
            registerFile_[number] = data_;
            if (!low) {
                ReceiveGroupWrite(number, data_);
            }
        }
    }
}

std::uint8_t BoardModel::ReadBoardPort(int offset) {
    if (offset == kStatusOffset) {
        ++statusReads_;
        if (!statusScript_.empty()) {
            statusLevel_ = statusScript_.front() & 1;
            statusScript_.pop_front();
        }
        return static_cast<std::uint8_t>(statusLevel_);
    }
    // The board drives Data only while a read is selected: in the low bank
    // that takes the strobe as well.
    const bool low = ctrl_ & kLowBank;
    if (!(ctrl_ & kRead) || (low && !(ctrl_ & kStrobe))) {
        return 0xFF;
    }
    const int number = RegisterOfCode(addr_, low);
    const std::uint8_t value = number >= 0 ? registerInput_[number] : 0xFF;
    registerAccesses_.push_back({low ? RegisterOp::LowRead : RegisterOp::GroupRead, number, addr_, value, ctrl_});
    return value;
}

void BoardModel::ReceiveGroupWrite(int number, std::uint8_t value) {
    if (number != 0x24 && number != 0x25) {
        return;
    }
    SerialLine& line = number == 0x24 ? serial24_ : serial25_;
    const std::uint8_t before = line.lines;
    line.lines = value;
    if (Rose(before, value, kClockBit)) {
        const std::uint64_t bit = value & kDataBit;
        line.shifted = (line.shifted << 1) | bit;
        line.lsbFirst = line.bits < 64 ? line.lsbFirst | (bit << line.bits) : line.lsbFirst;
        ++line.bits;
    }
    struct Latch {
        std::uint8_t bit;
        Device device;
        bool lsbFirst;
    };
    static constexpr Latch kLatches24[] = {{0x04, Device::Relay, false},
                                           {0x08, Device::LineCurrent, false},
                                           {0x10, Device::ExchangeLine0, false},
                                           {0x20, Device::ExchangeLine1, false}};
    static constexpr Latch kLatches25[] = {{0x04, Device::Frequency1, true},
                                           {0x08, Device::Frequency2, true},
                                           {0x20, Device::Direct, false},
                                           {0x40, Device::SignalSwitch, false},
                                           {0x80, Device::BellDA, false}};
    for (const Latch& latch : number == 0x24 ? std::span<const Latch>(kLatches24) : std::span<const Latch>(kLatches25)) {
        if (Rose(before, value, latch.bit)) {
            Deliver(line, latch.device, latch.lsbFirst);
        }
    }
    if (number == 0x25) {
        if (Rose(before, value, kLevelEnable)) {
            line = SerialLine{value};  // a level frame starts
        } else if (Fell(before, value, kLevelEnable)) {
            Deliver(line, Device::Level, false);
        }
    }
}

void BoardModel::Deliver(SerialLine& line, Device device, bool lsbFirst) {
    deviceEvents_.push_back({device, line.bits, lsbFirst ? line.lsbFirst : line.shifted});
    line = SerialLine{line.lines};
}

std::int32_t BoardModel::KeyboardSubtype() {
    events_.push_back({EventKind::KeyboardQuery, 0, 0, static_cast<std::uint32_t>(keyboardSubtype_)});
    return keyboardSubtype_;
}

bool BoardModel::EscapeKeyDown() {
    const std::uint64_t query = ++escapeQueries_;
    bool down = query >= escapeFrom_ && query < escapeUntil_;
    if (query > kRunawayPolls) {
        runaway_ = true;
        down = true;
    }
    events_.push_back({EventKind::EscapeQuery, 0, 0, down ? 1u : 0u});
    return down;
}

std::uint32_t BoardModel::TickCount() {
    std::uint32_t reading;
    if (!tickScript_.empty()) {
        reading = tickScript_.front();
        tickScript_.pop_front();
        nextTick_ = reading + tickStep_;
    } else {
        reading = nextTick_;
        nextTick_ += tickStep_;
    }
    events_.push_back({EventKind::TickRead, 0, 0, reading});
    return reading;
}

namespace {
std::unique_ptr<BoardModel>& BoardSlot() {
    static std::unique_ptr<BoardModel> board = std::make_unique<BoardModel>();
    return board;
}
}  // namespace

BoardModel& Board() { return *BoardSlot(); }

void ResetBoard() { BoardSlot() = std::make_unique<BoardModel>(); }

}  // namespace morvaxel::sim
