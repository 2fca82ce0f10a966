// The desktop window's size: the steps of the size keys, the size it opens at, and the kept value's text and file.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <map>
#include <string>

#include "platform/sdl/window_size.h"
#include "platform/system/store.h"
#include "tests/crash_support.h"
#include "tests/game_positions.h"

using window_size::Kept;
using window_size::Size;
using window_size::Step;

namespace {

constexpr Size Screen = {240, 320};
constexpr Size Display = {1920, 1080};  // room for three times the screen, not four

}  // namespace

TEST(WindowSize, KeysStepByWholeMultiplesWithinTheDisplay) {
    const std::map<std::string, Step> steps = {{"Larger", Step::Larger}, {"Smaller", Step::Smaller}, {"Default", Step::Default}};
    for (const auto& row : tableRows("window_steps.txt")) {
        Size window{}, expected{};
        ASSERT_EQ(std::sscanf(row.at(0).c_str(), "%dx%d", &window.width, &window.height), 2) << row[0];
        ASSERT_EQ(std::sscanf(row.at(2).c_str(), "%dx%d", &expected.width, &expected.height), 2) << row[2];
        EXPECT_EQ(window_size::stepped(window, Screen, Display, steps.at(row.at(1))), expected) << row[0] << ' ' << row[1];
    }
    // A display too small for the default keeps the window at the largest multiple that fits.
    EXPECT_EQ(window_size::stepped({240, 320}, Screen, {400, 500}, Step::Default), Size(240, 320));
    EXPECT_EQ(window_size::largestScale({1920, 1080}, Screen), 3);
    EXPECT_EQ(window_size::largestScale({100, 100}, Screen), 1);
}

TEST(WindowSize, OpensAtTheKeptSizeWhileTheDisplayHoldsIt) {
    EXPECT_EQ(window_size::opening(std::nullopt, Screen, Display), Size(480, 640));
    EXPECT_EQ(window_size::opening(Kept{{700, 900}, false}, Screen, Display), Size(700, 900));
    EXPECT_EQ(window_size::opening(Kept{{1920, 1080}, true}, Screen, Display), Size(1920, 1080));
    // Kept on a larger display: the largest multiple that fits this one.
    EXPECT_EQ(window_size::opening(Kept{{960, 1280}, false}, Screen, Display), Size(720, 960));
    EXPECT_EQ(window_size::opening(Kept{{1921, 900}, false}, Screen, Display), Size(720, 960));
    // Smaller than the screen is no window this program opens: the default.
    EXPECT_EQ(window_size::opening(Kept{{200, 900}, false}, Screen, Display), Size(480, 640));
    EXPECT_EQ(window_size::opening(std::nullopt, Screen, {400, 500}), Size(240, 320));
}

TEST(WindowSize, TheKeptTextAndItsFile) {
    EXPECT_EQ(window_size::format(Kept{{960, 1280}, false}), "960x1280");
    EXPECT_EQ(window_size::format(Kept{{1024, 768}, true}), "1024x768 fullscreen");
    EXPECT_EQ(window_size::parse("1024x768 fullscreen"), Kept({{1024, 768}, true}));
    for (const char* bad : {"", "x", "960", "960x", "x1280", "960x1280 ", " 960x1280", "960 x 1280", "+960x1280",
                            "0x1280", "960x-1", "960x1280x2", "960x1280 full", "fullscreen", "99999x1280", "96ax1280"})
        EXPECT_EQ(window_size::parse(bad), std::nullopt) << '"' << bad << '"';

    const std::string folder = scratchFolder("window_size").string();
    std::filesystem::remove_all(folder);
    setStoreRoot(folder);
    EXPECT_EQ(window_size::load(), std::nullopt);
    ASSERT_TRUE(window_size::save(Kept{{720, 960}, true}));
    EXPECT_EQ(window_size::load(), Kept({{720, 960}, true}));
    // Text that is no size, a value of another type, and a file that is not the store's are all no size.
    for (const auto& [type, text] : {std::pair{REG_SZ, std::string("720by960")}, {REG_BINARY, std::string("720x960")}}) {
        ASSERT_TRUE(storeSetValue("SOFTWARE\\Calverin", "RendaroWindow", type, reinterpret_cast<const uint8_t*>(text.data()),
                                  text.size()));
        EXPECT_EQ(window_size::load(), std::nullopt) << text;
    }
    writeText(folder + "/Calverin/RendaroWindow", "720x960");
    EXPECT_EQ(window_size::load(), std::nullopt);
    setStoreRoot("");
    std::filesystem::remove_all(folder);
}
