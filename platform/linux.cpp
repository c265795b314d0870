// The Linux backend: the processor's port instructions, after asking the
// kernel for permission on the thread's first access.
//
// Where the kernel refuses (EPERM for a plain user or under lockdown,
// ENOSYS in many virtual machines and containers) nothing faults: a
// refused input reads all ones, as an empty bus does, and a refused output
// is dropped.
#include "platform/platform.h"

#include <cstdio>
#include <ctime>
#include <fcntl.h>
#include <linux/input.h>
#include <sys/io.h>
#include <sys/ioctl.h>
#include <unistd.h>
#include <vector>

namespace morvaxel::platform {
namespace {

// ioperm covers ports 0 to 0x3FF, where every board port set lies; only an
// access above that needs the wider iopl(3).
constexpr unsigned kIopermPorts = 0x400;

enum class Permission : unsigned char { NotAsked, Granted, Refused };

// The kernel grants port permission per thread.
thread_local constinit Permission lowPorts = Permission::NotAsked;
thread_local constinit Permission allPorts = Permission::NotAsked;

bool MayAccess(std::uint16_t port, unsigned width) {
    if (port + width <= kIopermPorts) {
        if (lowPorts == Permission::NotAsked) {
            lowPorts = ioperm(0, kIopermPorts, 1) == 0 ? Permission::Granted : Permission::Refused;
        }
        return lowPorts == Permission::Granted || allPorts == Permission::Granted;
    }
    if (allPorts == Permission::NotAsked) {
        allPorts = iopl(3) == 0 ? Permission::Granted : Permission::Refused;
    }
    return allPorts == Permission::Granted;
}

// The keyboards among the kernel's input devices that report an Esc key,
// opened once, on the first query.
const std::vector<int>& EscapeKeyboards() {
    static const std::vector<int> keyboards = [] {
        std::vector<int> found;
        for (int i = 0; i < 64; ++i) {
            char path[32];
            std::snprintf(path, sizeof path, "/dev/input/event%d", i);
            const int fd = open(path, O_RDONLY | O_NONBLOCK | O_CLOEXEC);
            if (fd < 0) {
                continue;
            }
            unsigned char keys[KEY_MAX / 8 + 1] = {};
            if (ioctl(fd, EVIOCGBIT(EV_KEY, sizeof keys), keys) >= 0 && (keys[KEY_ESC / 8] & (1 << (KEY_ESC % 8)))) {
                found.push_back(fd);
            } else {
                close(fd);
            }
        }
        return found;
    }();
    return keyboards;
}

}  // namespace

void OutputByte(std::uint16_t port, std::uint8_t value) {
    if (MayAccess(port, 1)) {
        asm volatile("outb %0, %1" : : "a"(value), "Nd"(port));
    }
}

void OutputWord(std::uint16_t port, std::uint16_t value) {
    if (MayAccess(port, 2)) {
        asm volatile("outw %0, %1" : : "a"(value), "Nd"(port));
    }
}

void OutputDword(std::uint16_t port, std::uint32_t value) {
    if (MayAccess(port, 4)) {
        asm volatile("outl %0, %1" : : "a"(value), "Nd"(port));
    }
}

std::uint8_t InputByte(std::uint16_t port) {
    std::uint8_t value = 0xFF;
    if (MayAccess(port, 1)) {
        asm volatile("inb %1, %0" : "=a"(value) : "Nd"(port));
    }
    return value;
}

std::uint16_t InputWord(std::uint16_t port) {
    std::uint16_t value = 0xFFFF;
    if (MayAccess(port, 2)) {
        asm volatile("inw %1, %0" : "=a"(value) : "Nd"(port));
    }
    return value;
}

std::uint32_t InputDword(std::uint16_t port) {
    std::uint32_t value = 0xFFFFFFFF;
    if (MayAccess(port, 4)) {
        asm volatile("inl %1, %0" : "=a"(value) : "Nd"(port));
    }
    return value;
}

// Linux has no PC-9800 keyboard subtypes: the host is of the PC/AT family.
std::int32_t KeyboardSubtype() { return 0; }

bool EscapeKeyDown() {
    for (const int fd : EscapeKeyboards()) {
        unsigned char state[KEY_MAX / 8 + 1] = {};
        if (ioctl(fd, EVIOCGKEY(sizeof state), state) >= 0 && (state[KEY_ESC / 8] & (1 << (KEY_ESC % 8)))) {
            return true;
        }
    }
    return false;
}

std::uint32_t TickCount() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const auto ms = static_cast<std::uint64_t>(now.tv_sec) * 1000u + static_cast<std::uint64_t>(now.tv_nsec) / 1'000'000u;
    return static_cast<std::uint32_t>(ms);  // wraps at 32 bits like the Windows tick count
}

}  // namespace morvaxel::platform
