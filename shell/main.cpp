// The game's entry point on the desktop.
#include "shell/window.h"

int main() { return rendaroMain(); }
