// The application shell: start-up, the main window procedure, taps and the menu commands.
#include "shell/window.h"

#include "game/game_state.h"
#include "game/moves.h"
#include "game/setup.h"
#include "game/undo.h"
#include "persist/savefile.h"
#include "platform/chrome/chrome.h"
#include "platform/window/messages.h"
#include "platform/system/program.h"
#include "render/board.h"
#include "render/layout.h"
#include "render/panel.h"
#include "shell/dialogs.h"
#include "shell/keys.h"
#include "turn/controller.h"
#include "turn/selection.h"

namespace {

// 1 between a stylus press in the window and the next release: a release alone is no tap.
uint8_t buttonDown = 0;

bool createMainClass() { return createDrawingResources(); }

void onTap(int32_t x, int32_t y) {
    // A repaint still waiting (a tap queued right behind New game or Undo) is done first: the paint
    // bracket below would otherwise erase it to white and validate it, leaving a blank board.
    Rect waiting{};
    if (GetUpdateRect(waiting)) paintWindow();
    const HDC paintSurface = BeginPaint();
    drawSurface = paintSurface;
    handleTap(x, y);
    drawSurface = nullptr;
    EndPaint(paintSurface);
}

}  // namespace

int rendaroMain() {
    if (!createMainClass()) return 0;
    if (!CreateMainWindow(mainWindowProc)) return 0;
    initScreenLayout();
    resetTurnRecord();
    newGame(CmdOnePlayerGame);
    loadState();
    restoreSelection();
    restoreMessage();
    Msg msg{};
    while (GetMessage(msg)) {
        DispatchMessage(msg);
        refreshFocusRing();
    }
    return 0;
}

int32_t mainWindowProc(uint32_t message, uint32_t wParam, int32_t lParam) {
    switch (message) {
    case WM_CREATE:  // the menu bar belongs to the platform and always exists
    case WM_ACTIVATE:
        return 0;
    case WM_DESTROY:
        destroyDrawingResources();
        PostQuitMessage(0);
        return 0;
    case WM_PAINT:
        paintWindow();
        return 0;
    case WM_HELP:
        startHelpViewer();
        return 0;
    case WM_COMMAND:
        onCommand(wParam & 0xFFFF);
        return 0;
    case WM_KEYDOWN:
        onKey(wParam, static_cast<uint32_t>(lParam));
        return 0;
    case WM_LBUTTONDOWN:
        hideFocusRing();
        SetCapture();
        buttonDown = 1;
        return 0;
    case WM_LBUTTONUP:
        ReleaseCapture();
        if (buttonDown) onTap(pointParamX(lParam), pointParamY(lParam));
        buttonDown = 0;
        return 0;
    case WM_CLOSEPROGRAM:
        PostMessage(WM_CLOSE, 0, 0);
        return DefWindowProc(message, wParam, lParam);
    default:
        return DefWindowProc(message, wParam, lParam);
    }
}

void onCommand(uint32_t id) {
    switch (id) {
    case CmdOnePlayerGame:
    case CmdTwoPlayerGame:
    case CmdTwoPlayerGameAlt:
        requestNewGame(id);
        break;
    case CmdAbout:
        runAboutDialog();
        break;
    case CmdOptions:
        runOptionsDialog();
        break;
    case CmdHelp:
        PostMessage(WM_HELP, 0, 0);
        break;
    case CmdUndo:
        // Only a live button undoes: a stray command must not restore an empty snapshot.
        if (!menuButtonEnabled(CmdUndo)) break;
        undoMove();
        invalidateAll(true);
        break;
    default:
        break;
    }
}
