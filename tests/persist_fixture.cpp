// Shared set-up for the saved-game suites: a scratch program folder and store, and game positions.
#include "tests/persist_fixture.h"

#include <stdlib.h>

#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "game/track.h"
#include "persist/registry.h"
#include "persist/savefile.h"
#include "platform/store.h"
#include "platform/system.h"

void setUpPosition(bool partners) {
    game = GameState{};
    game.core.flags = DefaultFlags | FlagOnePlayer | (partners ? FlagPartners : 0);
    const uint8_t other = partners ? Computer : Absent;
    const uint8_t kinds[4] = {Human, other, partners ? uint8_t(Human) : uint8_t(Computer), other};
    for (uint8_t colour = 0; colour < 4; ++colour) game.players[colour].kind = kinds[colour];
    for (BoardSlot& slot : game.board) slot.square = None;
    game.board[0] = BoardSlot{SquareYard, 16, 0xFFFF};
    clearPendingMove();
    game.moveKind = None;
}

void placeToken(uint8_t colour, uint8_t token, uint8_t progress) {
    const uint16_t bit = static_cast<uint16_t>(1u << (4 * colour + token));
    BoardSlot& from = slotOf(colour, token);
    if (from.count == 1) {
        from.square = None;
    } else {
        --from.count;
        from.tokenMask = static_cast<uint16_t>(from.tokenMask & ~bit);
    }
    const uint8_t square = squareOf(colour, progress);
    uint8_t target = None;
    for (uint8_t i = 0; i < 16 && target == None; ++i)
        if (game.board[i].square == square) target = i;
    if (target != None) {
        ++game.board[target].count;
        game.board[target].tokenMask = static_cast<uint16_t>(game.board[target].tokenMask | bit);
    } else {
        for (uint8_t i = 0; i < 16 && target == None; ++i)
            if (game.board[i].square == None) target = i;
        game.board[target] = BoardSlot{square, 1, bit};
    }
    game.players[colour].slot[token] = target;
    game.players[colour].progress[token] = progress;
}

void setDice(TurnState state, uint32_t lastDie, uint32_t sixesRolled, uint32_t sixesUsed, bool lastDieUsed) {
    setTurnState(state);
    setLastDie(lastDie);
    setSixesRolled(sixesRolled);
    setSixesUsed(sixesUsed);
    setLastDieUsed(lastDieUsed);
}

bool sameStoredBlocks(const GameState& a, const GameState& b) {
    return std::memcmp(&a.core, &b.core, sizeof a.core) == 0 &&
           std::memcmp(a.players, b.players, sizeof a.players) == 0 &&
           std::memcmp(a.board, b.board, sizeof a.board) == 0 &&
           std::memcmp(&a.pendingMove, &b.pendingMove, sizeof a.pendingMove) == 0;
}

std::vector<uint8_t> readBytes(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

void PersistTest::SetUp() {
    char name[] = "/tmp/rendaro-persist-XXXXXX";
    ASSERT_NE(mkdtemp(name), nullptr);
    folder = name;
    setModulePath(folder + "/rendaro");
    setStoreRoot(folder + "/config");
    std::fill(std::begin(saveBuffer), std::end(saveBuffer), 0);
    setUpPosition(true);
}

void PersistTest::TearDown() {
    std::error_code ignored;
    std::filesystem::remove_all(folder, ignored);
    setModulePath("");
    setStoreRoot("");
}

std::vector<uint8_t> PersistTest::packedGame() {
    packRecord();
    return {std::begin(saveBuffer), std::end(saveBuffer)};
}

void PersistTest::storeGame(bool toFile, bool toRegistry) {
    packRecord();
    if (toFile) {
        ASSERT_TRUE(transferSaveFile(saveBuffer, true));
    }
    if (toRegistry) {
        ASSERT_TRUE(writeRegistryCopy(saveBuffer));
    }
}
