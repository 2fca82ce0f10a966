// The Hard computer: every way to play the turn's dice, the opponents' replies to each, and a tuned judgement.
#pragma once
#include <cstdint>

#include "game/game_state.h"
#include "game/position.h"

// What a position is worth to a side, from the tokens' progress, safety and exposure; tuned by
// self-play (scripts/tune-hard.py), and replaceable for a tuning run.
enum HardFeature : uint8_t {
    FeatureProgress,        // steps walked
    FeatureOut,             // tokens out of the yard
    FeatureInColumn,        // tokens in the home column or home, out of reach
    FeatureHome,            // tokens home
    FeatureExposedSteps,    // steps the side would lose to the next side's dice, by their chance
    FeatureExposed,         // tokens it would lose, by their chance
    FeatureRunnerExposure,  // steps lost by the chance of the side that moves next, which may run first
    FeatureBlocks,          // pairs on unsafe squares, which no single token passes
    HardFeatureCount
};
struct HardWeights {
    int32_t weight[HardFeatureCount];
};
extern HardWeights hardWeights;

// The move Hard would make in pos for the side to play with the dice still to play; false when
// nothing can move.
bool chooseHardMove(const Position& pos, Move& out);
