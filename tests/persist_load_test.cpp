// Start-up loading: which of the two copies is applied, and what both hold afterwards.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "persist/registry.h"
#include "persist/savefile.h"
#include "platform/system/store.h"
#include "tests/persist_fixture.h"

namespace {

// A game in progress that differs from the start-up position in every stored block.
void makeSavedGame() {
    setUpPosition(true);
    placeToken(0, 0, 12);
    placeToken(1, 2, 5);
    game.core.gamesPlayed = 9;
    game.core.gamesWon = 4;
    game.core.gamesLost = 3;
    setFlag(FlagShowTips, false);
    setDice(PickToken, 3, 1, 0, false);
    game.pendingMove.dieIndex = 0;
}

std::vector<uint8_t> registryRecord() {
    uint8_t record[SaveRecordSize];
    if (!readRegistryCopy(record)) return {};
    return {record, record + SaveRecordSize};
}

// Rewrites the record's checksum after its bytes were changed on purpose.
void resum(std::vector<uint8_t>& record) {
    const uint32_t sum = recordChecksum(record.data());
    for (int i = 0; i < 4; ++i) record[i] = static_cast<uint8_t>(sum >> (8 * i));
}

void writeRegistryBytes(const std::vector<uint8_t>& record, uint32_t type = REG_BINARY) {
    ASSERT_TRUE(storeSetValue("SOFTWARE\\Calverin", "Rendaro", type, record.data(), record.size()));
}

class PersistLoadTest : public PersistTest {
protected:
    // A new run: no copy on disk, the save buffer zero, the game as start-up leaves it.
    void restart() {
        std::filesystem::remove(savePath());
        std::filesystem::remove(registryPath());
        std::fill(std::begin(saveBuffer), std::end(saveBuffer), 0);
        setUpPosition(true);
        startUp = game;
    }
    // Loads and checks that both copies now hold the record of the resulting game.
    void loadAndExpectBothCopiesEqual() {
        loadState();
        EXPECT_EQ(readBytes(savePath()), packedGame());
        EXPECT_EQ(registryRecord(), packedGame());
    }
    void expectStartUpKept() {
        EXPECT_TRUE(sameStoredBlocks(game, startUp));
        EXPECT_EQ(game.core.gamesPlayed, 0u);
    }

    GameState startUp{};
};

}  // namespace

TEST_F(PersistLoadTest, FirstRunKeepsTheStartUpGameAndCreatesBothCopies) {
    restart();
    loadAndExpectBothCopiesEqual();
    expectStartUpKept();
}

TEST_F(PersistLoadTest, SoundCopiesThatAgreeAreAppliedAndBothAreRewritten) {
    struct Copies {
        const char* name;
        bool file, registry;
    };
    for (const Copies& copies : {Copies{"file only", true, false}, Copies{"registry only", false, true},
                                 Copies{"both, equal", true, true}}) {
        SCOPED_TRACE(copies.name);
        restart();
        makeSavedGame();
        const GameState saved = game;
        storeGame(copies.file, copies.registry);
        setUpPosition(true);

        loadAndExpectBothCopiesEqual();
        EXPECT_TRUE(sameStoredBlocks(game, saved));
    }
}

TEST_F(PersistLoadTest, WhenTheCopiesDifferTheRegistryWinsAndIsWrittenBackToTheFile) {
    restart();
    makeSavedGame();
    storeGame(true, false);
    game.core.gamesPlayed = 10;  // a later save that reached the registry only
    placeToken(0, 0, 15);
    const GameState newer = game;
    std::vector<uint8_t> registry = packedGame();
    registry[200] = 0x5A;  // the bytes after the blocks come from the winning copy too
    resum(registry);
    writeRegistryBytes(registry);
    setUpPosition(true);

    loadState();
    EXPECT_TRUE(sameStoredBlocks(game, newer));
    EXPECT_EQ(readBytes(savePath()), registry);
    EXPECT_EQ(registryRecord(), registry);
}

TEST_F(PersistLoadTest, ABadChecksumOrAMalformedRecordInEitherCopyDiscardsBoth) {
    for (const bool malformed : {false, true})
        for (const bool inFile : {true, false}) {
            SCOPED_TRACE(std::string(malformed ? "malformed " : "bad checksum in ") + (inFile ? "file" : "registry"));
            restart();
            makeSavedGame();
            storeGame(true, true);
            std::vector<uint8_t> damaged = packedGame();
            if (malformed) {
                game.core.currentPlayer = 7;
                damaged = packedGame();  // with a matching checksum
                ASSERT_EQ(damaged[11], 7);
            } else {
                damaged[31] ^= 0x01;  // gamesWon, checksum left as it was
            }
            if (inFile)
                writeBytes(savePath(), damaged);
            else
                writeRegistryBytes(damaged);
            setUpPosition(true);

            loadAndExpectBothCopiesEqual();
            expectStartUpKept();  // statistics start again at zero
        }
}

TEST_F(PersistLoadTest, ShortFilesCountAsAbsent) {
    restart();
    makeSavedGame();
    const GameState saved = game;
    const std::vector<uint8_t> record = packedGame();

    // 247 bytes and nothing else: a first run.
    writeBytes(savePath(), {record.begin(), record.end() - 1});
    setUpPosition(true);
    loadAndExpectBothCopiesEqual();
    expectStartUpKept();

    // A save cut short (the old truncate-then-write would leave this after a kill) with an
    // earlier sound registry copy: the registry copy is taken.
    restart();
    game = saved;
    storeGame(false, true);
    writeBytes(savePath(), {record.begin(), record.begin() + 100});
    setUpPosition(true);
    loadAndExpectBothCopiesEqual();
    EXPECT_TRUE(sameStoredBlocks(game, saved));
}

TEST_F(PersistLoadTest, RegistryValuesOfAnotherTypeOrLengthCountAsAbsent) {
    restart();
    makeSavedGame();
    const GameState saved = game;
    const std::vector<uint8_t> record = packedGame();
    std::vector<uint8_t> longer = record;
    longer.push_back(0);
    const std::vector<uint8_t> shorter(record.begin(), record.end() - 1);

    struct Case {
        const char* name;
        std::vector<uint8_t> bytes;
        uint32_t type;
    };
    for (const Case& value : {Case{"string type", record, REG_SZ}, Case{"247 bytes", shorter, REG_BINARY},
                              Case{"249 bytes", longer, REG_BINARY}}) {
        SCOPED_TRACE(value.name);
        // Alone it is a first run.
        restart();
        writeRegistryBytes(value.bytes, value.type);
        loadAndExpectBothCopiesEqual();
        expectStartUpKept();

        // Beside a sound file it does not spoil it: the file is applied.
        restart();
        game = saved;
        storeGame(true, false);
        writeRegistryBytes(value.bytes, value.type);
        setUpPosition(true);
        loadAndExpectBothCopiesEqual();
        EXPECT_TRUE(sameStoredBlocks(game, saved));
    }
}

TEST_F(PersistLoadTest, BytesAfterTheBlocksAreCarriedThroughAndCounted) {
    restart();
    makeSavedGame();
    std::vector<uint8_t> record = packedGame();
    for (int i = 148; i < SaveRecordSize; ++i) record[i] = static_cast<uint8_t>(i);
    resum(record);
    writeBytes(savePath(), record);
    setUpPosition(true);

    loadAndExpectBothCopiesEqual();
    EXPECT_EQ(readBytes(savePath()), record);  // the game is unchanged, so the record (checksum included) is too

    // They stay through later saves of other positions, and the checksum keeps counting them.
    placeToken(0, 3, 2);
    ASSERT_TRUE(saveState());
    const std::vector<uint8_t> later = readBytes(savePath());
    EXPECT_TRUE(std::equal(later.begin() + 148, later.end(), record.begin() + 148));
    std::vector<uint8_t> withoutTail = later;
    std::fill(withoutTail.begin() + 148, withoutTail.end(), 0);
    EXPECT_EQ(recordChecksum(later.data()) - recordChecksum(withoutTail.data()), (148u + 247u) * 100u / 2);
    EXPECT_EQ(later[0] | later[1] << 8 | later[2] << 16 | later[3] << 24, static_cast<int>(recordChecksum(later.data())));
}

TEST_F(PersistLoadTest, AFinishedGameComesBackFinished) {
    restart();
    for (uint8_t colour : {0, 2})
        for (uint8_t token = 0; token < 4; ++token) placeToken(colour, token, ProgressHome);
    setDice(GameOver, 2, 0, 0, true);
    game.core.gamesPlayed = 1;
    game.core.gamesWon = 1;
    const GameState finished = game;
    storeGame(true, true);
    setUpPosition(true);

    loadAndExpectBothCopiesEqual();
    EXPECT_TRUE(sameStoredBlocks(game, finished));
    EXPECT_EQ(turnState(), GameOver);
}
