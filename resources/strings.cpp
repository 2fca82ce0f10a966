// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "resources/strings.h"

const char* loadString(int id) { return {}; }
