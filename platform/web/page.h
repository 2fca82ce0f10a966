// The web page as the back-end sees it: its input queue, its size, the canvas, sound, help, saves and restarts.
#pragma once
#include <cstdint>

// What the page queues, in the order it happened (page.js holds the same numbers).
enum class PageInput : int32_t { None = 0, PenDown = 1, PenUp = 2, Key = 3, Resize = 4 };

struct PageEvent {
    PageInput kind;
    int32_t x;  // pen: page pixels (device pixels, not CSS ones)
    int32_t y;
    uint32_t key;  // key: the code WM_KEYDOWN carries, and its modifiers
    uint32_t modifiers;
};

// Suspends the program (the browser runs meanwhile) until input is queued, or ms have passed
// (ms < 0: until input). Returns at once when input is already waiting.
void pageWait(int32_t ms);
// The oldest queued input; kind None when there is none.
PageEvent pageTakeEvent();
double pageNow();
// The page's inner size in device pixels.
int pageWidth();
int pageHeight();
// Where the canvas goes, in device pixels of the page.
void pagePlaceCanvas(int x, int y, int width, int height);
// Shows width x height pixels, 4 bytes each in R, G, B, A order.
void pageShow(const uint8_t* rgba, int width, int height);
void pagePlayWave(const uint8_t* wave, uint32_t size);
bool pageOpenHelp();
// Copies the save folder into the browser's storage, where it changed.
void pageKeepSaves();
// The next die value queued by the test hook, or 0 (always 0 unless the page was opened for tests).
uint8_t pageTestRoll();
// Loads the page again: the program has closed, and the saved game starts it anew.
void pageRestart();
