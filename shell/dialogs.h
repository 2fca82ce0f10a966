// The Options and About dialogs: their procedures over the dialog templates 2001 and 2002.
#pragma once
#include <cstdint>

#include "platform/chrome/dialog.h"

constexpr int AboutDialogTemplate = 2001;
constexpr int OptionsDialogTemplate = 2002;

// Control ids of the Options dialog.
enum : int {
    IdDifficulty = 3103, IdShortGames = 3104, IdPlaySounds = 3105, IdAnimateDice = 3106, IdQuickStart = 3107,
    IdShowTips = 10007, IdAnimateTokens = 10008, IdGamesPlayed = 3201, IdGamesWon = 3202, IdGamesLost = 3203,
};

// The handling both dialogs share: the full-screen set-up with the title bar's "ok", and ending on
// IDOK or IDCANCEL.
int32_t baseDialogProc(HDLG dialog, uint32_t message, uint32_t wParam);
int32_t optionsDialogProc(HDLG dialog, uint32_t message, uint32_t wParam, intptr_t lParam);
int32_t aboutDialogProc(HDLG dialog, uint32_t message, uint32_t wParam, intptr_t lParam);

// Called by onCommand for 4021 and 4022: runs the dialog modally; the result is not used.
void runAboutDialog();
void runOptionsDialog();
