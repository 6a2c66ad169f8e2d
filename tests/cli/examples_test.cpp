// The example circuit sets: written by the tool itself, and what each one shows.
#include "circuit_session.h"
#include "cli_test_support.h"

namespace quorel::cli {
namespace {

using namespace testing;

const char* const kExampleFiles[] = {
    "default.cir",    "default.mo1",    "default.mo2",    "delay-path.cir",    "delay-path.mo1",
    "delay-path.mo2", "dead-end.cir",   "dead-end.mo1",   "dead-end.mo2",      "two-dead-ends.cir",
    "two-dead-ends.mo1", "two-dead-ends.mo2", "decremental.cir", "decremental.mo1", "decremental.mo2"};

TEST(Examples, AreExactlyWhatTheirScriptMakesWithTheTool)
{
    ScratchFolder folder;
    const std::string command = "sh " + shellQuoted(examplePath("make_examples.sh")) + " " +
                                shellQuoted(QUOREL_CLI_PATH) + " " + shellQuoted(folder.file(""));
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const char* name : kExampleFiles) {
        ASSERT_TRUE(fileExists(examplePath(name))) << name;
        EXPECT_EQ(readBytes(folder.file(name)), readBytes(examplePath(name))) << name;
    }
}

TEST(Examples, EachShowsWhatItsLineInTheReadmeSays)
{
    struct Expected {
        const char* name;
        int sites;
        int delay, deadEnd1, deadEnd2;   // segment counts
        int stimulusSite;
        double sf;                       // of every segment
    };
    const Expected cases[] = {
        {"default.cir", 29, 0, 0, 0, 1, 0.0},
        {"delay-path.cir", 32, 3, 0, 0, 5, 0.0},
        {"dead-end.cir", 33, 0, 4, 0, 30, 0.0},
        {"two-dead-ends.cir", 37, 0, 4, 4, 34, 0.0},
        {"decremental.cir", 29, 0, 0, 0, 5, 0.5},
    };
    for (const Expected& e : cases) {
        CircuitSession session;
        const LoadReport report = session.load(examplePath(e.name));
        ASSERT_TRUE(report.loaded) << e.name;
        EXPECT_TRUE(report.keywordFileRead) << e.name;
        EXPECT_TRUE(report.damaged.empty()) << e.name;
        EXPECT_TRUE(session.loadCorrections().empty()) << e.name;
        const CircuitModel& m = session.model();
        EXPECT_EQ(m.totalSiteCount, e.sites) << e.name;
        EXPECT_EQ(m.delaySegmentCount, e.delay) << e.name;
        EXPECT_EQ(m.deadEnd1SegmentCount, e.deadEnd1) << e.name;
        EXPECT_EQ(m.deadEnd2SegmentCount, e.deadEnd2) << e.name;
        EXPECT_EQ(m.stimulusSite, e.stimulusSite) << e.name;
        for (int x = 1; x <= m.totalSiteCount; ++x)
            EXPECT_EQ(sf(m, x), e.sf) << e.name << " site " << x;
        EXPECT_EQ(runCircuitCheck(session.model()).lamp, LampState::Blue) << e.name;
        EXPECT_FALSE(session.session().memoLines.empty()) << e.name;
    }
}

}  // namespace
}  // namespace quorel::cli
