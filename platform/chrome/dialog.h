// Modal dialogs run from templates: the calls a dialog procedure makes, and the open dialog for tests.
#pragma once
#include <cstdint>

#include "platform/canvas/draw.h"
#include "platform/chrome/dialog_controls.h"
#include "resources/dialogs.h"

struct DialogWindow;
struct DialogControl;
using HDLG = DialogWindow*;
using HCTL = DialogControl*;

// Returns TRUE (non-zero) when it handled the message.
using DialogProc = int32_t (*)(HDLG dialog, uint32_t message, uint32_t wParam, intptr_t lParam);

enum : uint32_t {
    WM_INITDIALOG = 0x0110,
    BM_GETCHECK = 0x00F0,
    BM_SETCHECK = 0x00F1,
    CB_ADDSTRING = 0x0143,
    CB_GETCURSEL = 0x0147,
    CB_SETCURSEL = 0x014E,
};
enum : int32_t { IDOK = 1, IDCANCEL = 2 };
// Notifications in the high 16 bits of a control's WM_COMMAND.
enum : uint32_t { BN_CLICKED = 0, CBN_SELCHANGE = 1 };

// The shell's dialog set-up: the "ok" button in the title bar, the dialog over the whole screen below
// it, the input panel lowered (there is none here).
enum : uint32_t { SHIDIM_FLAGS = 1 };
enum : uint32_t { SHIDIF_DONEBUTTON = 0x1, SHIDIF_SIZEDLGFULLSCREEN = 0x4, SHIDIF_SIPDOWN = 0x8 };
struct SHINITDLGINFO {
    uint32_t dwMask;
    HDLG hDlg;
    uint32_t dwFlags;
};
bool SHInitDialog(const SHINITDLGINFO* info);

// Runs the dialog until EndDialog; WM_INITDIALOG carries `param`. Input ending or the program being
// closed meanwhile cancels it (WM_COMMAND IDCANCEL). Returns the value given to EndDialog, or -1 when
// there is no template.
intptr_t DialogBoxIndirectParam(const DialogTemplate* dialogTemplate, DialogProc proc, intptr_t param);
bool EndDialog(HDLG dialog, intptr_t result);

// Controls by id; null when there is none. Plain labels (id -1) are not reachable.
HCTL GetDlgItem(HDLG dialog, int id);
intptr_t SendMessage(HCTL control, uint32_t message, uint32_t wParam, intptr_t lParam);
bool SetDlgItemText(HDLG dialog, int id, const char* text);
