// The register values a serial transfer is expected to write, built from
// the channel's line discipline: per bit clock low, data low, data bit,
// clock high; a latch pulse of held|latch twice, then held.
#pragma once

#include <cstdint>
#include <vector>

namespace morvaxel::test {

inline std::vector<std::uint8_t> ShiftOutBytes(std::uint8_t base, std::uint16_t data, int count) {
    std::vector<std::uint8_t> bytes;
    std::uint8_t v = base;
    for (int i = 0; i < count; ++i) {
        const bool bit = (data >> (15 - i)) & 1;
        v &= 0xFD;
        bytes.push_back(v);
        v &= 0xFE;
        bytes.push_back(v);
        v |= bit ? 1 : 0;
        bytes.push_back(v);
        v |= 2;
        bytes.push_back(v);
    }
    return bytes;
}

inline std::vector<std::uint8_t> LatchBytes(std::uint8_t held, std::uint8_t latch) {
    return {static_cast<std::uint8_t>(held | latch), static_cast<std::uint8_t>(held | latch), held};
}

inline std::vector<std::uint8_t> Concat(std::initializer_list<std::vector<std::uint8_t>> parts) {
    std::vector<std::uint8_t> all;
    for (const auto& part : parts) all.insert(all.end(), part.begin(), part.end());
    return all;
}

}  // namespace morvaxel::test
