// The message ids the turn flow shows in the panel, and the prompt that asks for a token or a die.
#pragma once
#include "game/game_state.h"
#include "resources/ids.h"

// One die left to play asks only for a token; more dice also offer the choice of die.
inline int promptMessageId() {
    const int diceLeft = sixesRolled() + 1 - sixesUsed() - (lastDieUsed() ? 1 : 0);
    return diceLeft <= 1 ? MsgTapToken : MsgTapTokenOrDie;
}
