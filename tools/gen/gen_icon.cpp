// Build tool: writes the program's compiled-in icon as a PNG of the side the desktop asks for.
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "platform/canvas/png.h"
#include "resources/icon.h"

namespace {

// The sides the icon is drawn in, largest first: a desktop size is a whole multiple of one of them.
constexpr int DrawnSides[] = {32, 16};
constexpr int LargestSide = 1024;

// The drawn picture whose side divides `side`, each pixel made a square block: no blurred edges.
bool writeIcon(const char* path, int side) {
    for (const int drawn : DrawnSides) {
        const ImageResource* icon = findIcon(ProgramIcon, drawn);
        if (icon == nullptr || side % drawn != 0) continue;
        const int scale = side / drawn;
        std::vector<uint32_t> pixels(static_cast<size_t>(side) * side);
        for (int y = 0; y < side; ++y)
            for (int x = 0; x < side; ++x) pixels[y * side + x] = icon->pixels[(y / scale) * drawn + x / scale];
        return writePng(path, pixels.data(), side, side);
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    const int side = argc == 3 ? std::atoi(argv[1]) : 0;
    if (side < 1 || side > LargestSide) {
        std::fprintf(stderr, "usage: gen_icon SIDE OUTPUT.png\n");
        return 2;
    }
    return writeIcon(argv[2], side) ? 0 : 1;
}
