// The string table: every text the game shows, by id.
#include "resources/strings.h"

#include "resources/ids.h"

namespace {

struct StringEntry {
    int id;
    const char* text;
};

constexpr StringEntry Strings[] = {
    {StrNew, "New"},
    {StrView, "View"},
    {MsgTapRoll, "Tap the Roll button\nto roll the die"},
    {MsgComputerRolling, "Computer rolling die"},
    {MsgTapTokenOrDie, "Tap a token to play\nor select a die"},
    {MsgSixHuman, "Six!\nRoll again"},
    {MsgSixComputer, "Six!\nComputer rolling again"},
    {MsgThreeSixes, "Three sixes in a row\nLose a turn"},
    {MsgComputerMoving, "Computer moving token"},
    {MsgTapToken, "Tap a token to play"},
    {MsgChoose, "Choose:"},
    {MsgUndoComplete, "Undo complete\nPlay your roll again"},
    {MsgNeedsSix, "Token needs\na six to start"},
    {MsgBlocked, "Token is blocked\nby opponent's pair"},
    {MsgPastHome, "Token cannot\ngo past home"},
    {MsgYouWin, "Game Over\nYou Win!"},
    {MsgComputerWins, "Game Over\nComputer Wins!"},
    {MsgPlayer1Wins, "Game Over\nPlayer 1 Wins!"},
    {MsgPlayer2Wins, "Game Over\nPlayer 2 Wins!"},
    {StrEasy, "Easy"},
    {StrNormal, "Normal"},
    {StrHard, "Hard"},
    {AskAbandonGame, "Do you want to abandon the current game and start a new one?"},
};

}  // namespace

const char* loadString(int id) {
    for (const StringEntry& entry : Strings)
        if (entry.id == id) return entry.text;
    return nullptr;
}
