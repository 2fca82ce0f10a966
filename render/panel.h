// The message panel below the board, the "Choose:" panel, area clearing and repaint requests.
#pragma once
#include <cstdint>

void setMessage(int id, bool invalidate);
void drawMessagePanel();
void clearDiceArea();
void clearMessageArea();
void invalidateAll(bool erase);
void drawChoosePanel();
