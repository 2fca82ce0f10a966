// The keyboard in the main window: Roll and tokens by Space, Enter and a focus ring, dice and
// "Choose:" buttons by number, Hard's advice by H, and the menu bar's commands by their usual shortcuts.
#include "shell/keys.h"

#include "ai/hard.h"
#include "game/game_state.h"
#include "game/setup.h"
#include "game/track.h"
#include "game/undo.h"
#include "platform/chrome/chrome.h"
#include "platform/window/messages.h"
#include "render/geometry.h"
#include "render/tokens.h"
#include "resources/ids.h"
#include "turn/controller.h"
#include "turn/selection.h"

namespace {

constexpr int32_t NoFocus = -1;
constexpr int32_t RingRadius = 10;  // round a token's tap point, just outside its disc

struct TapPoint {
    int32_t x, y;
};

// The focused token's tap point; x is NoFocus while the ring is hidden.
TapPoint focus{NoFocus, NoFocus};

// The distinct tap points of the tokens the flash shows, in its order: tokens sharing a square
// share one tap, so they share one stop of the ring.
uint8_t movableTokenPoints(TapPoint points[MaxMovableTokens]) {
    if (turnState() != PickToken) return 0;
    uint8_t colours[MaxMovableTokens], tokens[MaxMovableTokens];
    const uint8_t movable = listMovableTokens(colours, tokens);
    uint8_t count = 0;
    for (uint8_t i = 0; i < movable; ++i) {
        TapPoint p{};
        tokenPoint(slotOf(colours[i], tokens[i]).square, colours[i], tokens[i], p.x, p.y);
        bool seen = false;
        for (uint8_t j = 0; j < count; ++j) seen = seen || (points[j].x == p.x && points[j].y == p.y);
        if (!seen) points[count++] = p;
    }
    return count;
}

int focusIndex(const TapPoint points[], uint8_t count) {
    for (uint8_t i = 0; i < count; ++i)
        if (points[i].x == focus.x && points[i].y == focus.y) return i;
    return NoFocus;
}

void showFocus() {
    if (focus.x == NoFocus) {
        setFocusRing(nullptr);
        return;
    }
    const Rect ring{focus.x - RingRadius, focus.y - RingRadius, focus.x + RingRadius + 2, focus.y + RingRadius + 2};
    setFocusRing(&ring);
}

// The first step from no focus lands on the first token going forward, the last going back.
void moveFocus(int step) {
    TapPoint points[MaxMovableTokens];
    const uint8_t count = movableTokenPoints(points);
    if (count == 0) return;
    const int at = focusIndex(points, count);
    const int from = at != NoFocus ? at : (step > 0 ? count - 1 : 0);
    focus = points[(from + step + count) % count];
    showFocus();
}

// The stylus's press and release, handled at once so that the next key sees what it did.
void tapAt(int32_t x, int32_t y) {
    const int32_t point = makePointParam(x, y);
    SendMessage(WM_LBUTTONDOWN, 0, point);
    SendMessage(WM_LBUTTONUP, 0, point);
}

void rollOrPlay() {
    TapPoint p{};
    if (turnState() == AwaitRoll && game.players[game.core.currentPlayer].kind == Human) {
        rollTapPoint(p.x, p.y);
    } else if (turnState() == PickToken && focus.x != NoFocus) {
        p = focus;
    } else {
        return;
    }
    tapAt(p.x, p.y);
}

// Digit n picks die n of the row while a token is to be picked, or "Choose:" button n.
void pickNumbered(uint8_t n) {
    TapPoint p{};
    if (turnState() == PickToken && n < DiceInRow && n <= sixesRolled() && !dieUsed(n))
        dieTapPoint(n, p.x, p.y);
    else if (turnState() == PickMove && n < ChooseButtons && game.moveKindChoices[n] != None)
        choiceTapPoint(n, p.x, p.y);
    else
        return;
    tapAt(p.x, p.y);
}

// The move Hard would make in the player's place: its die selected and the ring on its token.
// Nothing is played; Enter then plays it.
void showHardMove() {
    if (turnState() != PickToken || game.players[game.core.currentPlayer].kind != Human) return;
    PendingMove move{};
    if (!chooseHardMove(game, move)) return;
    pickNumbered(move.dieIndex);
    tokenPoint(slotOf(move.player, move.token).square, move.player, move.token, focus.x, focus.y);
    showFocus();
}

void newGameLikeThis() { SendMessage(WM_COMMAND, flag(FlagOnePlayer) ? CmdOnePlayerGame : CmdTwoPlayerGame, 0); }

struct Shortcut {
    uint32_t key;
    uint32_t modifiers;
    void (*act)();
};

constexpr Shortcut shortcuts[] = {
    {KeySpace, 0, rollOrPlay},
    {KeyEnter, 0, rollOrPlay},
    {KeyTab, 0, [] { moveFocus(1); }},
    {KeyRight, 0, [] { moveFocus(1); }},
    {KeyDown, 0, [] { moveFocus(1); }},
    {KeyTab, KeyShift, [] { moveFocus(-1); }},
    {KeyLeft, 0, [] { moveFocus(-1); }},
    {KeyUp, 0, [] { moveFocus(-1); }},
    {'H', 0, showHardMove},
    {'N', KeyCtrl, newGameLikeThis},
    {'Z', KeyCtrl, [] { SendMessage(WM_COMMAND, CmdUndo, 0); }},
    {'Q', KeyCtrl, [] { PostMessage(WM_CLOSE, 0, 0); }},
    {KeyF1, 0, [] { SendMessage(WM_COMMAND, CmdHelp, 0); }},
    {KeyF2, 0, [] { pressMenuButton(CmdNewMenu); }},
    {'N', KeyAlt, [] { pressMenuButton(CmdNewMenu); }},
    {KeyF3, 0, [] { pressMenuButton(CmdViewMenu); }},
    {'V', KeyAlt, [] { pressMenuButton(CmdViewMenu); }},
};

}  // namespace

void onKey(uint32_t key, uint32_t modifiers) {
    if (modifiers == 0 && key >= '1' && key < '1' + ChooseButtons) {
        pickNumbered(static_cast<uint8_t>(key - '1'));
        return;
    }
    for (const Shortcut& shortcut : shortcuts)
        if (shortcut.key == key && shortcut.modifiers == modifiers) shortcut.act();
}

void refreshFocusRing() {
    if (focus.x == NoFocus) return;
    TapPoint points[MaxMovableTokens];
    if (focusIndex(points, movableTokenPoints(points)) == NoFocus) hideFocusRing();
}

void hideFocusRing() {
    focus = {NoFocus, NoFocus};
    showFocus();
}
