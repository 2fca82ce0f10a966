// Building test positions: an empty board with chosen flags, tokens placed by progress or square, dice.
#include "tests/game_positions.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "game/game_state.h"
#include "game/position.h"
#include "game/track.h"

void startPosition(uint32_t flags) {
    game = GameState{};
    game.core.flags = flags;
    game.boardSize = 240;
    for (PlayerRecord& player : game.players) player.kind = Human;
    for (BoardSlot& slot : game.board) slot.square = None;
    game.board[0] = BoardSlot{SquareYard, 16, 0xFFFF};
    clearPendingMove();
    game.moveKind = None;
}

void place(uint8_t colour, uint8_t token, uint8_t progress) {
    moveToken(game, colour, token, progress - progressOf(colour, token));
}

void arrange(uint32_t flags, const std::vector<Placed>& tokens) {
    startPosition(flags);
    for (const Placed& t : tokens) place(t.colour, t.token, t.progress);
}

namespace {

// One token word, "C.T@P" or "C.T:S", as the colour, the token and the progress it names.
bool tokenWord(const std::string& word, Placed& named) {
    unsigned colour = 0, token = 0, where = 0;
    char kind = 0;
    if (std::sscanf(word.c_str(), "%u.%u%c%u", &colour, &token, &kind, &where) != 4 || (kind != '@' && kind != ':')) return false;
    named = {uint8_t(colour), uint8_t(token), kind == ':' ? progressOn(uint8_t(colour), uint8_t(where)) : uint8_t(where)};
    return true;
}

}  // namespace

void placeWords(const std::string& words) {
    std::istringstream list(words);
    for (std::string word; list >> word;) {
        Placed named{};
        if (word == "partners") game.core.flags |= FlagPartners;
        else if (tokenWord(word, named)) place(named.colour, named.token, named.progress);
        else ADD_FAILURE() << "not a token: " << word;
    }
}

std::string misplacedWords(const std::string& words) {
    std::istringstream list(words);
    std::string misplaced;
    for (std::string word; list >> word;) {
        Placed named{};
        if (!tokenWord(word, named)) ADD_FAILURE() << "not a token: " << word;
        else if (progressOf(named.colour, named.token) != named.progress) misplaced += word + " ";
    }
    return misplaced;
}

void arrangeWords(const std::string& words, uint32_t flags) {
    startPosition(flags);
    placeWords(words);
}

std::vector<std::vector<std::string>> tableRows(const char* name) {
    std::ifstream table(std::string(RENDARO_TEST_DIR) + "/tables/" + name);
    EXPECT_TRUE(table.is_open()) << name;
    std::vector<std::vector<std::string>> rows;
    for (std::string line; std::getline(table, line);) {
        if (line.empty() || line[0] == '#') continue;
        rows.emplace_back();
        for (size_t start = 0, end = 0; end != std::string::npos; start = end + 3)
            rows.back().push_back(line.substr(start, (end = line.find(" | ", start)) - start));
    }
    return rows;
}

uint8_t progressOn(uint8_t colour, uint8_t square) {
    return static_cast<uint8_t>((square + 44 - 11 * colour) % 44);
}

void setDice(uint8_t last, uint8_t sixes, uint8_t sixesPlayed, bool lastPlayed) {
    setLastDie(last);
    setSixesRolled(sixes);
    setSixesUsed(sixesPlayed);
    setLastDieUsed(lastPlayed);
}

void setUpPosition(bool partners) {
    startPosition(DefaultFlags | FlagOnePlayer | (partners ? FlagPartners : 0));
    const uint8_t other = partners ? Computer : Absent;
    const uint8_t kinds[4] = {Human, other, partners ? uint8_t(Human) : uint8_t(Computer), other};
    for (uint8_t colour = 0; colour < 4; ++colour) game.players[colour].kind = kinds[colour];
}

void placeToken(uint8_t colour, uint8_t token, uint8_t progress) {
    moveSlot(game, colour, token, squareOf(colour, progress));
    game.players[colour].progress[token] = progress;
}

void setTurn(TurnState state, uint8_t last, uint8_t sixes, uint8_t sixesPlayed, bool lastPlayed) {
    setTurnState(state);
    setDice(last, sixes, sixesPlayed, lastPlayed);
}
