// The handheld shell's own widgets, drawn into the framebuffer: title bar, menu bar with its pop-ups,
// the Yes/No question and full-screen dialogs.
#pragma once
#include <cstdint>

// Redraws the title bar and the menu bar (and any open pop-up, question or dialog).
void drawShellChrome();
// Client drawing never covers an open pop-up, question or dialog: called whenever the main window's
// drawing reaches the screen (end of a paint or a tap's drawing, every pause of an animation).
void keepWidgetsOnTop();

// Stylus press and release at screen coordinates, from the SDL mouse or the headless `screen` line.
// An open widget or the bars take them; inside the main window's client area they become
// WM_LBUTTONDOWN / WM_LBUTTONUP with client coordinates (a captured stylus gets the release anywhere).
void screenPenDown(int32_t x, int32_t y);
void screenPenUp(int32_t x, int32_t y);

// The menu bar's button switch (TB_ENABLEBUTTON): command id and on/off. A request that changes
// nothing is still a request (the headless trace prints each one).
void enableMenuButton(uint32_t command, bool on);
bool menuButtonEnabled(uint32_t command);

// The modal Yes/No question with the text of string id, caption "Rendaro"; true for Yes. Runs its
// own message loop until answered.
bool askYesNo(int stringId);
// The headless driver's `answer` line: answers the open question, or else the next one asked.
void answerQuestion(bool yes);
