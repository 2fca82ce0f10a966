// Build tool: writes the program's compiled-in 32 x 32 icon as the PNG the desktop shows.
#include <cstdio>

#include "platform/canvas/png.h"
#include "resources/icon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_icon OUTPUT.png\n");
        return 2;
    }
    const ImageResource* icon = findIcon(3, 32);
    return icon != nullptr && writePng(argv[1], icon->pixels, icon->width, icon->height) ? 0 : 1;
}
