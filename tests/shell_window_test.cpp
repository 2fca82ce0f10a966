// The main window: stylus press and release, the menu commands, closing, and start-up from a saved game.
#include <gtest/gtest.h>

#include <string>

#include "game/game_state.h"
#include "game/moves.h"
#include "game/setup.h"
#include "game/undo.h"
#include "persist/savefile.h"
#include "platform/chrome/chrome.h"
#include "platform/window/messages.h"
#include "platform/canvas/screen.h"
#include "render/panel.h"
#include "resources/strings.h"
#include "shell/window.h"
#include "tests/game_positions.h"
#include "tests/turn_driver.h"

namespace {

using ShellWindow = TurnDriverTest;

void command(uint32_t id) {
    PostMessage(WM_COMMAND, id, 0);
    ASSERT_TRUE(runQueue());
}

void pen(uint32_t message, int32_t x, int32_t y) { PostMessage(message, 0, makePointParam(x, y)); }

}  // namespace

TEST_F(ShellWindow, ATapIsThePressFollowedByItsReleaseWherever) {
    startGame(CmdOnePlayerGame, FlagShortGames);
    fixRolls({6, 6});
    pen(WM_LBUTTONUP, game.boardSize - 20, game.boardSize + 10);
    ASSERT_TRUE(runQueue());
    EXPECT_EQ(lastDie(), 0) << "a release without its press is no tap";

    // Pressed in the window, released far outside it: the release point counts, and the Roll area
    // has no right or lower bound.
    pen(WM_LBUTTONDOWN, 5, 5);
    pen(WM_LBUTTONUP, 1000, 2000);
    ASSERT_TRUE(runQueue());
    EXPECT_EQ(sixesRolled(), 1);
    pen(WM_LBUTTONDOWN, 5, 5);
    pen(WM_LBUTTONUP, -3, game.boardSize + 10);
    ASSERT_TRUE(runQueue());
    EXPECT_EQ(sixesRolled(), 1) << "left of the Roll area";
}

TEST_F(ShellWindow, NewGameAsksOnlyOnceTheFirstSideHasMoved) {
    startGame(CmdOnePlayerGame, FlagQuickStart);
    command(CmdTwoPlayerGameAlt);
    EXPECT_FALSE(traced(trace, "ask 1602"));
    EXPECT_FALSE(flag(FlagOnePlayer));
    EXPECT_EQ(game.players[1].kind, Human);

    place(0, 0, 9);
    answerQuestion(false);
    command(CmdOnePlayerGame);
    EXPECT_TRUE(traced(trace, "ask 1602"));
    EXPECT_EQ(progressOf(0, 0), 9);
    EXPECT_FALSE(flag(FlagOnePlayer));

    answerQuestion(true);
    command(CmdOnePlayerGame);
    EXPECT_EQ(progressOf(0, 0), 1);
    EXPECT_TRUE(flag(FlagOnePlayer));
    EXPECT_EQ(game.players[1].kind, Computer);

    // A game that is over is left without a question.
    place(0, 0, 9);
    setTurnState(GameOver);
    trace.clear();
    command(CmdTwoPlayerGame);
    EXPECT_FALSE(traced(trace, "ask 1602"));
    EXPECT_EQ(turnState(), AwaitRoll);
}

TEST_F(ShellWindow, UndoActsOnlyWhileItsButtonIsOn) {
    startGame(CmdTwoPlayerGame, FlagShortGames);
    place(0, 0, 10);
    // Nothing was played yet: the snapshot is empty and must never be restored.
    command(CmdUndo);
    EXPECT_EQ(progressOf(0, 0), 10);
    EXPECT_EQ(turnState(), AwaitRoll);
    EXPECT_FALSE(std::string(messageText) == loadString(1220));

    fixRolls({4});
    tapRoll();
    ASSERT_EQ(progressOf(0, 0), 14);
    command(CmdUndo);
    EXPECT_EQ(progressOf(0, 0), 10);
    EXPECT_TRUE(std::string(messageText) == loadString(1220));
    place(0, 0, 25);
    command(CmdUndo);
    EXPECT_EQ(progressOf(0, 0), 25) << "a second Undo finds the button off";
}

TEST_F(ShellWindow, HelpAndClosing) {
    startGame(CmdOnePlayerGame, 0);
    command(CmdHelp);
    EXPECT_TRUE(traced(trace, "help"));

    PostMessage(WM_CLOSEPROGRAM, 0, 0);
    runQueue();
    EXPECT_FALSE(MainWindowExists());
}

TEST_F(ShellWindow, StartUpRestoresTheSavedGame) {
    // A finished game: its result is shown again, and nothing is counted twice.
    startPosition(FlagOnePlayer | FlagShowTips);
    game.players[1].kind = Absent;
    game.players[3].kind = Absent;
    game.players[2].kind = Computer;
    for (uint8_t t = 0; t < 4; ++t) place(0, t, ProgressHome);
    setDice(3, 0, 0, true);
    setTurnState(GameOver);
    game.core.gamesPlayed = 3;
    game.core.gamesWon = 2;
    ASSERT_TRUE(saveState());
    closeMainWindow();
    messageText[0] = '\0';
    EXPECT_EQ(rendaroMain(), 0);
    EXPECT_EQ(turnState(), GameOver);
    EXPECT_EQ(std::string(messageText), loadString(1403));
    EXPECT_EQ(game.core.gamesPlayed, 3u);
    EXPECT_EQ(game.core.gamesWon, 2u);

    // A game saved while choosing how to move a pair comes back with its buttons.
    closeMainWindow();
    ASSERT_TRUE(CreateMainWindow(mainWindowProc));
    startPosition(FlagShowTips);
    game.players[1].kind = Absent;
    game.players[3].kind = Absent;
    place(0, 0, 10);
    place(0, 1, 10);
    setDice(4, 0);
    setTurnState(PickMove);
    game.pendingMove = PendingMove{0, 0, 0, None, None};
    ASSERT_TRUE(saveState());
    closeMainWindow();
    EXPECT_EQ(rendaroMain(), 0);
    EXPECT_EQ(turnState(), PickMove);
    EXPECT_EQ(game.moveKindChoices[0], 1);
    EXPECT_EQ(game.moveKindChoices[1], 3);
    EXPECT_EQ(game.moveKindChoices[2], None);
}

TEST_F(ShellWindow, ATapQueuedBehindARepaintFindsTheBoardDrawn) {
    startGame(CmdOnePlayerGame, 0);
    // New game asks for a full repaint with erasing; the tap already waits behind the command, so
    // it is handled before the paint message would come.
    PostMessage(WM_COMMAND, CmdOnePlayerGame, 0);
    pen(WM_LBUTTONDOWN, 10, 10);
    pen(WM_LBUTTONUP, 10, 10);
    ASSERT_TRUE(runQueue());
    const uint32_t* pixels = screenPixels();
    const int width = screenWidthPixels();
    // The centre of colour 0's yard, between its places: its light shade, not the erased white.
    const int x = game.boardSize / 6;
    const int y = 2 * game.boardSize / 3 + game.boardSize / 6;
    EXPECT_EQ(pixels[(clientTop() + y) * width + x], RGB(255, 136, 136));
}
