// The saved record's byte layout, checksum and the file beside the program.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "persist/registry.h"
#include "persist/savefile.h"
#include "platform/system/store.h"
#include "platform/system/program.h"
#include "tests/persist_fixture.h"

namespace {

uint32_t le32(const uint8_t* at) { return at[0] | at[1] << 8 | at[2] << 16 | static_cast<uint32_t>(at[3]) << 24; }

// A game whose every stored field has a value of its own, so a misplaced byte shows.
void fillDistinctively() {
    game.core.currentPlayer = 2;
    game.core.flags = 0x00123456;
    game.core.gamesPlayed = 0x01020304;
    game.core.gamesWon = 0x0A0B0C0D;
    game.core.gamesLost = 0xA1B2C3D4;
    for (uint8_t p = 0; p < 4; ++p) {
        game.players[p].kind = static_cast<uint8_t>(0x10 + p);
        for (uint8_t t = 0; t < 4; ++t) {
            game.players[p].progress[t] = static_cast<uint8_t>(0x20 + 4 * p + t);
            game.players[p].slot[t] = static_cast<uint8_t>(0x40 + 4 * p + t);
        }
    }
    for (uint8_t i = 0; i < 16; ++i)
        game.board[i] = BoardSlot{static_cast<uint8_t>(0x60 + i), static_cast<uint8_t>(0x80 + i),
                                  static_cast<uint16_t>(0xB000 + 0x101 * i)};
    game.pendingMove = PendingMove{0xE1, 0xE2, 0xE3, 0xE4, 0xE5};
}

}  // namespace

TEST(PersistChecksum, SumsBytesFourOnwardWithoutWrapping) {
    uint8_t record[SaveRecordSize];
    std::memset(record, 0xFF, sizeof record);
    EXPECT_EQ(recordChecksum(record), 62220u);  // the largest sum: 244 bytes of 255
    record[0] = record[1] = record[2] = record[3] = 0;  // the checksum field itself is not counted
    EXPECT_EQ(recordChecksum(record), 62220u);
    record[4] = 0;
    record[247] = 5;
    EXPECT_EQ(recordChecksum(record), 62220u - 255 - 250);
}

TEST_F(PersistTest, PackPutsEveryFieldAtItsOffsetLittleEndian) {
    fillDistinctively();
    std::memset(saveBuffer, 0x77, sizeof saveBuffer);
    packRecord();

    EXPECT_EQ(saveBuffer[4], 1);
    for (int i = 5; i <= 10; ++i) EXPECT_EQ(saveBuffer[i], 0) << "offset " << i;
    EXPECT_EQ(saveBuffer[11], 2);
    EXPECT_EQ(le32(saveBuffer + 15), 0x00123456u);
    EXPECT_EQ(le32(saveBuffer + 27), 0x01020304u);
    EXPECT_EQ(le32(saveBuffer + 31), 0x0A0B0C0Du);
    EXPECT_EQ(le32(saveBuffer + 35), 0xA1B2C3D4u);
    for (uint8_t p = 0; p < 4; ++p) {
        const uint8_t* player = saveBuffer + 43 + 9 * p;
        EXPECT_EQ(player[0], 0x10 + p);
        for (uint8_t t = 0; t < 4; ++t) {
            EXPECT_EQ(player[1 + t], 0x20 + 4 * p + t);
            EXPECT_EQ(player[5 + t], 0x40 + 4 * p + t);
        }
    }
    for (uint8_t i = 0; i < 16; ++i) {
        const uint8_t* slot = saveBuffer + 79 + 4 * i;
        EXPECT_EQ(slot[0], 0x60 + i);
        EXPECT_EQ(slot[1], 0x80 + i);
        EXPECT_EQ(slot[2], (0xB000 + 0x101 * i) & 0xFF);  // low byte first
        EXPECT_EQ(slot[3], (0xB000 + 0x101 * i) >> 8);
    }
    for (int i = 0; i < 5; ++i) EXPECT_EQ(saveBuffer[143 + i], 0xE1 + i);
    for (int i = 148; i < SaveRecordSize; ++i) EXPECT_EQ(saveBuffer[i], 0x77) << "offset " << i;
    EXPECT_EQ(le32(saveBuffer), recordChecksum(saveBuffer));
}

TEST_F(PersistTest, UnpackRestoresTheStoredBlocksAndNothingElse) {
    fillDistinctively();
    game.core.reserved2[3] = 9;  // reserved bytes travel as part of the byte image
    packRecord();
    const GameState packed = game;

    game = GameState{};
    game.moveKind = 3;
    game.moveKindChoices[0] = 12;
    game.boardSize = 240;
    game.undo.core.gamesPlayed = 42;
    unpackRecord(saveBuffer);

    EXPECT_TRUE(sameStoredBlocks(game, packed));
    EXPECT_EQ(game.moveKind, 3);
    EXPECT_EQ(game.moveKindChoices[0], 12);
    EXPECT_EQ(game.boardSize, 240);
    EXPECT_EQ(game.undo.core.gamesPlayed, 42u);
}

TEST_F(PersistTest, FileSitsBesideTheProgramWithItsLastLetterMadeT) {
    placeToken(0, 0, 5);
    EXPECT_TRUE(saveState());
    EXPECT_EQ(readBytes(savePath()), packedGame());

    // "rendaro.exe" keeps its record in "rendaro.ext".
    setModulePath(folder + "/rendaro.exe");
    EXPECT_TRUE(saveState());
    EXPECT_TRUE(std::filesystem::exists(folder + "/rendaro.ext"));

    uint8_t record[SaveRecordSize];
    setModulePath(folder + "/rendaro");
    ASSERT_TRUE(transferSaveFile(record, false));
    EXPECT_EQ(std::vector<uint8_t>(record, record + SaveRecordSize), packedGame());
}

TEST_F(PersistTest, ProgramNameEndingInTNeverTouchesAFile) {
    const std::string program = folder + "/rendart";
    writeBytes(program, {'E', 'L', 'F'});  // the program itself
    setModulePath(program);

    EXPECT_FALSE(saveState());
    EXPECT_EQ(readBytes(program), (std::vector<uint8_t>{'E', 'L', 'F'}));
    EXPECT_FALSE(std::filesystem::exists(registryPath()));  // no file written, so no registry copy

    // Only a registry copy written earlier can be applied then.
    game.core.gamesPlayed = 6;
    storeGame(false, true);
    setUpPosition(true);
    loadState();
    EXPECT_EQ(game.core.gamesPlayed, 6u);
    EXPECT_EQ(readBytes(program), (std::vector<uint8_t>{'E', 'L', 'F'}));
}

TEST_F(PersistTest, ProgramPathLongerThanTheDevicesLimitWorks) {
    std::string deep = folder;
    while (deep.size() < 300) deep += "/a-rather-long-folder-name";
    std::filesystem::create_directories(deep);
    setModulePath(deep + "/rendaro");

    game.core.gamesWon = 3;
    EXPECT_TRUE(saveState());
    EXPECT_EQ(readBytes(deep + "/rendart"), packedGame());
    setUpPosition(true);
    loadState();
    EXPECT_EQ(game.core.gamesWon, 3u);
}

TEST_F(PersistTest, SaveLeavesNoTemporaryFilesAndReplacesTheRecordWhole) {
    writeBytes(savePath(), std::vector<uint8_t>(400, 0xAB));  // something longer was there
    EXPECT_TRUE(saveState());
    EXPECT_TRUE(saveState());
    EXPECT_EQ(readBytes(savePath()), packedGame());
    int entries = 0;
    for (const auto& entry : std::filesystem::directory_iterator(folder)) entries += entry.is_regular_file();
    EXPECT_EQ(entries, 1);  // rendart only: every temporary file was renamed or removed
}

TEST_F(PersistTest, UnwritableFoldersFailSilentlyAndTheGameGoesOn) {
    // A "folder" that is a plain file cannot be written by anyone, root included.
    writeBytes(folder + "/blocked", {});
    setModulePath(folder + "/blocked/rendaro");
    placeToken(0, 1, 9);
    const GameState before = game;
    EXPECT_FALSE(saveState());
    EXPECT_FALSE(std::filesystem::exists(registryPath()));  // the registry follows a full file write only
    EXPECT_TRUE(sameStoredBlocks(game, before));

    // The store alone unwritable: the file is written, the save still reports failure.
    setModulePath(folder + "/rendaro");
    setStoreRoot(folder + "/blocked/config");
    EXPECT_FALSE(saveState());
    EXPECT_EQ(readBytes(savePath()), packedGame());
}
