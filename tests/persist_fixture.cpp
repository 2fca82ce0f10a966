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
#include "platform/system/store.h"
#include "platform/system/program.h"
#include "tests/game_positions.h"

void setUpPosition(bool partners) {
    startPosition(DefaultFlags | FlagOnePlayer | (partners ? FlagPartners : 0));
    const uint8_t other = partners ? Computer : Absent;
    const uint8_t kinds[4] = {Human, other, partners ? uint8_t(Human) : uint8_t(Computer), other};
    for (uint8_t colour = 0; colour < 4; ++colour) game.players[colour].kind = kinds[colour];
}

void placeToken(uint8_t colour, uint8_t token, uint8_t progress) {
    putOnSquare(colour, token, squareOf(colour, progress));
    game.players[colour].progress[token] = progress;
}

void setDice(TurnState state, uint32_t lastDie, uint32_t sixesRolled, uint32_t sixesUsed, bool lastDieUsed) {
    setTurnState(state);
    setDice(static_cast<uint8_t>(lastDie), static_cast<uint8_t>(sixesRolled), static_cast<uint8_t>(sixesUsed),
            lastDieUsed);
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
