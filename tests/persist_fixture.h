// Shared set-up for the saved-game suites: a scratch program folder and store, and game positions.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <vector>

#include "game/game_state.h"

// A position as a new game leaves it, without Quick Start: every token in the yard slot, colour 0
// to roll. Partners: colours 1 and 3 are the computer's; otherwise they are absent.
void setUpPosition(bool partners);
// Moves one token to the given progress, keeping slots, counts and masks as the game keeps them.
void placeToken(uint8_t colour, uint8_t token, uint8_t progress);
// The dice of the turn and the turn state, written straight into the flags word.
void setDice(TurnState state, uint32_t lastDie, uint32_t sixesRolled, uint32_t sixesUsed, bool lastDieUsed);

// The four stored blocks of two game states are byte for byte the same.
bool sameStoredBlocks(const GameState& a, const GameState& b);

std::vector<uint8_t> readBytes(const std::string& path);
void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes);

// Every test runs with the program at DIR/rendaro (saved game DIR/rendart) and the store under
// DIR/config, DIR being a fresh temporary folder.
class PersistTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    std::string savePath() const { return folder + "/rendart"; }
    std::string registryPath() const { return folder + "/config/Calverin/Rendaro"; }
    // The record packRecord makes of the game as it stands.
    static std::vector<uint8_t> packedGame();
    // Packs the game and writes that record to the file, to the registry value, or to both.
    static void storeGame(bool toFile, bool toRegistry);

    std::string folder;
};
