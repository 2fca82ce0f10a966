// PNG output without zlib: 8-bit RGB rows in stored (uncompressed) deflate blocks, for builds without libpng.
#include <algorithm>
#include <cstdio>
#include <memory>
#include <string_view>
#include <vector>

#include "platform/system/crc32.h"
#include "tools/png/png.h"

namespace {

constexpr size_t LargestStoredBlock = 65535;
constexpr uint32_t AdlerModulus = 65521;
constexpr uint8_t Signature[] = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr uint8_t ZlibHeader[] = {0x78, 0x01};  // deflate, 32 KB window, no dictionary, fastest
constexpr uint8_t RgbEightBit[] = {8, 2, 0, 0, 0};  // depth, colour type, compression, filter, interlace

void putBig32(std::vector<uint8_t>& out, uint32_t value) {
    for (int shift = 24; shift >= 0; shift -= 8) out.push_back(static_cast<uint8_t>(value >> shift));
}

void putChunk(std::vector<uint8_t>& out, std::string_view type, const std::vector<uint8_t>& data) {
    putBig32(out, static_cast<uint32_t>(data.size()));
    const size_t start = out.size();
    out.insert(out.end(), type.begin(), type.end());
    out.insert(out.end(), data.begin(), data.end());
    putBig32(out, crc32Of(out.data() + start, out.size() - start));
}

uint32_t adler32(const std::vector<uint8_t>& bytes) {
    uint32_t low = 1, high = 0;
    for (const uint8_t byte : bytes) {
        low = (low + byte) % AdlerModulus;
        high = (high + low) % AdlerModulus;
    }
    return high << 16 | low;
}

// The rows, each led by filter type 0, wrapped in a zlib stream of stored blocks.
std::vector<uint8_t> imageData(const uint32_t* pixels, int width, int height) {
    std::vector<uint8_t> raw;
    raw.reserve(static_cast<size_t>(height) * (1 + 3 * static_cast<size_t>(width)));
    for (int y = 0; y < height; ++y) {
        raw.push_back(0);
        for (int x = 0; x < width; ++x) {
            const uint32_t pixel = pixels[static_cast<size_t>(y) * width + x];
            raw.insert(raw.end(), {static_cast<uint8_t>(pixel >> 16), static_cast<uint8_t>(pixel >> 8), static_cast<uint8_t>(pixel)});
        }
    }
    std::vector<uint8_t> stream(std::begin(ZlibHeader), std::end(ZlibHeader));
    for (size_t at = 0; at < raw.size(); at += LargestStoredBlock) {
        const size_t length = std::min(LargestStoredBlock, raw.size() - at);
        const bool last = at + length == raw.size();
        stream.insert(stream.end(), {static_cast<uint8_t>(last), static_cast<uint8_t>(length), static_cast<uint8_t>(length >> 8),
                                     static_cast<uint8_t>(~length), static_cast<uint8_t>(~length >> 8)});
        stream.insert(stream.end(), raw.begin() + static_cast<ptrdiff_t>(at), raw.begin() + static_cast<ptrdiff_t>(at + length));
    }
    putBig32(stream, adler32(raw));
    return stream;
}

struct FileCloser {
    void operator()(std::FILE* file) const { std::fclose(file); }
};

}  // namespace

bool writePng(const char* path, const uint32_t* pixels, int width, int height) {
    if (!path || !pixels || width <= 0 || height <= 0) return false;
    std::vector<uint8_t> header;
    putBig32(header, static_cast<uint32_t>(width));
    putBig32(header, static_cast<uint32_t>(height));
    header.insert(header.end(), std::begin(RgbEightBit), std::end(RgbEightBit));
    std::vector<uint8_t> png(std::begin(Signature), std::end(Signature));
    putChunk(png, "IHDR", header);
    putChunk(png, "IDAT", imageData(pixels, width, height));
    putChunk(png, "IEND", {});
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path, "wb"));
    if (!file) return false;
    const bool written = std::fwrite(png.data(), 1, png.size(), file.get()) == png.size();
    return std::fclose(file.release()) == 0 && written;
}
