// The Options and About dialogs: the options and statistics shown and edited, the state saved.
#include "shell/dialogs.h"

#include <cstdio>

#include "game/game_state.h"
#include "persist/savefile.h"
#include "platform/window/messages.h"
#include "resources/strings.h"

namespace {

constexpr int32_t TRUE = 1, FALSE = 0;

// Each check box of the Options dialog and the option bit it edits, in the order they are set and read.
struct CheckBoxOption {
    int control;
    uint32_t bit;
};
constexpr CheckBoxOption checkBoxOptions[] = {
    {IdPlaySounds, FlagPlaySounds}, {IdAnimateDice, FlagAnimateDice}, {IdAnimateTokens, FlagAnimateTokens},
    {IdShortGames, FlagShortGames}, {IdQuickStart, FlagQuickStart},   {IdShowTips, FlagShowTips},
    {IdTokenMarks, FlagTokenMarks},
};

uint32_t commandId(uint32_t wParam) { return wParam & 0xFFFF; }

void showCounter(HDLG dialog, int control, uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "%d", static_cast<int32_t>(value));
    SetDlgItemText(dialog, control, text);
}

void initOptions(HDLG dialog) {
    HCTL difficulty = GetDlgItem(dialog, IdDifficulty);
    for (const int name : {StrEasy, StrNormal, StrHard})
        SendMessage(difficulty, CB_ADDSTRING, 0, reinterpret_cast<intptr_t>(loadString(name)));
    SendMessage(difficulty, CB_SETCURSEL, static_cast<uint32_t>(::difficulty()), 0);
    for (const CheckBoxOption& option : checkBoxOptions)
        SendMessage(GetDlgItem(dialog, option.control), BM_SETCHECK, flag(option.bit) ? 1 : 0, 0);
    showCounter(dialog, IdGamesPlayed, game.core.gamesPlayed);
    showCounter(dialog, IdGamesWon, game.core.gamesWon);
    showCounter(dialog, IdGamesLost, game.core.gamesLost);
}

void storeOptions(HDLG dialog) {
    for (const CheckBoxOption& option : checkBoxOptions)
        setFlag(option.bit, (SendMessage(GetDlgItem(dialog, option.control), BM_GETCHECK, 0, 0) & 1) != 0);
    const intptr_t entry = SendMessage(GetDlgItem(dialog, IdDifficulty), CB_GETCURSEL, 0, 0);
    setDifficulty(entry == static_cast<intptr_t>(Difficulty::Hard) ? Difficulty::Hard
                  : (entry & 1) != 0                                ? Difficulty::Normal
                                                                    : Difficulty::Easy);
}

int32_t baseDialogProc(HDLG dialog, uint32_t message, uint32_t wParam) {
    if (message == WM_INITDIALOG) {
        const SHINITDLGINFO info{SHIDIM_FLAGS, dialog, SHIDIF_DONEBUTTON | SHIDIF_SIZEDLGFULLSCREEN | SHIDIF_SIPDOWN};
        SHInitDialog(&info);
        return TRUE;
    }
    if (message == WM_COMMAND && (commandId(wParam) == IDOK || commandId(wParam) == IDCANCEL)) {
        EndDialog(dialog, commandId(wParam));
        return TRUE;
    }
    return FALSE;
}

int32_t optionsDialogProc(HDLG dialog, uint32_t message, uint32_t wParam, intptr_t) {
    if (message == WM_INITDIALOG) {
        const int32_t handled = baseDialogProc(dialog, message, wParam);
        initOptions(dialog);
        return handled;
    }
    if (message != WM_COMMAND) return baseDialogProc(dialog, message, wParam);
    switch (commandId(wParam)) {
    case IDOK:
        storeOptions(dialog);
        saveState();
        EndDialog(dialog, IDOK);
        return TRUE;
    case IDCANCEL: EndDialog(dialog, IDCANCEL); return TRUE;
    default: return FALSE;
    }
}

int32_t aboutDialogProc(HDLG dialog, uint32_t message, uint32_t wParam, intptr_t) {
    const int32_t handled = baseDialogProc(dialog, message, wParam);
    if (message == WM_INITDIALOG) saveState();
    return handled;
}

}  // namespace

void runAboutDialog() { DialogBoxIndirectParam(findDialogTemplate(AboutDialogTemplate), aboutDialogProc, 0); }

void runOptionsDialog() { DialogBoxIndirectParam(findDialogTemplate(OptionsDialogTemplate), optionsDialogProc, 0); }
