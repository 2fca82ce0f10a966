// Every id the code and the resources share: menu commands, dialog templates and controls, and strings.
#pragma once
#include <cstdint>

// Menu commands: the menu bar's buttons and the items of its pop-ups. The second two-player command
// has no menu item; it starts the same game.
constexpr uint32_t CmdNewMenu = 4010, CmdOnePlayerGame = 4011, CmdTwoPlayerGame = 4012, CmdTwoPlayerGameAlt = 4013;
constexpr uint32_t CmdViewMenu = 4020, CmdAbout = 4021, CmdOptions = 4022;
constexpr uint32_t CmdHelp = 4030, CmdUndo = 4040;

// Dialog templates and the Options dialog's controls.
constexpr int AboutDialogTemplate = 2001, OptionsDialogTemplate = 2002;
enum : int {
    IdDifficulty = 3103, IdShortGames = 3104, IdPlaySounds = 3105, IdAnimateDice = 3106, IdQuickStart = 3107,
    IdShowTips = 10007, IdAnimateTokens = 10008, IdTokenMarks = 10009, IdGamesPlayed = 3201, IdGamesWon = 3202,
    IdGamesLost = 3203,
};

// Strings: the menu bar's labels, the panel's messages, the difficulty names and the question.
enum : int {
    StrNew = 1001, StrView = 1002,
    MsgTapRoll = 1201, MsgComputerRolling = 1202, MsgTapTokenOrDie = 1203, MsgSixHuman = 1205, MsgSixComputer = 1206,
    MsgThreeSixes = 1207, MsgComputerMoving = 1208, MsgTapToken = 1209, MsgChoose = 1210,
    MsgUndoComplete = 1220, MsgNeedsSix = 1221, MsgBlocked = 1222, MsgPastHome = 1223,
    MsgYouWin = 1403, MsgComputerWins = 1404, MsgPlayer1Wins = 1405, MsgPlayer2Wins = 1406,
    StrEasy = 1504, StrNormal = 1505, StrHard = 1506,
    AskAbandonGame = 1602,
};
