// quorel-cli run: the step messages, the overrides through the boxes, the warnings,
// the refusals, and what is written.
#include "cli_run_hooks.h"
#include "reference_run.h"

#include "persistence/circuit_set.h"

#include <regex>

namespace quorel::cli {
namespace {

using namespace testing;

class RunCommand : public ::testing::Test {
protected:
    ScratchFolder folder;
    std::string circuit = newCircuit(folder, "default.cir");
};

TEST_F(RunCommand, PrintsTheMessagesOfEveryScanStepAsTheEngineReportsThem)
{
    const CliResult r = runTool({"run", circuit, "--stimulus-site", "5"});
    ASSERT_EQ(r.code, kExitDone) << r.err;
    EXPECT_EQ(r.err, "");
    const ReferenceRun reference = referenceRun(circuit, 5);
    std::vector<std::string> expected;
    for (const ScanStepReport& step : reference.steps)
        for (const std::string& line : stepMessageLines(step))
            expected.push_back(line);
    const std::vector<std::string> lines = linesOf(r.out);
    EXPECT_EQ(lines, expected);
    // Six steps from 2T = 0.5027 s down by 50 ms (T = 0.2513 s).
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_TRUE(contains(lines.front(), "step 1/6: ")) << lines.front();
    EXPECT_TRUE(contains(lines.front(), "capture at coupling interval 0.5027 (0.2513) sec at site5"));
    EXPECT_TRUE(contains(lines.back(), "step 6/6: "));
    EXPECT_TRUE(contains(lines.back(), "capture at coupling interval 0.2527 (0.0013) sec at site5"));
}

TEST_F(RunCommand, TrainPrintsTheCaptureCountAndTheFirstCouplingInterval)
{
    const CliResult r = runTool({"run", circuit, "--train", "--stimulus-site", "3", "--first-coupling", "0.25"});
    ASSERT_EQ(r.code, kExitDone) << r.err;
    const std::vector<std::string> lines = linesOf(r.out);
    ASSERT_EQ(lines.size(), 2u) << r.out;
    EXPECT_TRUE(std::regex_match(lines[0], std::regex(
        "step 1/1: (Stimulus capture [1-5] / 5 times|No stimulus capture) at site3"))) << lines[0];
    EXPECT_EQ(lines[1], "step 1/1: coupling interval of first beat = 0.2500 sec");
}

TEST(StepMessages, TheNoteLineFollowsItsStepAndLeadingBlanksGo)
{
    ScanStepReport report;
    report.scanStep = 3;
    report.scanCount = 7;
    report.LabelRes1 = "Stimulus capture at coupling interval 0.4027 (0.1513) sec at site5";
    EXPECT_EQ(stepMessageLines(report),
              std::vector<std::string>{"step 3/7: Stimulus capture at coupling interval 0.4027 (0.1513) sec at site5"});
    report.LabelRes2 = "antidromic activation does not include sties past1";
    EXPECT_EQ(stepMessageLines(report).at(1), "step 3/7: antidromic activation does not include sties past1");
    report.LabelRes2 = " coupling interval of first beat = 0.2000 sec";
    EXPECT_EQ(stepMessageLines(report).at(1), "step 3/7: coupling interval of first beat = 0.2000 sec");
}

TEST_F(RunCommand, QuietPrintsNoStepsButWritesItsFiles)
{
    const CliResult r = runTool({"run", circuit, "-q", "--csv", folder.file("q.csv"), "-o", folder.file("q.cir")});
    ASSERT_EQ(r.code, kExitDone) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "");
    EXPECT_TRUE(fileExists(folder.file("q.csv")));
    EXPECT_TRUE(fileExists(folder.file("q.cir")));
    EXPECT_TRUE(fileExists(folder.file("q.mo1")));
    EXPECT_TRUE(fileExists(folder.file("q.mo3")));
}

// --- overrides -------------------------------------------------------------------

struct Override {
    std::vector<std::string> options;
    const char* reported;   // the correction on stderr, or nullptr when the value stands
    double CircuitModel::*realField;
    int CircuitModel::*intField;
    double expected;
};

class Overrides : public RunCommand, public ::testing::WithParamInterface<Override> {};

TEST_P(Overrides, PassTheBoxLimitsAndReportCorrections)
{
    const Override& o = GetParam();
    std::vector<std::string> args{"run", circuit, "-q", "-o", folder.file("o.cir")};
    args.insert(args.end(), o.options.begin(), o.options.end());
    const CliResult r = runTool(args);
    ASSERT_EQ(r.code, kExitDone) << r.err;
    if (o.reported)
        EXPECT_TRUE(contains(r.err, o.reported)) << r.err;
    else
        EXPECT_FALSE(contains(r.err, "corrected")) << r.err;

    // The run used the corrected value, and the saved protocol holds it.
    CircuitSession saved;
    ASSERT_TRUE(saved.load(folder.file("o.cir")).loaded);
    const CircuitModel& m = saved.model();
    const double value = o.realField ? m.*o.realField : m.*o.intField;
    EXPECT_DOUBLE_EQ(value, o.expected);
}

INSTANTIATE_TEST_SUITE_P(
    RunCommand, Overrides,
    ::testing::Values(
        Override{{"--clock", "0.01"}, "--clock 0.01 corrected to 0.005 (clockStep, Edit19)",
                 &CircuitModel::clockStep, nullptr, 0.005},
        Override{{"--clock", "0"}, "--clock 0 corrected to 0.0001", &CircuitModel::clockStep, nullptr, 0.0001},
        Override{{"--clock", "0.002"}, nullptr, &CircuitModel::clockStep, nullptr, 0.002},
        Override{{"--revolutions", "45"}, "--revolutions 45 corrected to 30", nullptr,
                 &CircuitModel::revolutionCount, 30},
        Override{{"--revolutions", "0"}, "--revolutions 0 corrected to 1", nullptr,
                 &CircuitModel::revolutionCount, 1},
        Override{{"--revolutions", "7"}, nullptr, nullptr, &CircuitModel::revolutionCount, 7},
        Override{{"--decrement-ms", "250"}, "--decrement-ms 250 corrected to 100",
                 &CircuitModel::scanDecrementMs, nullptr, 100},
        Override{{"--decrement-ms", "0.5"}, "--decrement-ms 0.5 corrected to 1",
                 &CircuitModel::scanDecrementMs, nullptr, 1},
        Override{{"--train", "--train-stimuli", "30"}, "--train-stimuli 30 corrected to 25", nullptr,
                 &CircuitModel::trainStimulusCount, 25},
        Override{{"--train", "--pacing-cl", "1"}, "--pacing-cl 1 corrected to 0.99",
                 &CircuitModel::pacingCycleLength, nullptr, 0.99},
        Override{{"--train", "--pacing-cl", "0.25"}, nullptr, &CircuitModel::pacingCycleLength, nullptr, 0.25},
        Override{{"--train", "--first-coupling", "1.5"}, "--first-coupling 1.5 corrected to 1",
                 &CircuitModel::firstCouplingInterval, nullptr, 1},
        Override{{"--stimulus-site", "29"}, nullptr, nullptr, &CircuitModel::stimulusSite, 29},
        Override{{"--train"}, nullptr, nullptr, &CircuitModel::stimulationMode, 0}));

TEST_F(RunCommand, AValueTheModeDoesNotUseIsNoted)
{
    const CliResult r = runTool({"run", circuit, "-q", "--pacing-cl", "0.25"});
    ASSERT_EQ(r.code, kExitDone);
    EXPECT_TRUE(contains(r.err, "note: --pacing-cl is used by trains; this protocol uses single stimuli"))
        << r.err;
}

TEST_F(RunCommand, UsageErrorsStopBeforeAnythingIsWritten)
{
    const struct {
        std::vector<std::string> options;
        const char* message;
    } cases[] = {
        {{"--clock", "-1"}, "--clock: '-1' is not a number of digits with a decimal point"},
        {{"--clock", "1e-3"}, "--clock: '1e-3' is not a number of digits"},
        {{"--clock", "."}, "--clock: '.' is not a valid floating point value"},
        {{"--revolutions", "2.5"}, "--revolutions: '2.5' is not a whole number of digits"},
        {{"--stimulus-site", "0"}, "--stimulus-site 0: the circuit has sites 1 to 29"},
        {{"--stimulus-site", "30"}, "--stimulus-site 30: the circuit has sites 1 to 29"},
        {{"--stimulus-site", "five"}, "--stimulus-site: 'five' is not a site number"},
        {{"--single", "--train"}, "--single and --train exclude each other"},
        {{"--on-warning", "ignore"}, "--on-warning takes continue or abort, not 'ignore'"},
        {{"--revolution", "5"}, "unknown option '--revolution'"},
        {{"--csv"}, "option '--csv' needs a value"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"run", circuit, "-o", folder.file("never.cir")};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliResult r = runTool(args);
        EXPECT_EQ(r.code, kExitUsage) << c.message;
        EXPECT_EQ(r.out, "");
        const std::vector<std::string> lines = linesOf(r.err);
        ASSERT_EQ(lines.size(), 2u) << r.err;
        EXPECT_TRUE(contains(lines[0], c.message)) << lines[0];
        EXPECT_EQ(lines[1], "Try 'quorel-cli run --help' for more information.");
        EXPECT_FALSE(fileExists(folder.file("never.cir"))) << c.message;
    }
    EXPECT_EQ(runTool({"run"}).err, "quorel-cli: run needs a circuit file\n"
                                    "Try 'quorel-cli run --help' for more information.\n");
    EXPECT_EQ(runTool({"run", circuit, circuit}).code, kExitUsage);
}

// --- warnings ----------------------------------------------------------------------

// One segment so slow that its conduction time exceeds the next site's ERP.
class RunWarnings : public RunCommand {
protected:
    std::string slow = newCircuit(folder, "slow.cir", {"--segment", "5:cv=0.01"});
};

TEST_F(RunWarnings, ContinuePrintsTheDialogOnceAndFinishesTheRun)
{
    const CliResult r = runTool({"run", slow, "--stimulus-site", "5"});
    ASSERT_EQ(r.code, kExitDone) << r.err;
    EXPECT_EQ(linesOf(r.out).size(), 6u);
    const std::vector<std::string> err = linesOf(r.err);
    ASSERT_EQ(err.size(), 5u) << r.err;
    EXPECT_EQ(err[0], "********** WARNING **********");
    EXPECT_EQ(err[1], "Conduction time from site5 to site6");
    EXPECT_EQ(err[2], "   is greater than the refractory period at site6");
    EXPECT_EQ(err[3], "This may allow reflection to occur");
    EXPECT_EQ(err[4], "quorel-cli: continuing; further warnings of this run are not shown");
    // "continue" is the default answer.
    EXPECT_EQ(runTool({"run", slow, "--stimulus-site", "5", "--on-warning", "continue"}).err, r.err);
}

TEST_F(RunWarnings, AbortEndsTheRunAndStillSavesAndExports)
{
    const CliResult r = runTool({"run", slow, "--stimulus-site", "5", "--on-warning", "abort", "-o",
                                 folder.file("a.cir"), "--csv", folder.file("a.csv")});
    EXPECT_EQ(r.code, kExitAborted);
    EXPECT_TRUE(contains(r.err, "Conduction time from site5 to site6\n"));
    EXPECT_TRUE(contains(r.err, "quorel-cli: run aborted at scan step 1 (--on-warning abort)\n"));
    EXPECT_TRUE(contains(r.err, "aborted by a warning after 0 of 6 scan steps"));
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(linesOf(readBytes(folder.file("a.csv"))).size(), 1u);   // the header alone
    CircuitSession saved;
    ASSERT_TRUE(saved.load(folder.file("a.cir")).loaded);
    ASSERT_EQ(saved.session().history.rows.size(), 1u);   // an aborted run has its row too
    EXPECT_EQ(saved.session().history.rows[0].mode, "Single");
}

// Decremental conduction on one segment: premature beats slow it until, at a shorter
// coupling interval, its conduction time passes a refractory period.
class LateWarning : public RunCommand {
protected:
    std::string decremental =
        newCircuit(folder, "late.cir", {"--segment", "5:cv=0.05", "--segment", "5:sf=0.5"});
};

TEST_F(LateWarning, AnAbortedRunKeepsItsCompletedStepsAndNoOlderOnes)
{
    // First a complete run of six steps is stored in the set.
    CliResult r = runTool({"run", decremental, "--stimulus-site", "8", "-q", "-o", folder.file("full.cir")});
    ASSERT_EQ(r.code, kExitDone) << r.err;
    r = runTool({"run", folder.file("full.cir"), "--on-warning", "abort", "-o", folder.file("part.cir"),
                 "--csv", folder.file("part.csv")});
    ASSERT_EQ(r.code, kExitAborted) << r.err;
    const std::size_t completed = linesOf(r.out).size();
    ASSERT_GE(completed, 1u) << "the warning no longer comes after the first step";
    ASSERT_LT(completed, 6u);
    EXPECT_TRUE(contains(r.err, "after " + std::to_string(completed) + " of 6 scan steps"));

    CircuitSession full, part;
    ASSERT_TRUE(full.load(folder.file("full.cir")).loaded);
    ASSERT_TRUE(part.load(folder.file("part.cir")).loaded);
    const RunResults& a = full.results();
    const RunResults& b = part.results();
    EXPECT_EQ(b.scanCount, 6);
    for (int s = 1; s <= 6; ++s) {
        const bool reached = s <= static_cast<int>(completed);
        // Steps before the warning are the same run; the others hold nothing, not the
        // steps of the run stored in the input set.
        EXPECT_EQ(b.ScanStepRecords[s].couplingInterval, reached ? a.ScanStepRecords[s].couplingInterval : 0.0) << s;
        for (int x = 1; x <= 29; ++x)
            EXPECT_EQ(b.SiteActivation[s][x][3].code, reached ? a.SiteActivation[s][x][3].code : 0.0) << s << " " << x;
    }
    EXPECT_EQ(linesOf(readBytes(folder.file("part.csv"))).size(), 1 + completed * 5 * 29);
    // The history keeps the stored row and gains the aborted run's.
    EXPECT_EQ(part.session().history.rows.size(), 2u);
}

// --- refusals ------------------------------------------------------------------------

TEST_F(RunCommand, ARedLampRefusesTheRunWithItsReasons)
{
    const std::string conflict = newCircuit(folder, "conflict.cir",
                                            {"--dead-end", "yes", "--second-dead-end", "yes", "--set", "deadEnd2Site=2"});
    const CliResult r = runTool({"run", conflict, "-o", folder.file("never.cir"), "--csv", folder.file("never.csv")});
    EXPECT_EQ(r.code, kExitCheckError);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, "quorel-cli: check error\n  two dead-end pathways cannot be connected to the same site\n");
    EXPECT_FALSE(fileExists(folder.file("never.cir")));
    EXPECT_FALSE(fileExists(folder.file("never.csv")));
}

TEST_F(RunCommand, FilesThatCannotBeReadGiveTheReadersMessage)
{
    CliResult r = runTool({"run", folder.file("gone.cir"), "-o", folder.file("never.cir")});
    EXPECT_EQ(r.code, kExitUsage);
    EXPECT_EQ(r.err, "quorel-cli: [" + folder.file("gone.cir") + "] doesn't exist\n");

    // A damaged keyword file would leave the protocol at its defaults: refused too.
    std::ofstream(folder.file("default.mo1"), std::ios::trunc) << "STIMULUS-SITE\r\nfive\r\n";
    r = runTool({"run", circuit, "-o", folder.file("never.cir")});
    EXPECT_EQ(r.code, kExitUsage);
    EXPECT_TRUE(contains(r.err, "default.mo1")) << r.err;
    EXPECT_EQ(r.out, "");
    EXPECT_FALSE(fileExists(folder.file("never.cir")));
}

TEST_F(RunCommand, OutputNamesAreSettledBeforeTheRun)
{
    const std::string before = readBytes(circuit);
    const struct {
        std::vector<std::string> options;
        const char* message;
    } cases[] = {
        {{"-o", folder.file("x.mo1")}, "the companion files would overwrite it"},
        {{"-o", folder.file("missing/x.cir")}, "does not exist"},
        {{"--csv", folder.file("missing/x.csv")}, "does not exist"},
        {{"--csv", circuit}, "would overwrite a file of the circuit set"},
        {{"--csv", folder.file("default.mo1")}, "would overwrite a file of the circuit set"},
        {{"-o", folder.file("y.cir"), "--csv", folder.file("y.mo3")}, "would overwrite a file of the circuit set"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"run", circuit};
        args.insert(args.end(), c.options.begin(), c.options.end());
        const CliResult r = runTool(args);
        EXPECT_EQ(r.code, kExitUsage) << c.message;
        EXPECT_EQ(r.out, "") << c.message;   // nothing ran
        EXPECT_TRUE(contains(r.err, c.message)) << r.err;
    }
    EXPECT_EQ(readBytes(circuit), before);
    EXPECT_FALSE(fileExists(folder.file("y.cir")));
}

}  // namespace
}  // namespace quorel::cli
