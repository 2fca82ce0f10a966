// The message panel below the board, the "Choose:" panel, area clearing and repaint requests.
#pragma once
#include <cstdint>

void setMessage(int id, bool invalidate);
void drawMessagePanel();
void clearDiceArea();
void clearMessageArea();
void invalidateMessagePanel();
void invalidateAll(bool erase);
void drawChoosePanel();
void drawTokenIcons(uint8_t code, int32_t x, int32_t y);
