// Driving the turn controller tap by tap, as the computer's own posted taps would, and tallying each tap.
#include "tools/sim/play.h"

#include <bit>

#include "game/game_state.h"
#include "game/setup.h"
#include "platform/window/messages.h"
#include "turn/controller.h"
#include "turn/dice.h"

namespace {

// Far more taps than any real game takes: a game still going by then is a fault.
constexpr int64_t MaxTaps = 1'000'000;

// The die the generator gave, handed to the controller's next roll.
uint8_t dieForNextRoll = 0;
uint8_t takeDieForNextRoll() {
    const uint8_t die = dieForNextRoll;
    dieForNextRoll = 0;
    return die;
}

// Side 1 holds colours 0 and 2 in partners games and colour 0 in short ones, unless seats are swapped.
int sideOf(uint8_t colour, bool swapped) {
    const int seat = flag(FlagPartners) ? colour % 2 : colour / 2;
    return seat ^ (swapped ? 1 : 0);
}

// The tokens out of their yards, bit 4 * colour + token. Asked twice a tap, so each colour's four
// progress bytes are tested as one word: a byte's top bit is set where it is not zero, and one
// multiplication gathers the four top bits.
uint16_t tokensOut() {
    uint32_t out = 0;
    for (uint32_t c = 0; c < 4; ++c) {
        const uint8_t* progress = game.players[c].progress;
        const uint32_t bytes = progress[0] | progress[1] << 8 | progress[2] << 16 | uint32_t{progress[3]} << 24;
        const uint32_t nonZero = (((bytes & 0x7F7F7F7Fu) + 0x7F7F7F7Fu) | bytes) & 0x80808080u;
        out |= (nonZero * 0x00204081u) >> 28 << (4 * c);
    }
    return static_cast<uint16_t>(out);
}

// The computer's posted taps fill the queue; the simulator plays them itself, so it drops them.
void dropPostedTaps() {
    Msg discarded{};
    while (PeekMessageRemove(discarded, WM_MOUSEFIRST, WM_PENLAST)) {
    }
}

}  // namespace

uint32_t gameSeed(const SimOptions& options, int64_t index) {
    return options.seed + static_cast<uint32_t>(options.swap ? index / 2 : index);
}

bool gameSwapped(const SimOptions& options, int64_t index) { return options.swap && index % 2 == 1; }

void startGame(const SimOptions& options, uint32_t seed) {
    game = GameState{};
    game.core.flags = (options.shortGames ? FlagShortGames : 0) | (options.quickStart ? FlagQuickStart : 0);
    newGame(CmdOnePlayerGame);
    seedDice(seed);
    dieForNextRoll = 0;
    setFixedRollSource(takeDieForNextRoll);
    for (PlayerRecord& player : game.players)
        if (player.kind != Absent) player.kind = Computer;
    setTurnState(Rolling);
    dropPostedTaps();
}

bool finishGame(const SimOptions& options, bool swapped, GameResult& result, RollLog* log) {
    result = GameResult{};
    const uint32_t movesBefore = movesPlayed;
    for (int64_t tap = 0; turnState() != GameOver; ++tap) {
        if (tap == MaxTaps) return false;
        const uint8_t colour = game.core.currentPlayer;
        // The game keeps one difficulty for every computer: each side's is set before its turns.
        setDifficulty(options.sides[sideOf(colour, swapped)]);
        // The roll comes from the game's own generator, only seen on its way to the controller.
        const uint8_t die = nextDieValue();
        dieForNextRoll = die;
        if (log && log->count < log->capacity) log->values[log->count] = die;
        if (log) ++log->count;
        ++result.faces[die - 1];
        if (sixesRolled() == 0) ++result.turns;
        if (die == 6 && sixesRolled() == 2) ++result.threeSixes;
        const uint16_t outBefore = tokensOut();
        playTap(0, 0);  // a computer's tap rolls wherever it lands
        // Out before the tap and back in the yard after it: captured.
        result.captures += static_cast<uint32_t>(std::popcount(static_cast<uint16_t>(outBefore & ~tokensOut())));
        dropPostedTaps();
    }
    result.moves = movesPlayed - movesBefore;
    const uint8_t winner = game.core.currentPlayer;
    result.winnerSide = static_cast<uint8_t>(sideOf(winner, swapped));
    result.firstSeatWon = sideOf(winner, false) == 0;
    return true;
}
