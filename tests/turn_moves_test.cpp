// A turn's moves as the controller plays them after a tap on a token.
#include <gtest/gtest.h>

#include "game/game_state.h"
#include "tests/game_positions.h"
#include "turn/controller.h"

// Red's token at progress 43 cannot take a six past its home, but the partner's token on the same
// square can: the only kind of move left is the partner's, and that move is judged, not red's.
TEST(TurnMoves, AKindOfMoveListedForATappedTokenIsJudgedOnItsOwn) {
    setUpPosition(true);
    for (const Placed& t : std::vector<Placed>{{0, 0, 43}, {0, 2, 48}, {0, 3, 48}, {2, 0, 21}, {2, 1, 48}, {2, 2, 48}, {2, 3, 48}})
        place(t.colour, t.token, t.progress);
    setTurn(Playing, 3, 1, 0, true);
    game.pendingMove = PendingMove{0, 0, 0, None, None};  // red's token 0 tapped, for the six
    playTap(0, 0);
    EXPECT_EQ(progressOf(2, 0), 27);
    EXPECT_EQ(progressOf(0, 0), 43);
}
