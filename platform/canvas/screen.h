// The device screen: one framebuffer holding the title bar, the main window's client area and the menu bar.
#pragma once
#include <cstdint>

constexpr int TitleBarHeight = 26;
constexpr int MenuBarHeight = 26;

// Called once by the back-end before start-up: the screen the game will read (240 x 320 on the device).
void initScreen(int width, int height);
int screenWidthPixels();
int screenHeightPixels();
// Row-major 0x00RRGGBB pixels of the whole screen, title and menu bars included.
const uint32_t* screenPixels();
uint32_t* screenPixelsMutable();
// The main window's client area on the screen: x 0..W-1, y TitleBarHeight..H-MenuBarHeight-1.
int clientTop();
int clientHeight();
