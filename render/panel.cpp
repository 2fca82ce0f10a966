// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "render/panel.h"

char messageText[MessageCapacity]{};
void setMessage(int id,  bool invalidate) { }
void drawMessagePanel() { }
void clearDiceArea() { }
void clearMessageArea() { }
void invalidateMessagePanel() { }
void invalidateAll(bool erase) { }
void drawChoosePanel() { }
void drawTokenIcons(uint8_t code,  int32_t x,  int32_t y) { }
