// What a run leaves behind: the tidy table and the saved set, read back.
#include "cli_test_support.h"
#include "csv_export.h"

namespace quorel::cli {
namespace {

using namespace testing;

TEST(RunCsv, HoldsEveryStepRevolutionAndSiteExactly)
{
    ScratchFolder folder;
    const std::string circuit = newCircuit(folder, "dead-end.cir", {"--dead-end", "yes"});
    const CliResult r = runTool({"run", circuit, "--stimulus-site", "6", "--revolutions", "4", "--decrement-ms",
                                 "100", "-q", "--csv", folder.file("r.csv")});
    ASSERT_EQ(r.code, kExitDone) << r.err;
    const auto reference = referenceRun(circuit, [](CircuitSession& s) {
        s.enterBox(20, "4");
        s.enterBox(25, "100");
        s.form().ComboBoxSChange(5);
    });
    const RunResults& results = *reference->results;

    const std::vector<std::string> lines = linesOf(readBytes(folder.file("r.csv")));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "step,coupling_interval_s,revolution,site,activation_time_s,code,erp_s,"
                        "fusion_index,antidromic_fraction");
    // trunc(0.2513 / 0.1 + 1) = 3 steps, 4 revolutions, 33 sites; steps, then
    // revolutions, then sites.
    const int steps = 3, revolutions = 4, sites = 33;
    ASSERT_EQ(results.scanCount, steps);
    ASSERT_EQ(lines.size(), 1u + steps * revolutions * sites);
    std::size_t i = 1;
    int captures = 0;
    for (int s = 1; s <= steps; ++s)
        for (int rev = 1; rev <= revolutions; ++rev)
            for (int x = 1; x <= sites; ++x, ++i) {
                const std::vector<std::string> f = splitFields(lines[i]);
                ASSERT_EQ(f.size(), 9u) << lines[i];
                EXPECT_EQ(f[0] + " " + f[2] + " " + f[3], std::to_string(s) + " " + std::to_string(rev) + " " +
                                                                std::to_string(x));
                const ActivationRecord& a = results.SiteActivation[s][x][rev];
                EXPECT_EQ(exactReal(f[1]), results.ScanStepRecords[s].couplingInterval);
                EXPECT_EQ(exactReal(f[4]), a.time) << lines[i];
                EXPECT_EQ(f[5], std::to_string(static_cast<int>(a.code)));
                EXPECT_EQ(exactReal(f[6]), a.erp);
                EXPECT_EQ(exactReal(f[7]), results.RevolutionIndices[s][rev].fusionIndex);
                EXPECT_EQ(exactReal(f[8]), results.RevolutionIndices[s][rev].antidromicFraction);
                captures += f[5] == "3";
            }
    EXPECT_GT(captures, 0);   // not a table of empty activations

    // Fixed notation, never an exponent or "-0".
    auto small = createRunResults();
    small->shownRevolutionCount = 1;
    small->SiteActivation[1][1][1] = {0.00001, 3.0, -0.0};
    small->RevolutionIndices[1][1] = {0.5, 1.0 / 3.0};
    EXPECT_EQ(linesOf(formatResultsCsv(*small, 1, 1)).at(1), "1,0,1,1,0.00001,3,0,0.5,0.3333333333333333");
}

// The default example run with -o, then the saved set loaded.
TEST(RunSaved, LoadingTheSavedSetGivesBackTheRunsResults)
{
    ScratchFolder folder;
    const std::string example = examplePath("default.cir");
    const std::string saved = folder.file("x.cir");
    CliResult r = runTool({"run", example, "--stimulus-site", "5", "-o", saved, "--csv", folder.file("first.csv")});
    ASSERT_EQ(r.code, kExitDone) << r.err;

    const auto reference = referenceRun(example, [](CircuitSession& s) { s.form().ComboBoxSChange(4); });
    CircuitSession loaded;
    const LoadReport report = loaded.load(saved);
    ASSERT_TRUE(report.loaded && report.keywordFileRead && report.damaged.empty());
    const RunResults& a = *reference->results;
    const RunResults& b = loaded.results();
    ASSERT_EQ(b.scanCount, 6);
    ASSERT_EQ(b.shownRevolutionCount, 5);
    // The keyword file keeps six decimals; codes are exact.
    for (int s = 1; s <= a.scanCount; ++s) {
        EXPECT_NEAR(b.ScanStepRecords[s].couplingInterval, a.ScanStepRecords[s].couplingInterval, 5e-7);
        EXPECT_EQ(b.ScanStepRecords[s].captured, a.ScanStepRecords[s].captured);
        EXPECT_EQ(b.ScanStepRecords[s].noteFlag, a.ScanStepRecords[s].noteFlag);
        for (int rev = 1; rev <= a.shownRevolutionCount; ++rev) {
            EXPECT_NEAR(b.RevolutionIndices[s][rev].fusionIndex, a.RevolutionIndices[s][rev].fusionIndex, 5e-7);
            EXPECT_NEAR(b.RevolutionIndices[s][rev].antidromicFraction,
                        a.RevolutionIndices[s][rev].antidromicFraction, 5e-7);
            for (int x = 1; x <= reference->siteCount; ++x) {
                EXPECT_EQ(b.SiteActivation[s][x][rev].code, a.SiteActivation[s][x][rev].code);
                EXPECT_NEAR(b.SiteActivation[s][x][rev].time, a.SiteActivation[s][x][rev].time, 5e-7);
                EXPECT_NEAR(b.SiteActivation[s][x][rev].erp, a.SiteActivation[s][x][rev].erp, 5e-7);
            }
        }
    }
    // The run's protocol, its history row, and the example's memo came along.
    EXPECT_EQ(loaded.model().stimulusSite, 5);
    EXPECT_EQ(loaded.session().memoLines.size(), 1u);
    ASSERT_EQ(loaded.session().history.rows.size(), 1u);
    const HistoryRow& row = loaded.session().history.rows[0];
    EXPECT_EQ((std::vector<std::string>{row.time, row.mode, row.site, row.revolutions, row.decrement, row.stimuli,
                                        row.pacingCycleLength, row.couplingInterval}),
              (std::vector<std::string>{"2024/01/02 03:04:05", "Single", "5", "5", "50", "1", "", ""}));

    // The saved circuit and protocol run again to the same table; a second save
    // adds a second row.
    r = runTool({"run", saved, "-q", "--csv", folder.file("second.csv"), "-o", folder.file("y.cir")});
    ASSERT_EQ(r.code, kExitDone) << r.err;
    EXPECT_EQ(readBytes(folder.file("second.csv")), readBytes(folder.file("first.csv")));
    CircuitSession again;
    ASSERT_TRUE(again.load(folder.file("y.cir")).loaded);
    EXPECT_EQ(again.session().history.rows.size(), 2u);
}

TEST(RunEngines, TickAndEventLoopsWriteTheSameTable)
{
    ScratchFolder folder;
    for (const char* example : {"default.cir", "two-dead-ends.cir", "decremental.cir"}) {
        const std::string circuit = examplePath(example);
        const CliResult tick = runTool({"run", circuit, "--stimulus-site", "5", "--engine", "tick",
                                        "--csv", folder.file("tick.csv")});
        const CliResult event = runTool({"run", circuit, "--stimulus-site", "5", "--engine", "event",
                                         "--csv", folder.file("event.csv")});
        ASSERT_EQ(tick.code, 0) << example << tick.err;
        ASSERT_EQ(event.code, 0) << example << event.err;
        EXPECT_EQ(tick.out, event.out) << example;
        EXPECT_EQ(readBytes(folder.file("tick.csv")), readBytes(folder.file("event.csv"))) << example;
    }
    const CliResult wrong = runTool({"run", examplePath("default.cir"), "--engine", "fast"});
    EXPECT_EQ(wrong.code, kExitUsage);
    EXPECT_TRUE(contains(wrong.err, "--engine takes tick or event, not 'fast'")) << wrong.err;
}

}  // namespace
}  // namespace quorel::cli
