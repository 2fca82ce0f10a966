// The dialog engine: a template's controls laid out over the screen below the title bar, run modally
// with the title bar's "ok" button, until the procedure ends it.
#include "platform/chrome/dialog.h"

#include <algorithm>
#include <cstring>

#include "platform/canvas/screen.h"
#include "platform/chrome/dialog_controls.h"
#include "platform/chrome/look.h"
#include "platform/chrome/parts.h"
#include "platform/window/messages.h"
#include "platform/window/widget.h"

struct DialogWindow final : public Widget {
    DialogWindow(const DialogTemplate& dialogTemplate, DialogProc procedure) : tpl(dialogTemplate), proc(procedure) {
        // Every dialog of this shell covers the screen below the title bar, menu bar included.
        const Point origin{0, TitleBarHeight};
        for (int i = 0; i < tpl.itemCount; ++i) {
            const DialogItem& item = tpl.items[i];
            DialogControl& control = controls.emplace_back();
            control.item = &item;
            control.rect = controlRect(item, origin);
            control.text = item.text != nullptr ? item.text : "";
        }
    }

    const DialogTemplate& tpl;
    DialogProc proc;
    std::vector<DialogControl> controls;
    bool showsDone = false;
    bool ended = false;
    intptr_t result = 0;

    DialogControl* control(int id) {
        if (id < 0) return nullptr;
        auto found = std::find_if(controls.begin(), controls.end(), [id](const DialogControl& c) { return c.item->id == id; });
        return found == controls.end() ? nullptr : &*found;
    }

    const char* caption() const override { return tpl.caption; }
    bool doneButton() const override { return showsDone; }

    void draw(HDC screen) const override {
        look::box(screen, {0, TitleBarHeight, screenWidthPixels(), screenHeightPixels()}, look::White, look::White);
        for (const DialogControl& c : controls) drawControl(screen, c);
        if (focused != nullptr) drawFocus(screen, *focused);
        if (dropped != nullptr) drawOpenList(screen, *dropped);
    }

    void penDown(Point p) override {
        pressedTitle = titleButtonAt(p);
        pressed = controlAt(p);
    }

    // Controls act on a release over the control that was pressed; an open list takes the next tap
    // whole: an entry picks it, anywhere else closes the list unchanged.
    void penUp(Point p) override {
        DialogControl* const target = pressed;
        pressed = nullptr;
        if (dropped != nullptr) {
            pickFromList(p);
        } else if (pressedTitle != 0 && titleButtonAt(p) == pressedTitle) {
            proc(this, WM_COMMAND, pressedTitle, 0);
        } else if (target != nullptr && controlAt(p) == target) {
            click(*target);
        }
        pressedTitle = 0;
    }

    // Enter is OK and Escape backs out (an open list they only close); Tab moves the focus over the
    // check boxes and lists, Space ticks the focused box, the arrows change the focused list.
    void key(uint32_t key, uint32_t modifiers) override {
        const int step = look::stepKey(key, modifiers);
        if (key == KeyTab && step != 0) {
            dropped = nullptr;
            moveFocus(step);
        } else if (step != 0 && focused != nullptr && focused->item->kind == ControlKind::DropDownList) {
            stepList(*focused, step);
        } else if (modifiers != 0) {
            return;
        } else if (key == KeyEnter || key == KeyEscape) {
            if (dropped != nullptr)
                dropped = nullptr;
            else
                proc(this, WM_COMMAND, key == KeyEnter ? IDOK : IDCANCEL, 0);
        } else if (key == KeySpace && focused != nullptr && focused->item->kind == ControlKind::CheckBox) {
            click(*focused);
        }
    }

private:
    // IDOK or IDCANCEL for the title bar's buttons, 0 elsewhere.
    int titleButtonAt(Point p) const {
        if (!showsDone) return 0;
        if (look::contains(titleDoneButtonRect(), p)) return IDOK;
        if (look::contains(titleCancelButtonRect(), p)) return IDCANCEL;
        return 0;
    }

    static bool focusable(const DialogControl& c) {
        return c.item->id >= 0 && (c.item->kind == ControlKind::CheckBox || c.item->kind == ControlKind::DropDownList);
    }

    // The next focusable control in the step's direction, round the end; the first Tab takes the first.
    void moveFocus(int step) {
        const int count = static_cast<int>(controls.size());
        int at = focused != nullptr ? static_cast<int>(focused - controls.data()) : (step > 0 ? -1 : count);
        for (int tried = 0; tried < count; ++tried) {
            at = (at + step + count) % count;
            if (focusable(controls[at])) {
                focused = &controls[at];
                return;
            }
        }
    }

    void stepList(DialogControl& list, int step) {
        const int count = static_cast<int>(list.entries.size());
        const int next = std::clamp(list.selected + step, 0, count - 1);
        if (count == 0 || next == list.selected) return;
        list.selected = next;
        notify(list, CBN_SELCHANGE);
    }

    DialogControl* controlAt(Point p) {
        for (DialogControl& c : controls)
            if (c.item->id >= 0 && look::contains(controlHitRect(c), p)) return &c;
        return nullptr;
    }

    void notify(const DialogControl& c, uint32_t code) {
        proc(this, WM_COMMAND, (code << 16) | static_cast<uint32_t>(c.item->id & 0xFFFF), 0);
    }

    void click(DialogControl& c) {
        if (c.item->kind == ControlKind::CheckBox) {
            c.checked = !c.checked;
            notify(c, BN_CLICKED);
        } else if (c.item->kind == ControlKind::DropDownList) {
            dropped = &c;
        }
    }

    void pickFromList(Point p) {
        DialogControl& list = *dropped;
        dropped = nullptr;
        for (int i = 0; i < static_cast<int>(list.entries.size()); ++i) {
            if (!look::contains(listEntryRect(list, i), p)) continue;
            list.selected = i;
            notify(list, CBN_SELCHANGE);
        }
    }

    DialogControl* pressed = nullptr;
    DialogControl* dropped = nullptr;
    DialogControl* focused = nullptr;
    int pressedTitle = 0;

};

bool SHInitDialog(const SHINITDLGINFO* info) {
    if (info == nullptr || info->hDlg == nullptr || (info->dwMask & SHIDIM_FLAGS) == 0) return false;
    info->hDlg->showsDone = (info->dwFlags & SHIDIF_DONEBUTTON) != 0;
    return true;
}

intptr_t DialogBoxIndirectParam(const DialogTemplate* dialogTemplate, DialogProc proc, intptr_t param) {
    if (dialogTemplate == nullptr || proc == nullptr) return -1;
    DialogWindow dialog(*dialogTemplate, proc);
    openWidget(dialog);
    proc(&dialog, WM_INITDIALOG, 0, param);
    if (!runModalLoop([&] { return dialog.ended; })) {
        proc(&dialog, WM_COMMAND, IDCANCEL, 0);
        if (!dialog.ended) EndDialog(&dialog, IDCANCEL);
    }
    closeWidget(dialog);
    restoreScreenUnderWidgets();
    return dialog.result;
}

bool EndDialog(HDLG dialog, intptr_t result) {
    if (dialog == nullptr) return false;
    dialog->ended = true;
    dialog->result = result;
    return true;
}

HCTL GetDlgItem(HDLG dialog, int id) { return dialog != nullptr ? dialog->control(id) : nullptr; }

intptr_t SendMessage(HCTL control, uint32_t message, uint32_t wParam, intptr_t lParam) {
    if (control == nullptr) return 0;
    const int count = static_cast<int>(control->entries.size());
    switch (message) {
    case BM_GETCHECK: return control->checked ? 1 : 0;
    case BM_SETCHECK: control->checked = wParam == 1; return 0;
    case CB_ADDSTRING:
        control->entries.emplace_back(reinterpret_cast<const char*>(lParam));
        return count;
    case CB_GETCURSEL: return control->selected;
    case CB_SETCURSEL:
        control->selected = wParam < static_cast<uint32_t>(count) ? static_cast<int>(wParam) : CB_ERR;
        return control->selected;
    default: return 0;
    }
}

bool SetDlgItemText(HDLG dialog, int id, const char* text) {
    HCTL control = GetDlgItem(dialog, id);
    if (control == nullptr || text == nullptr) return false;
    control->text = text;
    return true;
}

