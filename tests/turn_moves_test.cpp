// A turn's moves as the controller plays them after a tap on a token, and the question before a new game.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "game/position.h"
#include "game/setup.h"
#include "platform/chrome/chrome.h"
#include "tests/game_positions.h"
#include "turn/controller.h"

// Red's token at progress 43 cannot take a six past its home, but the partner's token on the same
// square can: the only kind of move left is the partner's, and that move is judged, not red's.
TEST(TurnMoves, AKindOfMoveListedForATappedTokenIsJudgedOnItsOwn) {
    setUpPosition(true);
    placeWords("0.0@43 0.2@48 0.3@48 2.0@21 2.1@48 2.2@48 2.3@48");
    setTurn(Playing, 3, 1, 0, true);
    game.pendingMove = PendingMove{0, 0, 0, None, None};  // red's token 0 tapped, for the six
    playTap(0, 0);
    EXPECT_EQ(progressOf(2, 0), 27);
    EXPECT_EQ(progressOf(0, 0), 43);
}

// A person taps a token on a shared square: the "Choose:" panel comes up only when two kinds of move
// or more are offered; a single kind is played at once.
TEST(TurnMoves, TheChoosePanelOnlyForAChoice) {
    const struct Row {
        const char* what;
        const char* tokens;  // as placeWords takes them
        uint8_t last, sixes;  // the first die is played
        bool panel;
        uint8_t after0, after1;  // colour 0's tokens 0 and 1
    } rows[] = {
        {"an own pair and an odd die: the token alone", "0.0@10 0.1@10", 3, 0, false, 13, 10},
        {"an own pair that cannot move alone: the pair", "0.0@10 0.1@10 1.0:13 1.1:13", 4, 0, false, 12, 12},
        {"an own pair and an even die: the choice", "0.0@10 0.1@10", 4, 0, true, 10, 10},
        {"two kinds of pair, none alone: the choice", "0.0@10 0.1@10 2.0:10 3.0:11 3.1:11", 3, 1, true, 10, 10},
    };
    for (const Row& row : rows) {
        setUpPosition(true);
        placeWords(row.tokens);
        setTurn(Playing, row.last, row.sixes, 0, false);
        game.pendingMove = PendingMove{0, 0, 0, None, None};
        playTap(0, game.boardSize + 1);  // below the board, left of the "Choose:" buttons: no choice
        EXPECT_EQ(turnState() == PickMove, row.panel) << row.what;
        EXPECT_EQ(progressOf(0, 0), row.after0) << row.what;
        EXPECT_EQ(progressOf(0, 1), row.after1) << row.what;
    }
}

// A new game is asked about unless side 0 has nothing to lose: every token still in its yard, or no
// further than Quick Start placed it. Answered No, the game goes on.
TEST(TurnMoves, TheNewGameQuestionPastTheStartingLineUp) {
    const struct Row {
        const char* what;
        uint32_t flags;
        uint8_t steps;  // colour 0's token 0 moved on from where the line-up left it
        TurnState state;
        bool asked;
    } rows[] = {
        {"a Quick Start line-up", FlagQuickStart, 0, AwaitRoll, false},
        {"one step past it", FlagQuickStart, 1, AwaitRoll, true},
        {"a short game's Quick Start line-up", FlagQuickStart | FlagShortGames, 0, AwaitRoll, false},
        {"one step past that", FlagQuickStart | FlagShortGames, 1, Playing, true},
        {"every token in its yard", 0, 0, AwaitRoll, false},
        {"a token out", 0, 1, AwaitRoll, true},
        {"a game over", FlagQuickStart, 5, GameOver, false},
    };
    for (const Row& row : rows) {
        game.core.flags = row.flags;
        setUpBoard(CmdTwoPlayerGame);
        moveToken(game, 0, 0, row.steps);
        setTurnState(row.state);
        game.core.currentPlayer = 2;  // a new game gives the turn to colour 0
        answerQuestion(false);
        requestNewGame(CmdTwoPlayerGame);
        EXPECT_EQ(game.core.currentPlayer == 2, row.asked) << row.what;
    }
}
