// The recent-file list: the pending entry, duplicates without regard to case, nine items.
#include "persistence/recent_files.h"

#include "support/scratch_folder.h"

#include <fstream>
#include <gtest/gtest.h>

using namespace quorel;
using quorel::testing::ScratchFolder;

namespace {

struct Step {
    const char* path;                        // opened or saved; "" for the exit
    std::vector<std::string> menuAfterwards;
};

TEST(RecentFiles, TheMenuNamesTheFilesUsedBeforeTheCurrentOneOnce)
{
    const struct {
        const char* name;
        std::vector<Step> steps;
    } cases[] = {
        {"open a then b", {{"/d/a.cir", {}}, {"/d/b.cir", {"&1 /d/a.cir"}}}},
        {"a again from the menu", {{"/d/a.cir", {}}, {"/d/b.cir", {"&1 /d/a.cir"}}, {"/d/a.cir", {"&1 /d/b.cir"}}}},
        {"saving twice", {{"/d/a.cir", {}}, {"/d/b.cir", {"&1 /d/a.cir"}}, {"/d/b.cir", {"&1 /d/a.cir"}}}},
        {"letter case", {{"/d/A.cir", {}}, {"/d/b.cir", {"&1 /d/A.cir"}}, {"/d/a.CIR", {"&1 /d/b.cir"}}}},
        {"the exit adds the current file", {{"/d/a.cir", {}}, {"", {"&1 /d/a.cir"}}}},
    };
    for (const auto& c : cases) {
        RecentFiles recent;
        for (const Step& step : c.steps) {
            recent.add(step.path);
            EXPECT_EQ(recent.menuItems(), step.menuAfterwards) << c.name << " after " << step.path;
        }
    }
}

TEST(RecentFiles, AtMostNineItemsTheMostRecentFirst)
{
    RecentFiles recent;
    for (int i = 1; i <= 12; ++i)
        recent.add("/d/" + std::to_string(i) + ".cir");
    ASSERT_EQ(recent.menuItems().size(), 9u);
    EXPECT_EQ(recent.entry(1), "/d/11.cir");
    EXPECT_EQ(recent.entry(9), "/d/3.cir");
    EXPECT_EQ(recent.entry(10), "");
    EXPECT_EQ(recent.pending(), "/d/12.cir");
}

TEST(RecentFiles, TheHistoryFileKeepsNineOfItsLinesAndIsWrittenWithTheCurrentFile)
{
    ScratchFolder folder;
    const std::string path = folder.file("History");
    {
        std::ofstream out(path, std::ios::binary);
        for (int i = 1; i <= 12; ++i)
            out << "/d/" << i << ".cir\r\n";
        out << "\r\n";
    }
    RecentFiles recent = readHistoryFile(path);
    EXPECT_EQ(recent.menuItems().size(), 9u);
    EXPECT_EQ(recent.entry(1), "/d/1.cir");
    EXPECT_EQ(recent.pending(), "");

    recent.add("/d/new.cir");
    ASSERT_TRUE(writeHistoryFile(path, recent));
    const RecentFiles again = readHistoryFile(path);
    EXPECT_EQ(again.entry(1), "/d/new.cir");
    EXPECT_EQ(again.entry(9), "/d/8.cir");

    // Nothing there, or something that is not a file: an empty list, no message.
    EXPECT_TRUE(readHistoryFile(folder.file("none")).list().empty());
    EXPECT_TRUE(readHistoryFile(folder.path().string()).list().empty());
}

}  // namespace
