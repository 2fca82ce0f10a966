// The message ids the turn flow shows in the panel, and the prompt that asks for a token or a die.
#pragma once
#include "game/game_state.h"

enum TurnMessage : int {
    MsgTapRoll = 1201,
    MsgComputerRolling = 1202,
    MsgTapTokenOrDie = 1203,
    MsgSixHuman = 1205,
    MsgSixComputer = 1206,
    MsgThreeSixes = 1207,
    MsgComputerMoving = 1208,
    MsgTapToken = 1209,
};

// One die left to play asks only for a token; more dice also offer the choice of die.
inline int promptMessageId() {
    const int diceLeft = sixesRolled() + 1 - sixesUsed() - (lastDieUsed() ? 1 : 0);
    return diceLeft <= 1 ? MsgTapToken : MsgTapTokenOrDie;
}
