// A turn's moves as the controller plays them after a tap on a token, and the question before a new game.
#include <gtest/gtest.h>

#include <cstdio>
#include <map>
#include <sstream>
#include <string>

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
    for (const auto& row : tableRows("choose_panel.txt")) {
        unsigned last = 0, sixes = 0;
        ASSERT_EQ(std::sscanf(row.at(2).c_str(), "%u %u", &last, &sixes), 2) << row[0];
        setUpPosition(true);
        placeWords(row.at(1));
        setTurn(Playing, uint8_t(last), uint8_t(sixes), 0, false);
        game.pendingMove = PendingMove{0, 0, 0, None, None};
        playTap(0, game.boardSize + 1);  // below the board, left of the "Choose:" buttons: no choice
        EXPECT_EQ(turnState() == PickMove, row.at(3) == "panel") << row[0];
        EXPECT_EQ(misplacedWords(row.at(4)), "") << row[0];
    }
}

// A new game is asked about unless side 0 has nothing to lose: every token still in its yard, or no
// further than Quick Start placed it. Answered No, the game goes on.
TEST(TurnMoves, TheNewGameQuestionPastTheStartingLineUp) {
    const std::map<std::string, uint32_t> options = {{"quick-start", FlagQuickStart}, {"short-games", FlagShortGames}, {"-", 0}};
    const std::map<std::string, TurnState> states = {{"AwaitRoll", AwaitRoll}, {"Playing", Playing}, {"GameOver", GameOver}};
    for (const auto& row : tableRows("new_game_question.txt")) {
        std::istringstream words(row.at(1));
        game.core.flags = 0;
        for (std::string word; words >> word;) game.core.flags |= options.at(word);
        setUpBoard(CmdTwoPlayerGame);
        moveToken(game, 0, 0, std::stoi(row.at(2)));
        setTurnState(states.at(row.at(3)));
        game.core.currentPlayer = 2;  // a new game gives the turn to colour 0
        answerQuestion(false);
        requestNewGame(CmdTwoPlayerGame);
        EXPECT_EQ(game.core.currentPlayer == 2, row.at(4) == "asked") << row[0];
    }
}
