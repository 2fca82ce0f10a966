// Board drawing: the whole picture rebuilt at every paint, the turn frame and the winner marker.
#pragma once

void paintWindow();
void paintBoard();
void drawTurnMarker(bool erase);
void drawWinnerMarker();
