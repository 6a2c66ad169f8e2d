#include "presentation/shell_state.h"

#include <gtest/gtest.h>

using namespace quorel;

TEST(Timer2Flashing, FlashesFourTimesThenStopsUntilEnabledAgain)
{
    FlashCounter timer2;
    EXPECT_FALSE(timer2.tick());   // disabled at start
    for (int round = 0; round < 2; ++round) {
        timer2.enable();
        int flashes = 0;
        for (int tick = 0; tick < 10 && timer2.enabled; ++tick)
            flashes += timer2.tick() ? 1 : 0;
        EXPECT_EQ(flashes, 4);
        EXPECT_FALSE(timer2.enabled);
        EXPECT_EQ(timer2.ticks, 0);
        EXPECT_FALSE(timer2.tick());
    }
    // Enabled again while flashing, it simply goes on counting to four.
    timer2.enable();
    timer2.tick();
    timer2.tick();
    timer2.enable();
    EXPECT_TRUE(timer2.tick());
    EXPECT_TRUE(timer2.tick());
    EXPECT_FALSE(timer2.enabled);
}

TEST(MemoEditing, CommandsWaitForTheFirstFocusExceptUndo)
{
    MemoEditState memo;
    EXPECT_FALSE(memo.editMenuEnabled);
    for (MemoCommand c : {MemoCommand::Cut, MemoCommand::Copy, MemoCommand::Paste,
                          MemoCommand::Delete, MemoCommand::SelectAll})
        EXPECT_FALSE(memo.acts(c));
    EXPECT_TRUE(memo.acts(MemoCommand::Undo));

    memo.focusIn();
    EXPECT_TRUE(memo.editMenuEnabled);
    memo.focusOut();
    EXPECT_FALSE(memo.editMenuEnabled);
    // Once entered, the memo stays entered.
    for (MemoCommand c : {MemoCommand::Cut, MemoCommand::Copy, MemoCommand::Paste,
                          MemoCommand::Delete, MemoCommand::SelectAll, MemoCommand::Undo})
        EXPECT_TRUE(memo.acts(c));
}

TEST(ShellState, SoundsAreOffAtStartAndToggle)
{
    ShellState shell;
    EXPECT_EQ(shell.soundOn, 0);
    EXPECT_STREQ(soundGlyph(shell.soundOn), "ImageSOFF");
    EXPECT_STREQ(shell.toggleSound(), "ImageSON");
    EXPECT_EQ(shell.soundOn, 1);
    EXPECT_STREQ(shell.toggleSound(), "ImageSOFF");
    EXPECT_EQ(shell.soundOn, 0);
    EXPECT_EQ(shell.statusBarWidth, 508);
}

TEST(ShellState, LargeFontsFromTheScreenDensity)
{
    const std::pair<double, int> cases[] = {{72, 0}, {96, 0}, {119.9, 0}, {120, 1}, {144, 1}, {192, 1}};
    for (auto [dpi, large] : cases) {
        EXPECT_EQ(largeFontsForDpi(dpi), large) << dpi;
        EXPECT_EQ(drawnViewFontPoints(large), large ? 8 : 10);
    }
}

TEST(MemoText, LinesRoundTripWithoutLosingOrAddingLines)
{
    using Lines = std::vector<std::string>;
    const std::pair<std::string, Lines> cases[] = {
        {"", {}},
        {"one line", {"one line"}},
        {"a\nb", {"a", "b"}},
        {"a\n", {"a", ""}},
        {"\n\nc", {"", "", "c"}},
        {"tab\there", {"tab\there"}},
    };
    for (const auto& [text, lines] : cases) {
        EXPECT_EQ(memoLinesFromText(text), lines) << text;
        EXPECT_EQ(memoTextFromLines(lines), text);
    }
    EXPECT_EQ(memoLinesFromText("a\r\nb\r\n"), (Lines{"a", "b", ""}));
    EXPECT_EQ(memoLinesFromText("lone\rcr"), (Lines{"lone\rcr"}));
}
