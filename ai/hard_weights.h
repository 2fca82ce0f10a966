// The Hard computer's weights as scripts/tune-hard.py last found them (tools/tune/hard-tuning.csv).
#pragma once
#include "ai/hard.h"

constexpr HardWeights TunedHardWeights{{4, 48, 24, 12, -4, -48, -1, 4}};
