// STUB: to be replaced.
#pragma GCC diagnostic ignored "-Wunused-parameter"
#include "platform/chrome.h"
void drawShellChrome() {}
void screenPenDown(int32_t x, int32_t y) {}
void screenPenUp(int32_t x, int32_t y) {}
void enableMenuButton(uint32_t command, bool on) {}
bool menuButtonEnabled(uint32_t command) { return false; }
bool askYesNo(int stringId) { return false; }
void answerQuestion(bool yes) {}
