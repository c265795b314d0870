// A buffer of n bytes that ends right at an inaccessible page, so that a
// read past its end faults instead of passing unnoticed.
#pragma once

#include <cstddef>
#include <cstdint>

#ifdef _WIN32
#include <windows.h>
#else
#include <sys/mman.h>
#include <unistd.h>
#endif

namespace morvaxel::test {

class GuardedBuffer {
public:
    explicit GuardedBuffer(std::size_t size) : size_(size) {
        const std::size_t page = PageSize();
        dataPages_ = (size + page - 1) / page;
        const std::size_t total = (dataPages_ + 1) * page;
#ifdef _WIN32
        base_ = static_cast<std::uint8_t*>(VirtualAlloc(nullptr, total, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
        DWORD old;
        VirtualProtect(base_ + dataPages_ * page, page, PAGE_NOACCESS, &old);
#else
        base_ = static_cast<std::uint8_t*>(mmap(nullptr, total, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0));
        mprotect(base_ + dataPages_ * page, page, PROT_NONE);
#endif
    }
    ~GuardedBuffer() {
#ifdef _WIN32
        VirtualFree(base_, 0, MEM_RELEASE);
#else
        munmap(base_, (dataPages_ + 1) * PageSize());
#endif
    }
    GuardedBuffer(const GuardedBuffer&) = delete;
    GuardedBuffer& operator=(const GuardedBuffer&) = delete;

    std::uint8_t* data() { return base_ + dataPages_ * PageSize() - size_; }

private:
    static std::size_t PageSize() {
#ifdef _WIN32
        SYSTEM_INFO info;
        GetSystemInfo(&info);
        return info.dwPageSize;
#else
        return static_cast<std::size_t>(sysconf(_SC_PAGESIZE));
#endif
    }

    std::size_t size_;
    std::size_t dataPages_ = 0;
    std::uint8_t* base_ = nullptr;
};

}  // namespace morvaxel::test
