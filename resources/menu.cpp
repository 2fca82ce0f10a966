// The menu bar 4001 as data.
#include "resources/menu.h"

const MenuBarButton menuBarButtons[MenuBarButtonCount] = {
    {4010, 1001, -1, 0, true},
    {4020, 1002, -1, 1, true},
    {4040, 0, 0, -1, false},
    {4030, 0, 1, -1, true},
};

const MenuItem menuPopups[2][MenuPopupItemCount] = {
    {{4011, "1 Player Game"}, {4012, "2 Player Game"}},
    {{4021, "About Rendaro"}, {4022, "Options"}},
};
