// Golden screenshots: reading, comparing and (on request) rewriting the stored pictures.
#include "tests/golden_pictures.h"

#include <png.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <iomanip>
#include <sstream>

#include "platform/canvas/png.h"
#include "platform/canvas/screen.h"

namespace {

std::string goldenPath(const std::string& name) { return std::string(RENDARO_TEST_DIR) + "/golden/" + name + ".png"; }

// Beside the test program, so a failed run leaves the picture in the build tree, never in the sources.
std::string actualPath(const std::string& name) {
    std::error_code error;
    const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", error);
    const std::filesystem::path folder = error ? std::filesystem::current_path() : program.parent_path();
    return (folder / (name + ".actual.png")).string();
}

bool updating() {
    const char* value = std::getenv("RENDARO_UPDATE_GOLDEN");
    return value != nullptr && std::strcmp(value, "1") == 0;
}

std::string hex(uint32_t colour) {
    std::ostringstream text;
    text << "#" << std::hex << std::setw(6) << std::setfill('0') << colour;
    return text.str();
}

bool write(const std::string& path, const Picture& picture) {
    return writePng(path.c_str(), picture.pixels.data(), picture.width, picture.height);
}

}  // namespace

Picture screenPicture() {
    Picture picture{screenWidthPixels(), screenHeightPixels(), {}};
    if (screenPixels() != nullptr)
        picture.pixels.assign(screenPixels(), screenPixels() + picture.width * picture.height);
    return picture;
}

Picture readPngPicture(const std::string& path) {
    png_image image;
    std::memset(&image, 0, sizeof image);
    image.version = PNG_IMAGE_VERSION;
    if (!png_image_begin_read_from_file(&image, path.c_str())) return {};
    image.format = PNG_FORMAT_RGB;
    std::vector<uint8_t> rgb(PNG_IMAGE_SIZE(image));
    if (!png_image_finish_read(&image, nullptr, rgb.data(), 0, nullptr)) return {};
    Picture picture{static_cast<int>(image.width), static_cast<int>(image.height), {}};
    picture.pixels.reserve(rgb.size() / 3);
    for (size_t i = 0; i + 2 < rgb.size(); i += 3)
        picture.pixels.push_back(static_cast<uint32_t>(rgb[i]) << 16 | static_cast<uint32_t>(rgb[i + 1]) << 8 | rgb[i + 2]);
    return picture;
}

testing::AssertionResult matchesGolden(const std::string& name, const Picture& actual) {
    if (actual.pixels.empty()) return testing::AssertionFailure() << name << ": the screen is empty";
    if (updating()) {
        if (!write(goldenPath(name), actual)) return testing::AssertionFailure() << "cannot write " << goldenPath(name);
        return testing::AssertionSuccess() << name << " rewritten";
    }
    const Picture golden = readPngPicture(goldenPath(name));
    std::ostringstream failure;
    if (golden.pixels.empty()) {
        failure << "no readable golden " << goldenPath(name);
    } else if (golden.width != actual.width || golden.height != actual.height) {
        failure << name << ": the screen is " << actual.width << "x" << actual.height << ", the golden "
                << golden.width << "x" << golden.height;
    } else {
        int differing = 0;
        size_t first = 0;
        for (size_t i = 0; i < actual.pixels.size(); ++i)
            if (actual.pixels[i] != golden.pixels[i] && differing++ == 0) first = i;
        if (differing == 0) {
            std::filesystem::remove(actualPath(name));  // a picture left by an earlier failure is stale now
            return testing::AssertionSuccess();
        }
        const int x = static_cast<int>(first) % actual.width;
        const int y = static_cast<int>(first) / actual.width;
        failure << name << ": " << differing << " pixels differ, the first at screen (" << x << ", " << y
                << "): " << hex(actual.pixels[first]) << " instead of " << hex(golden.pixels[first]);
    }
    const std::string path = actualPath(name);
    failure << (write(path, actual) ? "; actual picture in " : "; could not write ") << path;
    return testing::AssertionFailure() << failure.str();
}
