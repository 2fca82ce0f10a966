// The string table: every text the game shows, by id.
#include "resources/strings.h"

namespace {

struct StringEntry {
    int id;
    const char* text;
};

constexpr StringEntry Strings[] = {
    {1001, "New"},
    {1002, "View"},
    {1201, "Tap the Roll button\nto roll the die"},
    {1202, "Computer rolling die"},
    {1203, "Tap a token to play\nor select a die"},
    {1205, "Six!\nRoll again"},
    {1206, "Six!\nComputer rolling again"},
    {1207, "Three sixes in a row\nLose a turn"},
    {1208, "Computer moving token"},
    {1209, "Tap a token to play"},
    {1210, "Choose:"},
    {1220, "Undo complete\nPlay your roll again"},
    {1221, "Token needs\na six to start"},
    {1222, "Token is blocked\nby opponent's pair"},
    {1223, "Token cannot\ngo past home"},
    {1403, "Game Over\nYou Win!"},
    {1404, "Game Over\nComputer Wins!"},
    {1405, "Game Over\nPlayer 1 Wins!"},
    {1406, "Game Over\nPlayer 2 Wins!"},
    {1504, "Easy"},
    {1505, "Normal"},
    {1602, "Do you want to abandon the current game and start a new one?"},
};

}  // namespace

const char* loadString(int id) {
    for (const StringEntry& entry : Strings)
        if (entry.id == id) return entry.text;
    return nullptr;
}
