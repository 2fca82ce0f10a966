// The Hard computer's weights as scripts/tune-hard.py last found them (tools/tune/hard-tuning.csv).
#pragma once
#include <cstdint>

// Made by: scripts/tune-hard.py RENDARO_SIM --rounds 1 --partners 150 --short 600 --start 4,48,8,16,-6,-48,-1,0
// One weight per HardFeature of ai/hard.h, in its order.
constexpr int32_t TunedHardWeights[] = {6, 64, 8, 24, -6, -48, 0, 0};
