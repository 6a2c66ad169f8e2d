// quorel-cli new: a circuit built through the pages' switches, boxes and table cells.
#include "cli_test_support.h"

namespace quorel::cli {
namespace {

using namespace testing;

TEST(NewCommand, SwitchesBoxesCellsProtocolAndMemoAllReachTheFile)
{
    ScratchFolder folder;
    const std::string path = folder.file("built.cir");
    const CliResult r = runTool(
        {"new", path, "--equal-segments", "no", "--delay-path", "yes", "--dead-end", "yes", "--second-dead-end",
         "yes", "--set", "outerInnerRatio=1.5", "--set", "outerSiteCount=12", "--set", "delaySegmentCount=2",
         "--set", "deadEnd1Site=4", "--set", "deadEnd2Site=6", "--set", "deadEnd2SegmentCount=3",
         "--segment", "1-20:sf=0.4", "--segment", "5:cv=0.3", "--segment", "all:erp=0.22", "--train",
         "--stimulus-site", "3", "--pacing-cl", "0.27", "--memo", "first line", "--memo", "second line"});
    ASSERT_EQ(r.code, kExitDone) << r.err;
    EXPECT_EQ(r.out, "saved " + path + ": 42 sites, status lamp blue\n");
    EXPECT_FALSE(fileExists(folder.file("built.mo3")));   // no run, no history
    CircuitSession loaded;
    ASSERT_TRUE(loaded.load(path).loaded);
    const CircuitModel& m = loaded.model();
    EXPECT_EQ(m.equalSegments, 0);
    EXPECT_EQ(m.outerInnerRatio, 1.5);
    EXPECT_EQ(m.outerSiteCount, 12);
    EXPECT_EQ(m.delaySegmentCount, 2);
    EXPECT_EQ(m.deadEnd1Site, 4);
    EXPECT_EQ(m.deadEnd1SegmentCount, 4);   // the default the switch wrote
    EXPECT_EQ(m.deadEnd2Site, 6);
    EXPECT_EQ(m.deadEnd2SegmentCount, 3);
    ASSERT_EQ(m.totalSiteCount, 20 + 12 + 2 + 4 + 3 + 1);
    for (int x = 1; x <= m.totalSiteCount; ++x) {
        EXPECT_EQ(sf(m, x), x <= 20 ? 0.4 : 0.0) << x;
        EXPECT_EQ(cv(m, x), x == 5 ? 0.3 : 0.5) << x;
        EXPECT_EQ(erp(m, x), 0.22) << x;
    }
    EXPECT_EQ(m.stimulationMode, 0);
    EXPECT_EQ(m.stimulusSite, 3);
    EXPECT_EQ(m.pacingCycleLength, 0.27);
    EXPECT_EQ(loaded.results().scanCount, 0);
    EXPECT_EQ(loaded.session().memoLines, (std::vector<std::string>{"first line", "second line"}));
}

TEST(NewCommand, CorrectionsOfBoxesAndCellsAreReported)
{
    ScratchFolder folder;
    const CliResult r = runTool({"new", folder.file("c.cir"), "-q", "--set", "innerSiteCount=50", "--set",
                                 "connectionSite=5", "--segment", "6:cv=1.5", "--segment", "7:erp=0",
                                 "--segment", "8:sf=0.3"});
    ASSERT_EQ(r.code, kExitDone) << r.err;
    EXPECT_EQ(linesOf(r.err), (std::vector<std::string>{
        "quorel-cli: --set innerSiteCount 50 corrected to 40 (innerSiteCount, Edit4)",
        "quorel-cli: --set innerSiteCount 50 also set scarEntrySite (Edit6) to 42",
        "quorel-cli: --set connectionSite 5 corrected to 9 (connectionSite, Edit5)",
        "quorel-cli: --segment 6:cv=1.5: site 6 corrected to 0.99",
        "quorel-cli: --segment 7:erp=0: site 7 corrected to 0.2"}));

    const CliResult red = runTool({"new", folder.file("red.cir"), "--dead-end", "yes", "--second-dead-end", "yes",
                                   "--set", "deadEnd2Site=2"});
    EXPECT_EQ(red.code, kExitDone);   // saved, as the window saves it; run refuses it
    EXPECT_EQ(red.out, "saved " + folder.file("red.cir") + ": 37 sites, status lamp red\n");
    EXPECT_EQ(red.err, "quorel-cli: note: run will refuse this circuit (check error)\n"
                       "  two dead-end pathways cannot be connected to the same site\n");
}

TEST(NewCommand, MistakesAreUsageErrorsAndWriteNothing)
{
    ScratchFolder folder;
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--second-dead-end", "yes"}, "--second-dead-end needs --dead-end yes"},
        {{"--delay-path", "maybe"}, "--delay-path takes yes or no, not 'maybe'"},
        {{"--set", "radius=0.3"}, "--set 'radius=0.3': write NAME=VALUE with NAME one of circuitRadius,"},
        {{"--set", "clockStep=0.002"}, "with NAME one of"},   // the protocol has its own options
        {{"--set", "innerSiteCount=-4"}, "--set innerSiteCount: '-4' is not a whole number of digits"},
        {{"--segment", "30:cv=0.3"}, "--segment '30:cv=0.3': the circuit has sites 1 to 29"},
        {{"--segment", "5-3:cv=0.3"}, "the circuit has sites 1 to 29"},
        {{"--segment", "5:speed=0.3"}, "the field is cv, erp or sf"},
        {{"--segment", "5:cv=-0.3"}, "the value is digits with a decimal point"},
        {{"--segment", "five:cv=0.3"}, "the sites are a number, FROM-TO or all"},
        {{"--segment", "5"}, "write SITES:FIELD=VALUE"},
        {{"--stimulus-site", "40"}, "--stimulus-site 40: the circuit has sites 1 to 29"},
    };
    for (const auto& [options, message] : cases) {
        std::vector<std::string> args{"new", folder.file("n.cir")};
        args.insert(args.end(), options.begin(), options.end());
        const CliResult r = runTool(args);
        EXPECT_EQ(r.code, kExitUsage) << message;
        EXPECT_TRUE(contains(r.err, message)) << r.err;
        EXPECT_TRUE(r.err.ends_with("\nTry 'quorel-cli new --help' for more information.\n")) << r.err;
        EXPECT_FALSE(fileExists(folder.file("n.cir"))) << message;
    }
    EXPECT_EQ(runTool({"new", folder.file("n.mo2")}).code, kExitUsage);
}

}  // namespace
}  // namespace quorel::cli
