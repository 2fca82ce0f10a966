// The program's icon in each of its sizes (findImage gives the first, the 32 x 32 one).
#pragma once
#include "resources/assets.h"

constexpr int ProgramIcon = 3;
constexpr int ProgramIconSide = 32;

// Null when the icon has no picture of that side.
const ImageResource* findIcon(int id, int side);
