// The menu bar at the foot of the screen: its four buttons, the Undo switch, and the pop-ups of
// "New" and "View" that open upwards from it.
#include <array>

#include "platform/backend.h"
#include "platform/canvas/screen.h"
#include "platform/chrome/chrome.h"
#include "platform/chrome/look.h"
#include "platform/chrome/parts.h"
#include "platform/window/messages.h"
#include "platform/window/widget.h"
#include "resources/menu.h"
#include "resources/strings.h"

namespace {

constexpr int TextButtonPadding = 16;
constexpr int ImageButtonWidth = MenuBarImageSize + 8;
constexpr int PopupItemHeight = 20;
constexpr int PopupPadding = 10;
constexpr int NoButton = -1;

std::array<bool, MenuBarButtonCount> enabled = [] {
    std::array<bool, MenuBarButtonCount> initial{};
    for (int i = 0; i < MenuBarButtonCount; ++i) initial[i] = menuBarButtons[i].initiallyEnabled;
    return initial;
}();
int pressedButton = NoButton;

const char* label(const MenuBarButton& button) {
    const char* s = loadString(button.stringId);
    return s != nullptr ? s : "";
}

int buttonIndex(uint32_t command) {
    for (int i = 0; i < MenuBarButtonCount; ++i)
        if (menuBarButtons[i].command == command) return i;
    return NoButton;
}

// Buttons sit side by side from the left edge, each as wide as its label or image needs.
Rect buttonRect(int index) {
    const Rect bar = menuBarRect();
    int left = bar.left;
    for (int i = 0; i < MenuBarButtonCount; ++i) {
        const MenuBarButton& b = menuBarButtons[i];
        const int w = b.image >= 0 ? ImageButtonWidth : look::textWidth(label(b)) + TextButtonPadding;
        if (i == index) return {left, bar.top, left + w, bar.bottom};
        left += w;
    }
    return {0, 0, 0, 0};
}

int buttonAt(Point p) {
    if (!look::contains(menuBarRect(), p)) return NoButton;
    for (int i = 0; i < MenuBarButtonCount; ++i)
        if (look::contains(buttonRect(i), p)) return i;
    return NoButton;
}

// The open pop-up: a column of items standing on the menu bar above the button that opened it.
// Opened from the keyboard, one item is marked and the keys move the mark.
class PopupMenu final : public Widget {
public:
    void open(int button, bool marked) {
        button_ = button;
        marked_ = marked ? 0 : NoItem;
        openWidget(*this);
    }
    bool isOpen() const { return button_ != NoButton; }
    int button() const { return button_; }
    const MenuItem* items() const { return menuPopups[menuBarButtons[button_].popup]; }

    Rect itemRect(int item) const {
        const Rect frame = this->frame();
        const int top = frame.top + 1 + item * PopupItemHeight;
        return {frame.left + 1, top, frame.right - 1, top + PopupItemHeight};
    }

    void draw(HDC screen) const override {
        look::box(screen, frame(), look::White, look::Black);
        for (int i = 0; i < MenuPopupItemCount; ++i) {
            const Rect r = itemRect(i);
            if (i == marked_) look::box(screen, r, look::Highlight, look::Highlight);
            look::text(screen, items()[i].text, {r.left + PopupPadding, r.top, r.right, r.bottom},
                       i == marked_ ? look::White : look::Black, look::Align::Left);
        }
    }

    void penDown(Point) override {}

    // A tap on an item chooses it; a tap anywhere else only closes the pop-up.
    void penUp(Point p) override {
        int chosen = NoItem;
        for (int i = 0; i < MenuPopupItemCount; ++i)
            if (look::contains(itemRect(i), p)) chosen = i;
        close(chosen);
    }

    // Up and Down (or Tab) move the mark, Enter chooses it, a digit chooses its item, Escape closes.
    void key(uint32_t key, uint32_t modifiers) override {
        const int step = look::stepKey(key, modifiers);
        if (step != 0) {
            const int from = marked_ != NoItem ? marked_ : (step > 0 ? MenuPopupItemCount - 1 : 0);
            marked_ = (from + step + MenuPopupItemCount) % MenuPopupItemCount;
        } else if (modifiers != 0) {
            return;
        } else if (key == KeyEnter && marked_ != NoItem) {
            close(marked_);
        } else if (key >= '1' && key < '1' + MenuPopupItemCount) {
            close(static_cast<int>(key - '1'));
        } else if (key == KeyEscape) {
            close(NoItem);
        }
    }

private:
    static constexpr int NoItem = -1;

    void close(int chosen) {
        const uint32_t command = chosen != NoItem ? items()[chosen].command : 0;
        button_ = NoButton;
        closeWidget(*this);
        restoreScreenUnderWidgets();
        if (command != 0) PostMessage(WM_COMMAND, command, 0);
    }

    Rect frame() const {
        int widest = 0;
        for (int i = 0; i < MenuPopupItemCount; ++i) widest = std::max(widest, look::textWidth(items()[i].text));
        const int left = buttonRect(button_).left;
        const int bottom = menuBarRect().top;
        return {left, bottom - MenuPopupItemCount * PopupItemHeight - 2, left + widest + 3 * PopupPadding, bottom};
    }

    int button_ = NoButton;
    int marked_ = NoItem;
};

PopupMenu popup;

void activate(int index, bool fromKeyboard) {
    const MenuBarButton& button = menuBarButtons[index];
    if (!enabled[index]) return;
    if (button.popup >= 0)
        popup.open(index, fromKeyboard);
    else
        PostMessage(WM_COMMAND, button.command, 0);
}

}  // namespace

Rect menuBarRect() {
    const int h = screenHeightPixels();
    return {0, h - MenuBarHeight, screenWidthPixels(), h};
}

void drawMenuBar(HDC screen) {
    const Rect bar = menuBarRect();
    look::box(screen, bar, look::BarGrey, look::BarGrey);
    look::box(screen, {bar.left, bar.top, bar.right, bar.top + 1}, look::BarEdge, look::BarEdge);
    for (int i = 0; i < MenuBarButtonCount; ++i) {
        const MenuBarButton& b = menuBarButtons[i];
        const Rect r = buttonRect(i);
        // A button whose pop-up is open stays pressed in.
        if (popup.button() == i) look::box(screen, {r.left, r.top + 1, r.right, r.bottom}, look::PressedGrey, look::BarEdge);
        if (b.image < 0) {
            look::text(screen, label(b), r, look::Black, look::Align::Centre);
        } else {
            const int x = r.left + (look::width(r) - MenuBarImageSize) / 2;
            const int y = r.top + (MenuBarHeight - MenuBarImageSize) / 2;
            // The strip is drawn on white: ANDed onto the bar, its white takes the bar's grey.
            look::image(screen, MenuBarStripBitmap, b.image * MenuBarImageSize, MenuBarImageSize, MenuBarImageSize, x, y,
                        SRCAND);
        }
        if (!enabled[i]) look::fade({r.left, r.top + 1, r.right, r.bottom}, look::BarGrey);
    }
}

void menuBarPenDown(Point p) { pressedButton = buttonAt(p); }

void menuBarPenUp(Point p) {
    const int pressed = pressedButton;
    pressedButton = NoButton;
    if (pressed != NoButton && buttonAt(p) == pressed) activate(pressed, false);
}

void enableMenuButton(uint32_t command, bool on) {
    backendTrace("button %u %s", command, on ? "on" : "off");
    const int index = buttonIndex(command);
    if (index == NoButton) return;
    enabled[index] = on;
}

bool menuButtonEnabled(uint32_t command) {
    const int index = buttonIndex(command);
    return index != NoButton && enabled[index];
}

void pressMenuButton(uint32_t command) {
    const int index = buttonIndex(command);
    if (index != NoButton) activate(index, true);
}
