// The Hard computer's weights as scripts/tune-hard.py last found them (tools/tune/hard-tuning.csv).
// scripts/tune-hard.py RENDARO_SIM --rounds 1 --partners 150 --short 600 --start 4,48,8,16,-6,-48,-1,0
#pragma once
#include "ai/hard.h"

constexpr HardWeights TunedHardWeights{{6, 64, 8, 24, -6, -48, 0, 0}};
