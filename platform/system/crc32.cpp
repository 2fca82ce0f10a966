// The CRC-32 by the reflected polynomial 0xEDB88320, a byte at a time through a table built at compile time.
#include "platform/system/crc32.h"

#include <array>

namespace {

constexpr uint32_t Polynomial = 0xEDB88320;

constexpr std::array<uint32_t, 256> makeTable() {
    std::array<uint32_t, 256> table{};
    for (uint32_t byte = 0; byte < table.size(); ++byte) {
        uint32_t crc = byte;
        for (int bit = 0; bit < 8; ++bit) crc = (crc & 1) != 0 ? (crc >> 1) ^ Polynomial : crc >> 1;
        table[byte] = crc;
    }
    return table;
}

constexpr std::array<uint32_t, 256> Table = makeTable();

}  // namespace

uint32_t crc32Of(const void* bytes, size_t size, uint32_t start) {
    const auto* at = static_cast<const uint8_t*>(bytes);
    uint32_t crc = ~start;
    for (size_t i = 0; i < size; ++i) crc = Table[(crc ^ at[i]) & 0xFF] ^ (crc >> 8);
    return ~crc;
}
