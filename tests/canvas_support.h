// Shared by the canvas suites: a small screen with a surface on it, and pixel regions as text pictures.
#pragma once
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "platform/canvas/screen_dc.h"
#include "platform/canvas/screen.h"

constexpr Colour Black = RGB(0, 0, 0);
constexpr Colour White = RGB(255, 255, 255);
constexpr Colour Grey = RGB(128, 128, 128);
constexpr Colour Red = RGB(255, 0, 0);

class CanvasTest : public ::testing::Test {
protected:
    static constexpr int Side = 40;
    HDC dc = nullptr;

    void SetUp() override {
        initScreen(Side, Side);
        dc = openScreenDC(0, 0, Rect{0, 0, Side, Side});
        ASSERT_NE(dc, nullptr);
    }
    void TearDown() override { closeScreenDC(dc); }

    static Colour pixel(int x, int y) { return screenPixels()[y * screenWidthPixels() + x]; }

    // One character per pixel: '.' white, '#' black, 'o' grey, 'r' red, '?' anything else.
    static std::string art(int x0, int y0, int width, int height) {
        static const std::map<Colour, char> legend = {{White, '.'}, {Black, '#'}, {Grey, 'o'}, {Red, 'r'}};
        std::string text;
        for (int y = y0; y < y0 + height; ++y) {
            for (int x = x0; x < x0 + width; ++x) {
                const auto found = legend.find(pixel(x, y));
                text += found == legend.end() ? '?' : found->second;
            }
            text += '\n';
        }
        return text;
    }
    // Rows given as a list of strings, for comparing with art().
    static std::string rows(std::initializer_list<const char*> lines) {
        std::string text;
        for (const char* line : lines) text += std::string(line) + '\n';
        return text;
    }
};
