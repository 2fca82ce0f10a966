// Build tool: draws the program's 32 x 32 desktop icon (a tiny board: four yards, the cross, a die) as a PNG.
#include <png.h>

#include <array>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

namespace {

constexpr int Size = 32;

struct Rgba {
    uint8_t r, g, b, a;
};

constexpr Rgba Clear = {0, 0, 0, 0};
constexpr Rgba Ink = {40, 40, 40, 255};
constexpr Rgba Paper = {255, 255, 255, 255};
// Yards clockwise from the top left, in the colours' order: red, blue, yellow, green.
constexpr std::array<Rgba, 4> Yards = {{{214, 40, 40, 255}, {40, 84, 214, 255}, {240, 196, 32, 255}, {44, 164, 64, 255}}};

using Picture = std::array<std::array<Rgba, Size>, Size>;

void fill(Picture& picture, int x0, int y0, int x1, int y1, Rgba colour) {
    for (int y = y0; y < y1; ++y)
        for (int x = x0; x < x1; ++x) picture[y][x] = colour;
}

Picture draw() {
    Picture picture;
    fill(picture, 0, 0, Size, Size, Clear);
    // The board with cut corners, so it reads as a tile on any background.
    fill(picture, 1, 0, Size - 1, Size, Ink);
    fill(picture, 0, 1, Size, Size - 1, Ink);
    fill(picture, 2, 2, Size - 2, Size - 2, Paper);
    constexpr int Yard = 11;
    const std::array<std::array<int, 2>, 4> corners = {{{2, 2}, {Size - 2 - Yard, 2}, {Size - 2 - Yard, Size - 2 - Yard}, {2, Size - 2 - Yard}}};
    for (int i = 0; i < 4; ++i) {
        const int x = corners[i][0];
        const int y = corners[i][1];
        fill(picture, x, y, x + Yard, y + Yard, Yards[i]);
        fill(picture, x + 3, y + 3, x + Yard - 3, y + Yard - 3, Paper);  // the yard's hollow
    }
    // The die in the middle of the cross, showing five.
    fill(picture, 12, 12, 20, 20, Ink);
    fill(picture, 13, 13, 19, 19, Paper);
    for (const auto& pip : {std::array<int, 2>{14, 14}, {17, 14}, {14, 17}, {17, 17}})
        fill(picture, pip[0], pip[1], pip[0] + 1, pip[1] + 1, Ink);
    fill(picture, 15, 15, 17, 17, Ink);
    return picture;
}

bool writePng(const char* path, const Picture& picture) {
    std::FILE* file = std::fopen(path, "wb");
    if (!file) return false;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png ? png_create_info_struct(png) : nullptr;
    if (!info || setjmp(png_jmpbuf(png))) {
        png_destroy_write_struct(&png, &info);
        std::fclose(file);
        return false;
    }
    png_init_io(png, file);
    png_set_IHDR(png, info, Size, Size, 8, PNG_COLOR_TYPE_RGBA, PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_write_info(png, info);
    for (const auto& row : picture) png_write_row(png, reinterpret_cast<png_const_bytep>(row.data()));
    png_write_end(png, nullptr);
    png_destroy_write_struct(&png, &info);
    return std::fclose(file) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: gen_icon OUTPUT.png\n");
        return 2;
    }
    return writePng(argv[1], draw()) ? 0 : 1;
}
