// The menu bar 4001 as data.
#include "resources/menu.h"

#include "resources/ids.h"

const MenuBarButton menuBarButtons[MenuBarButtonCount] = {
    {CmdNewMenu, StrNew, -1, 0, true},
    {CmdViewMenu, StrView, -1, 1, true},
    {CmdUndo, 0, 0, -1, false},
    {CmdHelp, 0, 1, -1, true},
};

const MenuItem menuPopups[2][MenuPopupItemCount] = {
    {{CmdOnePlayerGame, "1 Player Game"}, {CmdTwoPlayerGame, "2 Player Game"}},
    {{CmdAbout, "About Rendaro"}, {CmdOptions, "Options"}},
};
