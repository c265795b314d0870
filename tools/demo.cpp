// Drives the library on the simulated board and prints the board traffic
// that the board model decoded: register accesses, as a logic analyser
// would show them.
#include <cstdio>

#include "exports/morvaxel.h"
#include "sim/board_model.h"

namespace {

using morvaxel::sim::Board;

void Show(const char* call) {
    std::printf("%s\n", call);
    for (const auto& access : Board().RegisterAccesses()) {
        std::printf("    %s\n", morvaxel::sim::ToString(access).c_str());
    }
    for (const auto& event : Board().DeviceEvents()) {
        std::printf("    device %s\n", morvaxel::sim::ToString(event).c_str());
    }
    std::printf("    (%zu port accesses)\n", Board().PortAccesses().size());
    Board().ClearLog();
}

}  // namespace

int main() {
    Board().SetRegisterInput(0x03, 0x5A);
    Board().SetRegisterInput(0x21, 0xC3);

    std::printf("Test() before PortInit: %d\n", Test(0));
    PortInit(0);
    Show("PortInit(0)");
    std::printf("Test() after PortInit: %d, CheckPCtype(): %d\n\n", Test(0), CheckPCtype());

    PortOut(0x30, 0x1A5);
    Show("PortOut(0x30, 0x1A5)");
    std::printf("PortQinp(0x30) = 0x%X\n\n", static_cast<unsigned>(static_cast<uint16_t>(PortQinp(0x30))));

    PortOut(0x0B, 7);
    Show("PortOut(0x0B, 7)");

    const int low = PortIinp(0x03);
    Show("PortIinp(0x03)");
    std::printf("  = 0x%X\n", static_cast<unsigned>(low));

    const int group = PortIinp(0x21);
    Show("PortIinp(0x21)");
    std::printf("  = 0x%X\n\n", static_cast<unsigned>(group));

    PortOut(0x16, 1);
    Show("PortOut(0x16, 1): a number no register has");

    // The serial channel: only the delivered device words, not every write.
    const auto showDevices = [](const char* call) {
        std::printf("%s\n", call);
        for (const auto& event : Board().DeviceEvents()) {
            std::printf("    device %s\n", morvaxel::sim::ToString(event).c_str());
        }
        std::printf("    (%zu register writes)\n", Board().RegisterWrites().size());
        Board().ClearLog();
    };
    BitOn(0x24, 6);
    Board().ClearLog();
    ContRelay(0x1234);
    showDevices("ContRelay(0x1234), with held bit 6 of register 0x24 set");
    ContLevel(0x2A15);
    showDevices("ContLevel(0x2A15)");
    ContFreq(2, 0x0440);
    showDevices("ContFreq(2, 0x0440)");
    ExchgLine(-1, "0123456789");
    showDevices("ExchgLine(-1, \"0123456789\")");

    Board().ScriptStatusLine({0, 1, 0, 1, 0, 1, 1, 0});
    Click(3);
    std::printf("Click(3): %llu status reads, register 0x23 received", static_cast<unsigned long long>(Board().StatusReads()));
    for (const auto value : Board().WritesTo(0x23)) std::printf(" 0x%X", static_cast<unsigned>(value));
    std::printf("\n");
    return 0;
}
