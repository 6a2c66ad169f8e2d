// What a run leaves behind: the tidy table and the saved set, read back.
#include "csv_export.h"
#include "reference_run.h"

#include <cmath>

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

    CircuitSession session;
    ASSERT_TRUE(session.load(circuit).loaded);
    session.enterBox(20, "4");
    session.enterBox(25, "100");
    session.form().ComboBoxSChange(5);
    StepRecorder hooks;
    auto results = createRunResults();
    auto state = createRunState();
    ASSERT_EQ(runProtocol(session.model(), *state, *results, hooks), RunOutcome::Completed);

    const std::vector<std::string> lines = linesOf(readBytes(folder.file("r.csv")));
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "step,coupling_interval_s,revolution,site,activation_time_s,code,erp_s,"
                        "fusion_index,antidromic_fraction");
    // 3 steps (trunc(0.2513 / 0.1 + 1)), 4 revolutions, 33 sites.
    const int steps = 3, revolutions = 4, sites = 33;
    ASSERT_EQ(state->scanCount, steps);
    ASSERT_EQ(lines.size(), 1u + steps * revolutions * sites);
    std::size_t i = 1;
    int captures = 0;
    for (int s = 1; s <= steps; ++s)
        for (int rev = 1; rev <= revolutions; ++rev)
            for (int x = 1; x <= sites; ++x, ++i) {
                const std::vector<std::string> f = splitFields(lines[i]);
                ASSERT_EQ(f.size(), 9u) << lines[i];
                EXPECT_EQ(f[0], std::to_string(s));
                EXPECT_EQ(f[2], std::to_string(rev));
                EXPECT_EQ(f[3], std::to_string(x));
                const ActivationRecord& a = results->SiteActivation[s][x][rev];
                const RevolutionIndex& ri = results->RevolutionIndices[s][rev];
                EXPECT_EQ(exactReal(f[1]), results->ScanStepRecords[s].couplingInterval);
                EXPECT_EQ(exactReal(f[4]), a.time) << lines[i];
                EXPECT_EQ(f[5], std::to_string(static_cast<int>(a.code)));
                EXPECT_EQ(exactReal(f[6]), a.erp);
                EXPECT_EQ(exactReal(f[7]), ri.fusionIndex);
                EXPECT_EQ(exactReal(f[8]), ri.antidromicFraction);
                captures += f[5] == "3";
            }
    EXPECT_GT(captures, 0);   // the table is not all empty activations
}

TEST(RunCsv, NumbersAreWrittenWithoutExponentOrNegativeZero)
{
    auto results = createRunResults();
    results->shownRevolutionCount = 1;
    results->ScanStepRecords[1].couplingInterval = 0.25;
    results->SiteActivation[1][1][1] = {0.00001, 3.0, -0.0};
    results->RevolutionIndices[1][1] = {0.5, 1.0 / 3.0};
    const std::vector<std::string> lines = linesOf(formatResultsCsv(*results, 1, 2));
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[1], "1,0.25,1,1,0.00001,3,0,0.5,0.3333333333333333");
    EXPECT_EQ(lines[2], "1,0.25,1,2,0,0,0,0.5,0.3333333333333333");
}

// The acceptance case: the default example run with -o, then the saved set loaded.
TEST(RunSaved, LoadingTheSavedSetGivesBackTheRunsResults)
{
    ScratchFolder folder;
    const std::string example = examplePath("default.cir");
    const std::string saved = folder.file("x.cir");
    CliResult r = runTool({"run", example, "--stimulus-site", "5", "-o", saved, "--csv", folder.file("first.csv")});
    ASSERT_EQ(r.code, kExitDone) << r.err;

    const ReferenceRun reference = referenceRun(example, 5);
    CircuitSession loaded;
    const LoadReport report = loaded.load(saved);
    ASSERT_TRUE(report.loaded);
    EXPECT_TRUE(report.keywordFileRead);
    EXPECT_TRUE(report.damaged.empty());
    const RunResults& a = *reference.results;
    const RunResults& b = loaded.results();
    ASSERT_EQ(b.scanCount, a.scanCount);
    ASSERT_EQ(b.shownRevolutionCount, a.shownRevolutionCount);
    // The keyword file keeps six decimals; codes are exact.
    for (int s = 1; s <= a.scanCount; ++s) {
        EXPECT_NEAR(b.ScanStepRecords[s].couplingInterval, a.ScanStepRecords[s].couplingInterval, 5e-7);
        EXPECT_EQ(b.ScanStepRecords[s].captured, a.ScanStepRecords[s].captured);
        EXPECT_EQ(b.ScanStepRecords[s].noteFlag, a.ScanStepRecords[s].noteFlag);
        for (int rev = 1; rev <= a.shownRevolutionCount; ++rev) {
            EXPECT_NEAR(b.RevolutionIndices[s][rev].fusionIndex, a.RevolutionIndices[s][rev].fusionIndex, 5e-7);
            EXPECT_NEAR(b.RevolutionIndices[s][rev].antidromicFraction,
                        a.RevolutionIndices[s][rev].antidromicFraction, 5e-7);
            for (int x = 1; x <= reference.siteCount; ++x) {
                EXPECT_EQ(b.SiteActivation[s][x][rev].code, a.SiteActivation[s][x][rev].code);
                EXPECT_NEAR(b.SiteActivation[s][x][rev].time, a.SiteActivation[s][x][rev].time, 5e-7);
                EXPECT_NEAR(b.SiteActivation[s][x][rev].erp, a.SiteActivation[s][x][rev].erp, 5e-7);
            }
        }
    }
    // The protocol of the run and its history row.
    const CircuitModel& m = loaded.model();
    EXPECT_EQ(m.stimulusSite, 5);
    EXPECT_EQ(m.stimulationMode, 1);
    const auto& rows = loaded.session().history.rows;
    ASSERT_EQ(rows.size(), 1u);
    const HistoryRow& row = rows[0];
    EXPECT_EQ(row.time, "2024/01/02 03:04:05");
    EXPECT_EQ(row.mode, "Single");
    EXPECT_EQ(row.site, "5");
    EXPECT_EQ(row.revolutions, "5");
    EXPECT_EQ(row.decrement, "50");
    EXPECT_EQ(row.stimuli, "1");
    EXPECT_EQ(row.pacingCycleLength, "");
    EXPECT_EQ(row.couplingInterval, "");

    // The saved circuit and protocol run again to the same table, and a second save
    // adds a second row.
    r = runTool({"run", saved, "-q", "--csv", folder.file("second.csv"), "-o", folder.file("y.cir")});
    ASSERT_EQ(r.code, kExitDone) << r.err;
    EXPECT_EQ(readBytes(folder.file("second.csv")), readBytes(folder.file("first.csv")));
    CircuitSession again;
    ASSERT_TRUE(again.load(folder.file("y.cir")).loaded);
    EXPECT_EQ(again.session().history.rows.size(), 2u);
}

TEST(RunSaved, ATrainRowNamesItsPacing)
{
    ScratchFolder folder;
    const std::string circuit = newCircuit(folder, "c.cir");
    const CliResult r = runTool({"run", circuit, "--train", "--train-stimuli", "7", "--pacing-cl", "0.28",
                                 "--stimulus-site", "4", "-q", "-o", folder.file("t.cir")});
    ASSERT_EQ(r.code, kExitDone) << r.err;
    CircuitSession loaded;
    ASSERT_TRUE(loaded.load(folder.file("t.cir")).loaded);
    EXPECT_EQ(loaded.model().stimulationMode, 0);
    EXPECT_EQ(loaded.results().scanCount, 1);
    EXPECT_EQ(loaded.results().shownRevolutionCount, 12);
    ASSERT_EQ(loaded.session().history.rows.size(), 1u);
    const HistoryRow& row = loaded.session().history.rows[0];
    EXPECT_EQ(row.mode, "Train");
    EXPECT_EQ(row.site, "4");
    EXPECT_EQ(row.revolutions, "12");
    EXPECT_EQ(row.decrement, "");
    EXPECT_EQ(row.stimuli, "7");
    EXPECT_EQ(row.pacingCycleLength, "0.2800");
    EXPECT_EQ(row.couplingInterval, "0.2000");
}

}  // namespace
}  // namespace quorel::cli
