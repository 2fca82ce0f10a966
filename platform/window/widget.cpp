// The stack of open modal widgets and the loop that waits on them.
#include "platform/window/widget.h"

#include <algorithm>

#include "platform/backend.h"
#include "platform/window/messages.h"

namespace {

std::vector<Widget*> stack;

// A close request must end the widget and then still reach the main window, so it is put back.
bool takeCloseRequest() {
    Msg msg{};
    for (uint32_t message : {uint32_t(WM_CLOSE), uint32_t(WM_CLOSEPROGRAM)}) {
        if (PeekMessageRemove(msg, message, message)) {
            PostMessage(msg.message, msg.wParam, msg.lParam);
            return true;
        }
    }
    return false;
}

}  // namespace

void openWidget(Widget& widget) { stack.push_back(&widget); }

void closeWidget(Widget& widget) { stack.erase(std::remove(stack.begin(), stack.end(), &widget), stack.end()); }

Widget* topWidget() { return stack.empty() ? nullptr : stack.back(); }

const std::vector<Widget*>& openWidgets() { return stack; }

bool runModalLoop(const std::function<bool()>& finished) {
    while (!finished()) {
        if (takeCloseRequest()) return false;
        backendPresent();
        if (!backendWaitForInput()) return false;
    }
    return true;
}

void restoreScreenUnderWidgets() { InvalidateRect(nullptr, true); }
