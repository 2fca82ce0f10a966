// The run's picture: win rates and face counts as bars, drawn with the game's canvas and font.
#pragma once
#include "tools/sim/tally.h"

// Draws the chart and writes it as a PNG to path; false when it cannot be written. Without games
// (a dice-only run) only the faces are drawn.
bool drawChart(const SimOptions& options, const Tally& tally, const char* path);
