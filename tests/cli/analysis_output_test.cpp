// quorel-cli run: the measures printed after the step messages and --analysis-csv.
#include "analysis_output.h"
#include "cli_test_support.h"

namespace quorel::cli {
namespace {

using namespace testing;

TEST(RunAnalysisOutput, FollowsTheStepMessagesOfAScan)
{
    const CliResult r = runTool({"run", examplePath("default.cir"), "--stimulus-site", "5"});
    ASSERT_EQ(r.code, kExitDone) << r.err;
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 6u + 1u + 7u + 1u) << r.out;
    EXPECT_EQ(stepLinesOf(r.out).size(), 6u);
    EXPECT_EQ(lines[6],
              "analysis: stimulus at site5, QRS onset at site1, T 0.2513 sec (estimated), "
              "cycle length at site5 0.2513 sec");
    EXPECT_EQ(lines[7], "step  stimulus  coupling  captured  return  return-T  reset  terminated");
    // Captured at 2T and at T: a front sent once round returns after exactly T.
    EXPECT_EQ(lines[8], "1       0.5027    0.2011       yes  0.2513    0.0000    yes          no");
    EXPECT_EQ(lines[9], "2       0.4527    0.1511        no       -         -      -           -");
    EXPECT_EQ(lines[14], "resetting curve: flat (2 of 2 returns reset the tachycardia)");
}

TEST(RunAnalysisOutput, NamesTheClassOfAnEntrainingTrain)
{
    const CliResult r = runTool({"run", examplePath("default.cir"), "--train", "--stimulus-site", "12",
                                 "--pacing-cl", "0.23", "--train-stimuli", "25"});
    ASSERT_EQ(r.code, kExitDone) << r.err;
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 2u + 8u) << r.out;
    EXPECT_EQ(lines[3], "stimuli captured: 22 / 25, every one from stimulus 4 on");
    EXPECT_EQ(lines[4], "entrained: yes (last paced QRS interval 0.2300 sec)");
    EXPECT_EQ(lines[5], "post-pacing interval: 0.2513 sec, PPI - T 0.0000 sec");
    EXPECT_EQ(lines[6], "S-QRS 0.1131 sec, EGM-QRS 0.1131 sec, S-QRS - EGM-QRS 0.0000 sec, S-QRS / T 45.0 %");
    EXPECT_EQ(lines[7], "fusion: concealed (largest fusion index 0.0000)");
    EXPECT_EQ(lines[8], "terminated: no");
    EXPECT_EQ(lines[9], "site class: central isthmus");
}

TEST(RunAnalysisCsv, HoldsARowPerScanStepOrOneForATrain)
{
    ScratchFolder folder;
    const std::string scan = folder.file("scan.csv");
    ASSERT_EQ(runTool({"run", examplePath("decremental.cir"), "-q", "--analysis-csv", scan}).code, kExitDone);
    const auto reference = referenceRun(examplePath("decremental.cir"), [](CircuitSession&) {});
    std::vector<std::string> lines = linesOf(readBytes(scan));
    ASSERT_EQ(lines.size(), 1u + 26u);
    EXPECT_EQ(lines[0],
              "step,stimulus_time_s,coupling_interval_s,captured,return_cycle_s,return_minus_t_s,"
              "return_from_stimulus,reset,terminated,largest_fusion_index,measured_cycle_length_s");
    for (int s = 1; s <= 26; ++s) {
        const std::vector<std::string> f = splitFields(lines[static_cast<std::size_t>(s)]);
        ASSERT_GE(f.size(), 9u) << lines[static_cast<std::size_t>(s)];
        EXPECT_EQ(f[0], std::to_string(s));
        EXPECT_EQ(exactReal(f[1]), reference->results->ScanStepRecords[s].couplingInterval);
        EXPECT_EQ(f[3], reference->hooks.steps[static_cast<std::size_t>(s - 1)].captured ? "1" : "0");
        EXPECT_EQ(f[4].empty(), f[3] == "0");  // a return only after a capture
    }

    const std::string train = folder.file("train.csv");
    ASSERT_EQ(runTool({"run", examplePath("default.cir"), "--train", "--stimulus-site", "24", "--pacing-cl",
                       "0.23", "--train-stimuli", "25", "-q", "--analysis-csv", train})
                  .code,
              kExitDone);
    lines = linesOf(readBytes(train));
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_TRUE(lines[0].starts_with("stimulus_site,stimuli,captured,")) << lines[0];
    EXPECT_TRUE(lines[1].starts_with("24,25,")) << lines[1];
    EXPECT_TRUE(lines[1].ends_with(",outer loop")) << lines[1];
}

// The saved set keeps six decimals of every time: its measures agree with the run's to
// a microsecond, and its class and flags are the run's.
TEST(RunAnalysisOfASavedSet, GivesTheMeasuresOfTheRun)
{
    ScratchFolder folder;
    const std::string saved = folder.file("saved.cir");
    const std::vector<std::string> train{"--train", "--stimulus-site", "24", "--pacing-cl",
                                         "0.23",    "--train-stimuli", "25"};
    std::vector<std::string> args{"run", examplePath("dead-end.cir"), "-q", "-o", saved};
    args.insert(args.end(), train.begin(), train.end());
    ASSERT_EQ(runTool(args).code, kExitDone);
    const auto reference = referenceRun(examplePath("dead-end.cir"), [&](CircuitSession& s) {
        s.form().selectRadio(10);
        s.enterBox(23, "0.23");
        s.enterBox(21, "25");
        s.form().ComboBoxSChange(23);
    });
    CircuitSession loaded;
    ASSERT_TRUE(loaded.load(saved).loaded);
    const RunAnalysis a = analyseRun(loaded.model(), *reference->results, 1);
    const RunAnalysis b = analyseRun(loaded.model(), loaded.results(), loaded.results().scanCount);
    ASSERT_EQ(a.siteClass, SiteClass::OuterLoop);
    EXPECT_EQ(b.siteClass, a.siteClass);
    EXPECT_EQ(b.trainMeasures.capturedCount, a.trainMeasures.capturedCount);
    EXPECT_EQ(b.trainMeasures.entrained, a.trainMeasures.entrained);
    EXPECT_NEAR(b.trainMeasures.ppi, a.trainMeasures.ppi, 2e-6);
    EXPECT_NEAR(b.trainMeasures.sQrs, a.trainMeasures.sQrs, 2e-6);
    EXPECT_NEAR(b.trainMeasures.egmQrs, a.trainMeasures.egmQrs, 2e-6);
}

TEST(RunAnalysisCsv, IsCheckedBeforeTheRunAndKeepsItsHeaderAfterAnEarlyAbort)
{
    ScratchFolder folder;
    const std::string circuit = newCircuit(folder, "c.cir");
    const struct {
        std::vector<std::string> extra;
        const char* message;
    } refused[] = {
        {{"--analysis-csv", folder.file("none/a.csv")}, "the folder"},
        {{"--analysis-csv", circuit}, "--analysis-csv"},
        {{"--csv", folder.file("same.csv"), "--analysis-csv", folder.file("same.csv")},
         "is the file of --csv"},
    };
    for (const auto& c : refused) {
        std::vector<std::string> args{"run", circuit, "--stimulus-site", "5"};
        args.insert(args.end(), c.extra.begin(), c.extra.end());
        const CliResult r = runTool(args);
        EXPECT_EQ(r.code, kExitUsage) << c.message;
        EXPECT_EQ(r.out, "");
        EXPECT_TRUE(contains(r.err, c.message)) << r.err;
    }
    EXPECT_FALSE(fileExists(folder.file("same.csv")));

    const std::string slow = newCircuit(folder, "slow.cir", {"--segment", "5:cv=0.01"});
    const CliResult r = runTool({"run", slow, "--stimulus-site", "5", "--train", "--on-warning", "abort",
                                 "--analysis-csv", folder.file("a.csv")});
    EXPECT_EQ(r.code, kExitAborted);
    EXPECT_EQ(r.out, "");  // no step, nothing measured
    EXPECT_EQ(linesOf(readBytes(folder.file("a.csv"))).size(), 1u);
}

}  // namespace
}  // namespace quorel::cli
