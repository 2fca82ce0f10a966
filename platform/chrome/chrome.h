// The handheld shell's own widgets, drawn into the framebuffer: title bar, menu bar with its pop-ups,
// the Yes/No question and full-screen dialogs.
#pragma once
#include <cstdint>

#include "platform/canvas/draw.h"

// The one step before a frame reaches the screen or a screenshot: the title bar, the menu bar and any
// open pop-up, question or dialog are drawn over the game's frame, so its drawing never covers them.
// Returns that frame with the keyboard's focus ring laid over it, when there is one.
const uint32_t* finishUpdate();

// Stylus press and release at screen coordinates, from the SDL mouse or the headless `screen` line.
// An open widget or the bars take them; inside the main window's client area they become
// WM_LBUTTONDOWN / WM_LBUTTONUP with client coordinates (a captured stylus gets the release anywhere).
void screenPenDown(int32_t x, int32_t y);
void screenPenUp(int32_t x, int32_t y);
// A back-end's stylus: at once as above, or, while the game is busy in a pause, only queued for it.
void screenPen(bool down, int32_t x, int32_t y, bool busy);
// A key pressed, from the SDL keyboard or the headless `key` line: the open widget takes it, or else
// it is posted to the main window as WM_KEYDOWN (queued like a tap while the game is busy).
void screenKey(uint32_t key, uint32_t modifiers);

// The keyboard's focus ring over the main window (client coordinates; null hides it). It is an
// overlay, never drawn into the framebuffer: finishUpdate lays it over the frame it returns.
void setFocusRing(const Rect* client);

// The menu bar's button switch (TB_ENABLEBUTTON): command id and on/off. A request that changes
// nothing is still a request (the headless trace prints each one).
void enableMenuButton(uint32_t command, bool on);
bool menuButtonEnabled(uint32_t command);
// A button of the menu bar pressed from the keyboard: a pop-up opens with its first item marked.
void pressMenuButton(uint32_t command);

// The modal Yes/No question with the text of string id, caption "Rendaro"; true for Yes. Runs its
// own message loop until answered.
bool askYesNo(int stringId);
// The headless driver's `answer` line: answers the open question, or else the next one asked.
void answerQuestion(bool yes);
