// The example circuit sets: written by the tool itself, and what each one shows.
#include "cli_test_support.h"

namespace quorel::cli {
namespace {

using namespace testing;

struct Example {
    const char* name;
    int sites;
    int delay, deadEnd1, deadEnd2;   // segment counts
    int stimulusSite;
    double sf;                       // of every segment
};
const Example kExamples[] = {
    {"default", 29, 0, 0, 0, 1, 0.0},        {"delay-path", 32, 3, 0, 0, 5, 0.0},
    {"dead-end", 33, 0, 4, 0, 30, 0.0},      {"two-dead-ends", 37, 0, 4, 4, 34, 0.0},
    {"decremental", 29, 0, 0, 0, 5, 0.5},
};

TEST(Examples, AreExactlyWhatTheirScriptMakesWithTheTool)
{
    ScratchFolder folder;
    const std::string command = "sh " + shellQuoted(examplePath("make_examples.sh")) + " " +
                                shellQuoted(QUOREL_CLI_PATH) + " " + shellQuoted(folder.file(""));
    ASSERT_EQ(std::system(command.c_str()), 0);
    for (const Example& e : kExamples)
        for (const char* extension : {".cir", ".mo1", ".mo2"}) {
            const std::string name = e.name + std::string(extension);
            ASSERT_TRUE(fileExists(examplePath(name))) << name;
            EXPECT_EQ(readBytes(folder.file(name)), readBytes(examplePath(name))) << name;
        }
}

TEST(Examples, EachShowsWhatItsReadmeLineSays)
{
    for (const Example& e : kExamples) {
        CircuitSession session;
        const LoadReport report = session.load(examplePath(e.name + std::string(".cir")));
        ASSERT_TRUE(report.loaded && report.keywordFileRead && report.damaged.empty()) << e.name;
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
        EXPECT_GT(session.results().scanCount, 0) << e.name;   // the results of its protocol
    }
}

}  // namespace
}  // namespace quorel::cli
