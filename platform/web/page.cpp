// The calls from the program into the page's script (page.js), each one line of JavaScript.
#include "platform/web/page.h"

#include <emscripten.h>

namespace {

EM_ASYNC_JS(void, waitInPage, (int32_t ms), { await rendaroPage.wait(ms); });
EM_JS(int32_t, takeFromPage, (int32_t* fields), { return rendaroPage.take(fields); });
EM_JS(double, nowInPage, (), { return performance.now(); });
EM_JS(int, widthOfPage, (), { return rendaroPage.pageWidth(); });
EM_JS(int, heightOfPage, (), { return rendaroPage.pageHeight(); });
EM_JS(void, placeInPage, (int x, int y, int width, int height), { rendaroPage.place(x, y, width, height); });
EM_JS(void, showInPage, (const uint8_t* rgba, int width, int height), { rendaroPage.present(rgba, width, height); });
EM_JS(void, playInPage, (const uint8_t* wave, uint32_t size), { rendaroPage.play(wave, size); });
EM_JS(int, openHelpInPage, (), { return rendaroPage.openHelp(); });
EM_JS(void, keepSavesInPage, (), { rendaroPage.keepSaves(); });
EM_JS(int, testRollInPage, (), { return rendaroPage.testRoll(); });
EM_JS(void, restartPage, (), { rendaroPage.restart(); });

}  // namespace

void pageWait(int32_t ms) { waitInPage(ms); }

PageEvent pageTakeEvent() {
    int32_t fields[4] = {};
    const auto kind = static_cast<PageInput>(takeFromPage(fields));
    return {kind, fields[0], fields[1], static_cast<uint32_t>(fields[2]), static_cast<uint32_t>(fields[3])};
}

double pageNow() { return nowInPage(); }
int pageWidth() { return widthOfPage(); }
int pageHeight() { return heightOfPage(); }
void pagePlaceCanvas(int x, int y, int width, int height) { placeInPage(x, y, width, height); }
void pageShow(const uint8_t* rgba, int width, int height) { showInPage(rgba, width, height); }
void pagePlayWave(const uint8_t* wave, uint32_t size) { playInPage(wave, size); }
bool pageOpenHelp() { return openHelpInPage() != 0; }
void pageKeepSaves() { keepSavesInPage(); }
uint8_t pageTestRoll() { return static_cast<uint8_t>(testRollInPage()); }
void pageRestart() { restartPage(); }
