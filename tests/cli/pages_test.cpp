// quorel-cli check and describe: the pages "check" and "circuit" as text.
#include "cli_test_support.h"
#include "page_text.h"

namespace quorel::cli {
namespace {

using namespace testing;

TEST(CheckCommand, LampAndPageForEachState)
{
    ScratchFolder folder;
    const struct {
        const char* name;
        std::vector<std::string> options;
        int code;
        std::vector<std::string> lines;
    } cases[] = {
        {"blue.cir", {}, kExitDone, {"status lamp: blue"}},
        {"outside.cir", {"--stimulus-site", "21"}, kExitDone,
         {"status lamp: yellow", "***** WARNING *****", "Stimulus site is outside inner loop ",
          "----> antidromic activation will not be calculated"}},
        // The ERP of site 9 lies within 10 ms of the 0.0126 s segments around it: listed
        // for 8->9 and 9->10, each by the inner and by the outer rule.
        {"near.cir", {"--segment", "9:erp=0.015"}, kExitDone,
         {"status lamp: yellow", "***** ERROR *****", "The conduction time", "from site to site",
          "  site       8->9  8->9  9->10  9->10", "  C.V.(m/s)   0.5   0.5    0.5    0.5",
          "  ERP(sec)    0.2   0.2  0.015  0.015", "  Scale F.      0     0      0      0",
          "The conduction time from the ", "dead-end pathway site to site", "  site", "  C.V.(m/s)",
          "  ERP(sec)", "  Scale F.", "are whithin 10 msec of the refractory period at one of the sites",
          "This may allow inappropriate activition of a site during antidromic", "wavefront propagation"}},
        {"conflict.cir", {"--dead-end", "yes", "--second-dead-end", "yes", "--set", "deadEnd2Site=2"},
         kExitCheckError, {"status lamp: red", "two dead-end pathways cannot be connected to the same site"}},
    };
    for (const auto& c : cases) {
        const CliResult r = runTool({"check", newCircuit(folder, c.name, c.options)});
        EXPECT_EQ(r.code, c.code) << c.name;
        EXPECT_EQ(linesOf(r.out), c.lines) << c.name << "\n" << r.out;
        EXPECT_EQ(r.err, c.code == kExitCheckError ? "quorel-cli: check error\n" : "") << c.name;
    }
    // A circuit file cannot hold a switched-on path without segments; the page can.
    CircuitCheckReport missing;
    missing.Label152 = missing.Label153 = missing.Label154 = true;
    EXPECT_EQ(checkErrorReasons(missing, false),
              (std::vector<std::string>{"input number of segments from site1 to QRS onset",
                                        "input number of segments in the dead-end pathway",
                                        "input number of segments in the second dead-end pathway"}));
}

TEST(DescribeCommand, PageLinesOfThePathsPresentAndOneTableRowPerSegment)
{
    ScratchFolder folder;
    const struct {
        const char* name;
        std::vector<std::string> options;
        std::size_t sites;
        std::vector<std::string> pathLines;   // the lines 6 to 9 that apply
    } cases[] = {
        {"plain.cir", {}, 29, {}},
        {"delay.cir", {"--delay-path", "yes"}, 32,
         {"site 32 is at the QRS onset 2 cm from site1",
          "sites 30 to site 32 are between the circuit exit and the QRS onset"}},
        {"two.cir", {"--dead-end", "yes", "--second-dead-end", "yes"}, 37,
         {"sites 30 to site 33 are in a dead-end pathway connected to site 2",
          "sites 34 to site 37 are in a 2nd dead-end pathway connected to site 3"}},
    };
    for (const auto& c : cases) {
        const CliResult r = runTool({"describe", newCircuit(folder, c.name, c.options)});
        ASSERT_EQ(r.code, kExitDone) << r.err;
        const std::vector<std::string> lines = linesOf(r.out);
        const std::size_t table = 12 + c.pathLines.size() + 1;
        ASSERT_EQ(lines.size(), table + 1 + c.sites) << r.out;
        EXPECT_EQ(lines[0], "sites1 to 20 are in the inner circuit");
        EXPECT_EQ(std::vector<std::string>(lines.begin() + 5, lines.begin() + 5 + c.pathLines.size()), c.pathLines);
        EXPECT_EQ(lines[table - 2], "estimated VT cycle length = 0.2513 sec");
        EXPECT_EQ(lines[table - 1], "");
        EXPECT_EQ(lines[table].substr(0, 4), "site");
        EXPECT_TRUE(lines[table].ends_with("D.I.    S.L.    C.T.  C.V.  ERP  S.F.")) << lines[table];
        EXPECT_TRUE(lines[table + 1].starts_with("from site 1 to 2 ")) << lines[table + 1];
        EXPECT_TRUE(lines[table + 1].ends_with("0.0513  0.0063  0.0126   0.5  0.2     0"));
    }
}

TEST(CheckAndDescribe, UsageAndReadErrors)
{
    ScratchFolder folder;
    for (const std::string command : {"check", "describe"}) {
        EXPECT_EQ(runTool({command}).err, "quorel-cli: " + command + " needs a circuit file\nTry 'quorel-cli " +
                                              command + " --help' for more information.\n");
        EXPECT_TRUE(contains(runTool({command, "a.cir", "-q"}).err, "unknown option '-q'"));
        const CliResult r = runTool({command, folder.file("none.cir")});
        EXPECT_EQ(r.code, kExitUsage);
        EXPECT_EQ(r.err, "quorel-cli: [" + folder.file("none.cir") + "] doesn't exist\n");
    }
}

}  // namespace
}  // namespace quorel::cli
