// The menu bar 4001: its four buttons, left to right, and the two pop-ups of the text buttons.
#pragma once
#include <cstdint>

struct MenuItem {
    uint32_t command;
    const char* text;
};

struct MenuBarButton {
    uint32_t command;
    int stringId;          // text buttons: their label in the string table; 0 for image buttons
    int image;             // image buttons: index into the strip of bitmap 101; -1 for text buttons
    int popup;             // index of the pop-up a text button opens; -1 for none
    bool initiallyEnabled;
};

constexpr int MenuBarStripBitmap = 101;
constexpr int MenuBarImageSize = 16;
constexpr int MenuBarButtonCount = 4;
constexpr int MenuPopupItemCount = 2;

extern const MenuBarButton menuBarButtons[MenuBarButtonCount];
extern const MenuItem menuPopups[2][MenuPopupItemCount];
