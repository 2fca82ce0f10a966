// The Options and About dialogs: what Options shows, the round trip through OK or Cancel, and About's save.
#include <gtest/gtest.h>

#include <filesystem>

#include "game/game_state.h"
#include "persist/savefile.h"
#include "platform/chrome/chrome.h"
#include "platform/chrome/parts.h"
#include "platform/chrome/dialog.h"
#include "platform/window/messages.h"
#include "platform/canvas/screen.h"
#include "shell/dialogs.h"
#include "tests/chrome_fixture.h"
#include "tests/persist_fixture.h"

namespace chrome_test {
namespace {

constexpr int CheckBoxes[] = {IdPlaySounds, IdAnimateDice, IdAnimateTokens, IdShortGames, IdQuickStart, IdShowTips};

class DialogsOptions : public ChromeTest {
protected:
    void SetUp() override {
        ChromeTest::SetUp();
        setUpPosition(true);
        setTurnState(PickToken);
    }

    std::string savePath() const { return folder + "/rendart"; }

    static bool checked(int id) { return SendMessage(GetDlgItem(openDialog(), id), BM_GETCHECK, 0, 0) == 1; }
    static std::string text(int id) {
        char buffer[32];
        GetDlgItemText(openDialog(), id, buffer, sizeof buffer);
        return buffer;
    }
    static void tapControl(int id) { tap(centre(dialogControlRect(openDialog(), id))); }
    static void pickDifficulty(int entry) {
        tapControl(IdDifficulty);
        tap(centre(dialogListEntryRect(openDialog(), entry)));
    }
    static void tapOk() { tap(centre(titleDoneButtonRect())); }
};

TEST_F(DialogsOptions, OpensWithTheOptionsAndCountersOfTheGame) {
    struct Seen {
        int selected;
        std::vector<bool> ticks;
        std::string played, won, lost;
    } seen;
    game.core.gamesPlayed = 12;
    game.core.gamesWon = 7;
    game.core.gamesLost = 0;
    script({[&] {
        HCTL list = GetDlgItem(openDialog(), IdDifficulty);
        seen.selected = static_cast<int>(SendMessage(list, CB_GETCURSEL, 0, 0));
        for (int id : CheckBoxes) seen.ticks.push_back(checked(id));
        seen.played = text(IdGamesPlayed);
        seen.won = text(IdGamesWon);
        seen.lost = text(IdGamesLost);
    }});
    runOptionsDialog();
    EXPECT_EQ(seen.selected, 1) << "Normal";
    EXPECT_EQ(seen.ticks, (std::vector<bool>{true, true, true, false, true, true}));
    EXPECT_EQ(seen.played, "12");
    EXPECT_EQ(seen.won, "7");
    EXPECT_EQ(seen.lost, "0");
}

// The counters are unsigned in the record but shown signed.
TEST_F(DialogsOptions, CountersAreShownAsSignedNumbers) {
    game.core.gamesPlayed = 0x80000005u;
    game.core.gamesWon = 0x7FFFFFFFu;
    game.core.gamesLost = 0xFFFFFFFFu;
    std::vector<std::string> shown;
    script({[&] { shown = {text(IdGamesPlayed), text(IdGamesWon), text(IdGamesLost)}; }});
    runOptionsDialog();
    EXPECT_EQ(shown, (std::vector<std::string>{"-2147483643", "2147483647", "-1"}));
}

// OK stores exactly the seven option bits, whatever else the flags hold, and saves at once.
TEST_F(DialogsOptions, OkStoresTheSevenBitsAndSaves) {
    const uint32_t before = game.core.flags;
    script({[] { tapControl(IdPlaySounds); },
            [] { tapControl(IdShortGames); },
            [] { tapControl(IdShowTips); },
            [] { pickDifficulty(0); },
            [] { tapOk(); }});
    runOptionsDialog();
    const uint32_t changed = FlagPlaySounds | FlagShortGames | FlagShowTips | FlagNormal;
    EXPECT_EQ(game.core.flags, before ^ changed);
    EXPECT_EQ(turnState(), PickToken);
    ASSERT_TRUE(std::filesystem::exists(savePath()));
    packRecord();
    EXPECT_EQ(readBytes(savePath()), std::vector<uint8_t>(saveBuffer, saveBuffer + SaveRecordSize));

    script({[] { pickDifficulty(1); }, [] { tapControl(IdQuickStart); }, [] { tapOk(); }});
    runOptionsDialog();
    EXPECT_EQ(game.core.flags, before ^ changed ^ FlagNormal ^ FlagQuickStart);
}

// Every other way out leaves the flags alone and saves nothing: input ending, a close request.
TEST_F(DialogsOptions, CancelChangesNothing) {
    const uint32_t before = game.core.flags;
    script({[] { tapControl(IdPlaySounds); }, [] { pickDifficulty(0); }});
    runOptionsDialog();
    script({[] { tapControl(IdAnimateDice); }, [] { PostMessage(WM_CLOSE, 0, 0); }, [] { tapOk(); }});
    runOptionsDialog();
    EXPECT_EQ(game.core.flags, before);
    EXPECT_FALSE(std::filesystem::exists(savePath()));
}

// A tap beside an open list, or on its field again, closes it without changing the choice.
TEST_F(DialogsOptions, ListClosedByATapElsewhereKeepsItsChoice) {
    script({[] { tapControl(IdDifficulty); },
            [] { tap({236, 300}); },
            [] { tapControl(IdDifficulty); },
            [] { tapControl(IdDifficulty); },
            [] { tapOk(); }});
    runOptionsDialog();
    EXPECT_TRUE(flag(FlagNormal));
    EXPECT_TRUE(flag(FlagPlaySounds));
}

TEST_F(DialogsOptions, TitleBarShowsTheCaptionAndOkOnlyWhileOpen) {
    const auto titleRow = [] {
        std::vector<uint32_t> row;
        for (int x = 0; x < 240; ++x) row.push_back(pixel(x, 13));
        return row;
    };
    finishUpdate();
    const std::vector<uint32_t> closedTitle = titleRow();
    std::vector<uint32_t> openTitle;
    uint32_t okPixelOpen = 0;
    script({[&] {
        openTitle = titleRow();
        okPixelOpen = pixel(titleDoneButtonRect().left, centre(titleDoneButtonRect()).y);
        tapOk();
    }});
    runAboutDialog();
    finishUpdate();
    EXPECT_NE(openTitle, closedTitle);
    EXPECT_NE(okPixelOpen, pixel(0, 0)) << "the ok button's outline";
    EXPECT_EQ(titleRow(), closedTitle);
}

// The template's rows and columns survive the conversion from dialog units, inside the screen.
TEST_F(DialogsOptions, ControlsKeepTheTemplatesRowsAndColumns) {
    std::vector<Rect> column;
    Rect dice{}, tokens{}, list{};
    script({[&] {
        for (int id : {IdPlaySounds, IdAnimateDice, IdQuickStart, IdShowTips, IdShortGames})
            column.push_back(dialogControlRect(openDialog(), id));
        dice = dialogControlRect(openDialog(), IdAnimateDice);
        tokens = dialogControlRect(openDialog(), IdAnimateTokens);
        list = dialogControlRect(openDialog(), IdDifficulty);
    }});
    runOptionsDialog();
    ASSERT_EQ(column.size(), 5u);
    EXPECT_GT(list.top, TitleBarHeight);
    EXPECT_LE(list.bottom, column[0].top);
    EXPECT_EQ(list.left, column[0].left);
    for (size_t i = 1; i < column.size(); ++i) {
        EXPECT_EQ(column[i].left, column[0].left);
        EXPECT_GE(column[i].top, column[i - 1].bottom);
    }
    EXPECT_EQ(tokens.top, dice.top);
    EXPECT_GE(tokens.left, dice.right);
    EXPECT_LE(tokens.right, 240);
}

TEST_F(DialogsOptions, AboutSavesOnOpeningAndChangesNothing) {
    const GameState before = game;
    bool savedWhileOpen = false;
    script({[&] { savedWhileOpen = std::filesystem::exists(savePath()); }, [] { tapOk(); }});
    runAboutDialog();
    EXPECT_TRUE(savedWhileOpen);
    EXPECT_TRUE(sameStoredBlocks(game, before));
}

}  // namespace
}  // namespace chrome_test
