// Dice rolling: the roll of one die with its animation and outcome, and the generator behind it.
#include "turn/dice.h"

#include "game/game_state.h"
#include "game/undo.h"
#include "platform/system/sound.h"
#include "platform/window/clock.h"
#include "render/dice_row.h"
#include "render/panel.h"
#include "turn/messages.h"

namespace {

// xorshift32: small, fast and good enough for a board game; the state is never zero.
uint32_t generatorState = 0x9E3779B9u;

FixedRollSource fixedRolls = nullptr;

uint32_t nextRandom() {
    uint32_t x = generatorState;
    x ^= x << 13;
    x ^= x >> 17;
    x ^= x << 5;
    generatorState = x;
    return x;
}

RollOutcome loseTurnOnThreeSixes() {
    setSixesUsed(2);
    setLastDieUsed(true);
    drawDiceRow();
    if (flag(FlagPlaySounds)) PlaySound("WVP");
    setMessage(MsgThreeSixes, false);
    if (flag(FlagShowTips)) {
        drawMessagePanel();
        waitMs(1000);
    }
    return RollOutcome::TurnLost;
}

}  // namespace

void seedDice(uint32_t seed) {
    // Spread nearby clock seeds apart (a murmur finaliser); zero would stall the generator.
    seed ^= seed >> 16;
    seed *= 0x85EBCA6Bu;
    seed ^= seed >> 13;
    seed *= 0xC2B2AE35u;
    seed ^= seed >> 16;
    generatorState = seed != 0 ? seed : 0x9E3779B9u;
}

uint8_t nextDieValue() {
    if (fixedRolls) {
        const uint8_t fixed = fixedRolls();
        if (fixed >= 1 && fixed <= 6) return fixed;
    }
    // Redraw the few values above the last whole multiple of six so every face is equally likely.
    constexpr uint32_t limit = 0xFFFFFFFFu - 0xFFFFFFFFu % 6;
    uint32_t x = nextRandom();
    while (x >= limit) x = nextRandom();
    return static_cast<uint8_t>(x % 6 + 1);
}

void setFixedRollSource(FixedRollSource source) { fixedRolls = source; }

RollOutcome rollDie() {
    const bool human = game.players[game.core.currentPlayer].kind == Human;
    game.pendingMove.dieIndex = None;
    game.pendingMove.player = None;
    game.pendingMove.token = None;
    setSixesUsed(0);
    setLastDieUsed(false);

    const bool animate = flag(FlagAnimateDice);
    int32_t frameX = 0;
    if (animate) {
        frameX = rollAnimation(human);
    } else if (!human && sixesRolled() == 0) {
        clearDiceArea();
    }

    const uint8_t v = nextDieValue();
    setLastDie(v);
    game.pendingMove.dieIndex = 0;
    if (v == 6) setSixesRolled(sixesRolled() + 1u);
    if (animate) eraseRollFrame(frameX);
    drawDiceRow();

    if (v == 6 && sixesRolled() < 3) {
        setMessage(human ? MsgSixHuman : MsgSixComputer, false);
        return RollOutcome::RollAgain;
    }
    if (v == 6) return loseTurnOnThreeSixes();
    if (!human) {
        setMessage(MsgComputerMoving, false);
        drawMessagePanel();
    }
    setTurnState(Playing);
    if (human) takeUndoSnapshot();
    return RollOutcome::Play;
}
