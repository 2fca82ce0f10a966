// The string table: every text the game shows, by id.
#pragma once

// Null when the id has no entry.
const char* loadString(int id);
