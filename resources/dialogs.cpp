// The two dialog templates as data.
#include "resources/dialogs.h"

#include <iterator>

#include "resources/ids.h"

namespace {

constexpr int Static = -1;

constexpr DialogItem aboutItems[] = {
    {ControlKind::Icon, Static, nullptr, 3, 21, 8, 20, 20},
    {ControlKind::Label, Static, "Rendaro", 0, 51, 10, 74, 9},
    {ControlKind::Label, Static, "Version 1.0", 0, 51, 20, 74, 9},
    {ControlKind::CentredText, Static, "rendaro.example.org", 0, 7, 31, 118, 9},
};

constexpr DialogItem optionsItems[] = {
    {ControlKind::Label, Static, "Difficulty", 0, 7, 9, 29, 8},
    {ControlKind::DropDownList, IdDifficulty, "", 0, 45, 7, 80, 44},
    {ControlKind::CheckBox, IdPlaySounds, "Play Sounds", 0, 45, 26, 55, 10},
    {ControlKind::Label, Static, "Animate", 0, 7, 39, 35, 8},
    {ControlKind::CheckBox, IdAnimateDice, "Dice", 0, 45, 39, 32, 10},
    {ControlKind::CheckBox, IdAnimateTokens, "Tokens", 0, 81, 39, 44, 10},
    {ControlKind::CheckBox, IdQuickStart, "Quick Start", 0, 45, 52, 58, 10},
    {ControlKind::CheckBox, IdShowTips, "Show Tips", 0, 45, 65, 48, 10},
    {ControlKind::CheckBox, IdShortGames, "Short Games", 0, 45, 78, 57, 10},
    {ControlKind::CheckBox, IdTokenMarks, "Token Marks", 0, 45, 91, 57, 10},
    {ControlKind::Label, Static, "Games Played", 0, 7, 107, 49, 8},
    {ControlKind::Label, IdGamesPlayed, "0", 0, 61, 107, 64, 8},
    {ControlKind::Label, Static, "Games Won", 0, 7, 117, 49, 8},
    {ControlKind::Label, IdGamesWon, "0", 0, 61, 117, 64, 8},
    {ControlKind::Label, Static, "Games Lost", 0, 7, 127, 49, 8},
    {ControlKind::Label, IdGamesLost, "0", 0, 61, 127, 64, 8},
};

constexpr DialogTemplate templates[] = {
    {AboutDialogTemplate, "About Rendaro", "System", 8, 22, 17, 132, 132, aboutItems, static_cast<int>(std::size(aboutItems))},
    {OptionsDialogTemplate, "Rendaro", "System", 8, 0, 0, 132, 150, optionsItems, static_cast<int>(std::size(optionsItems))},
};

}  // namespace

const DialogTemplate* findDialogTemplate(int id) {
    for (const DialogTemplate& t : templates)
        if (t.id == id) return &t;
    return nullptr;
}
