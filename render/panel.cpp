// The message panel below the board, the "Choose:" panel, area clearing and repaint requests.
#include "render/panel.h"

#include <cstring>

#include "game/game_state.h"
#include "platform/window/messages.h"
#include "render/geometry.h"
#include "render/layout.h"
#include "render/tokens.h"
#include "resources/ids.h"
#include "resources/strings.h"

namespace {

constexpr int32_t PanelSplitX = 80;

// Copies string id into `to`, cut to its capacity; false, leaving `to` as it was, when there is no
// such string or it is empty, so that a missing one never disturbs what is shown.
bool loadMessage(int id, char (&to)[MessageCapacity]) {
    const char* text = loadString(id);
    if (text == nullptr || text[0] == '\0') return false;
    const size_t length = strnlen(text, MessageCapacity - 1);
    std::memcpy(to, text, length);
    to[length] = '\0';
    return true;
}

// A strip of the area below the board, from x = left up to right.
Rect belowBoard(int32_t left, int32_t right) { return Rect{left, game.boardSize + 2, right, screenHeight - 1}; }

void clearWhite(const Rect& area) {
    if (!drawing()) return;
    useStock(WHITE_PEN);
    useStock(WHITE_BRUSH);
    Rectangle(drawSurface, area.left, area.top, area.right, area.bottom);
}

void invalidateMessagePanel() {
    const Rect area = belowBoard(PanelSplitX, screenWidth - 1);
    InvalidateRect(&area, false);
}

void drawTokenIcons(uint8_t code, int32_t x, int32_t y) {
    int32_t n = 0;
    for (uint8_t bit = 0; bit < 4; ++bit) {
        if (!(code & (1u << bit))) continue;
        drawTokenDisc(static_cast<uint8_t>((game.core.currentPlayer + (bit >= 2 ? 2 : 0)) % 4), x + 5 * n, y);
        ++n;
    }
}

}  // namespace

void setMessage(int id, bool invalidate) {
    if (!loadMessage(id, messageText)) return;
    if (invalidate) invalidateMessagePanel();
}

void drawMessagePanel() {
    if (!drawing()) return;
    clearMessageArea();
    if (!(flag(FlagShowTips) || turnState() == GameOver) || messageText[0] == '\0') return;
    const Rect box{PanelSplitX, game.boardSize + 2, screenWidth - game.boardSize / 6, screenHeight};
    DrawText(drawSurface, messageText, static_cast<int>(std::strlen(messageText)), &box, DT_LEFT | DT_TOP);
}

void clearDiceArea() { clearWhite(belowBoard(1, PanelSplitX)); }

void clearMessageArea() { clearWhite(belowBoard(PanelSplitX, screenWidth - 1)); }

void invalidateAll(bool erase) {
    const Rect whole{0, 0, screenWidth, screenHeight};
    InvalidateRect(&whole, erase);
}

void drawChoosePanel() {
    const int32_t S = game.boardSize;
    clearDiceArea();
    clearMessageArea();
    char caption[MessageCapacity];
    if (loadMessage(MsgChoose, caption)) drawTextAt(caption, 4, S + 8);
    for (int32_t k = 0; k < ChooseButtons; ++k) {
        const uint8_t code = game.moveKindChoices[k];
        if (code == None) break;
        drawTokenIcons(code, chooseLeft(k) + ChooseWidth / 2, S + RowMiddle);
    }
}
