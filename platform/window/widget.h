// The shell's modal widgets (pop-up menus, the question, dialogs): the stack of open ones and their loop.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

#include "platform/canvas/draw.h"

// Something drawn over the screen that takes every stylus press and release while it is open.
class Widget {
public:
    Widget() = default;
    Widget(const Widget&) = delete;
    Widget& operator=(const Widget&) = delete;
    virtual ~Widget() = default;

    // Draws onto a surface covering the whole screen (origin at the screen's top-left corner).
    virtual void draw(HDC screen) const = 0;
    virtual void penDown(Point p) = 0;
    virtual void penUp(Point p) = 0;
    // A key pressed while this widget is the topmost, with the modifiers held (Key*, messages.h).
    virtual void key(uint32_t key, uint32_t modifiers) = 0;
    // The title bar while this widget is the topmost: its caption (null keeps the one below) and
    // whether it shows the "ok" button.
    virtual const char* caption() const { return nullptr; }
    virtual bool doneButton() const { return false; }
};

// Open widgets, bottom first. A widget stays registered from openWidget to closeWidget.
void openWidget(Widget& widget);
void closeWidget(Widget& widget);
Widget* topWidget();
const std::vector<Widget*>& openWidgets();

// The loop of a modal widget: waits for input (which the widgets take) until `finished` says so.
// Returns false when it stopped early: input ended, or the program was asked to close (that request
// stays queued for the main loop).
bool runModalLoop(const std::function<bool()>& finished);

// After a widget closes: the main window repaints what was under it (the bars follow at the next update).
void restoreScreenUnderWidgets();
