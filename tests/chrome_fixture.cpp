// The shell widgets' bench: screen, main window, scripted input, trace and a scratch program folder.
#include "tests/chrome_fixture.h"

#include <stdlib.h>

#include <filesystem>

#include "platform/chrome/chrome.h"
#include "platform/headless/headless.h"
#include "platform/window/messages.h"
#include "platform/canvas/screen.h"
#include "platform/system/store.h"
#include "platform/system/program.h"

namespace chrome_test {

namespace {

int32_t quietProc(uint32_t message, uint32_t wParam, int32_t lParam) {
    switch (message) {
    case WM_PAINT: EndPaint(BeginPaint()); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProc(message, wParam, lParam);
    }
}

void endWindowAndLoop() {
    setHeadlessInput(nullptr);
    DestroyMainWindow();
    Msg msg{};
    while (GetMessage(msg)) {
    }
}

}  // namespace

Point centre(const Rect& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

void tap(Point p) {
    screenPenDown(p.x, p.y);
    screenPenUp(p.x, p.y);
}

void ChromeTest::SetUp() {
    endWindowAndLoop();
    char pattern[] = "/tmp/rendaro-chrome.XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    folder = pattern;
    setModulePath(folder + "/rendaro");
    setStoreRoot(folder + "/config");
    initScreen(240, 320);
    ASSERT_TRUE(CreateMainWindow(quietProc));
    enableMenuButton(4040, false);
    setHeadlessTrace([this](std::string_view line) { trace.emplace_back(line); });
    trace.clear();
}

void ChromeTest::TearDown() {
    setHeadlessTrace(nullptr);
    endWindowAndLoop();
    setStoreRoot("");
    std::filesystem::remove_all(folder);
}

void ChromeTest::script(std::vector<std::function<void()>> steps) {
    steps_ = std::move(steps);
    next_ = 0;
    setHeadlessInput([this] {
        if (next_ == steps_.size()) return false;
        steps_[next_++]();
        return true;
    });
}

std::vector<uint32_t> ChromeTest::takeCommands() {
    std::vector<uint32_t> ids;
    Msg msg{};
    while (PeekMessageRemove(msg, WM_COMMAND, WM_COMMAND)) ids.push_back(msg.wParam);
    return ids;
}

std::vector<ChromeTest::Pen> ChromeTest::takePenMessages() {
    std::vector<Pen> pens;
    Msg msg{};
    while (PeekMessageRemove(msg, WM_LBUTTONDOWN, WM_LBUTTONUP))
        pens.push_back({msg.message, pointParamX(msg.lParam), pointParamY(msg.lParam)});
    return pens;
}

uint32_t ChromeTest::pixel(int x, int y) { return screenPixels()[y * screenWidthPixels() + x] & 0xFFFFFF; }

}  // namespace chrome_test
