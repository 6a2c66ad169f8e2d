// quorel-cli run: the step messages, the overrides through the boxes, the warnings
// and the refusals.
#include "cli_run_hooks.h"
#include "cli_test_support.h"

#include <cctype>
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
    const auto reference = referenceRun(circuit, [](CircuitSession& s) { s.form().ComboBoxSChange(4); });
    std::vector<std::string> expected;
    for (const ScanStepReport& step : reference->hooks.steps)
        for (const std::string& line : stepMessageLines(step))
            expected.push_back(line);
    const std::vector<std::string> lines = stepLinesOf(r.out);
    EXPECT_EQ(lines, expected);
    // Six steps from 2T = 0.5027 s down by 50 ms (T = 0.2513 s).
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_TRUE(std::regex_match(lines[0], std::regex(
        "step 1/6: (Stimulus|No stimulus) capture at coupling interval 0\\.5027 \\(0\\.2513\\) sec at site5")));
    EXPECT_TRUE(std::regex_match(lines[5], std::regex("step 6/6: .* 0\\.2527 \\(0\\.0013\\) sec at site5")));

    const CliResult train = runTool({"run", circuit, "--train", "--stimulus-site", "3", "--first-coupling", "0.25"});
    ASSERT_EQ(stepLinesOf(train.out).size(), 2u) << train.out;
    EXPECT_TRUE(std::regex_match(stepLinesOf(train.out)[0],
                                 std::regex("step 1/1: (Stimulus capture [1-5] / 5 times|No stimulus capture) at site3")));
    EXPECT_EQ(stepLinesOf(train.out)[1], "step 1/1: coupling interval of first beat = 0.2500 sec");
    EXPECT_EQ(runTool({"run", circuit, "--stimulus-site", "5", "-q"}).out, "");
}

TEST(StepMessages, TheNoteLineFollowsItsStepWithoutLeadingBlanks)
{
    ScanStepReport report;
    report.scanStep = 3;
    report.scanCount = 7;
    report.LabelRes1 = "Stimulus capture at coupling interval 0.4027 (0.1513) sec at site5";
    EXPECT_EQ(stepMessageLines(report).size(), 1u);
    report.LabelRes2 = "antidromic activation does not include sties past1";
    EXPECT_EQ(stepMessageLines(report), (std::vector<std::string>{
        "step 3/7: Stimulus capture at coupling interval 0.4027 (0.1513) sec at site5",
        "step 3/7: antidromic activation does not include sties past1"}));
    report.LabelRes2 = " coupling interval of first beat = 0.2000 sec";
    EXPECT_EQ(stepMessageLines(report)[1], "step 3/7: coupling interval of first beat = 0.2000 sec");
}

struct Override {
    std::vector<std::string> options;
    const char* reported;   // on stderr; nullptr: the value stands
    double CircuitModel::*real;
    int CircuitModel::*integer;
    double expected;
};
void PrintTo(const Override& o, std::ostream* os)
{
    for (const std::string& option : o.options)
        *os << option << ' ';
}
class Overrides : public RunCommand, public ::testing::WithParamInterface<Override> {};

TEST_P(Overrides, PassTheBoxLimitsAndReportCorrections)
{
    const Override& o = GetParam();
    std::vector<std::string> args{"run", circuit, "-q", "-o", folder.file("o.cir")};
    args.insert(args.end(), o.options.begin(), o.options.end());
    const CliResult r = runTool(args);
    ASSERT_EQ(r.code, kExitDone) << r.err;
    EXPECT_EQ(r.err, o.reported ? std::string("quorel-cli: ") + o.reported + "\n" : "");
    // The run used the value the box holds, and the saved protocol has it.
    CircuitSession saved;
    ASSERT_TRUE(saved.load(folder.file("o.cir")).loaded);
    EXPECT_DOUBLE_EQ(o.real ? saved.model().*o.real : saved.model().*o.integer, o.expected);
}

using M = CircuitModel;
INSTANTIATE_TEST_SUITE_P(
    RunCommand, Overrides,
    ::testing::Values(
        Override{{"--clock", "0.01"}, "--clock 0.01 corrected to 0.005 (clockStep, Edit19)",
                 &M::clockStep, nullptr, 0.005},
        Override{{"--clock", "0"}, "--clock 0 corrected to 0.0001 (clockStep, Edit19)",
                 &M::clockStep, nullptr, 0.0001},
        Override{{"--clock", "0.0020"}, nullptr, &M::clockStep, nullptr, 0.002},
        Override{{"--revolutions", "45"}, "--revolutions 45 corrected to 30 (revolutionCount, Edit20)",
                 nullptr, &M::revolutionCount, 30},
        Override{{"--decrement-ms", "0.5"}, "--decrement-ms 0.5 corrected to 1 (scanDecrementMs, Edit25)",
                 &M::scanDecrementMs, nullptr, 1},
        Override{{"--train", "--train-stimuli", "30"},
                 "--train-stimuli 30 corrected to 25 (trainStimulusCount, Edit21)", nullptr,
                 &M::trainStimulusCount, 25},
        Override{{"--train", "--pacing-cl", "1"}, "--pacing-cl 1 corrected to 0.99 (pacingCycleLength, Edit23)",
                 &M::pacingCycleLength, nullptr, 0.99},
        Override{{"--train", "--first-coupling", "1.5"},
                 "--first-coupling 1.5 corrected to 1 (firstCouplingInterval, Edit24)",
                 &M::firstCouplingInterval, nullptr, 1},
        Override{{"--pacing-cl", "0.25"}, "note: --pacing-cl is used by trains; this protocol uses single stimuli",
                 &M::pacingCycleLength, nullptr, 0.25},
        Override{{"--stimulus-site", "29", "--train"}, nullptr, nullptr, &M::stimulusSite, 29}),
    // "--clock 0.01" is named clock_0_01.
    [](const ::testing::TestParamInfo<Override>& info) {
        std::string name;
        for (const std::string& option : info.param.options) {
            if (!name.empty())
                name += '_';
            for (char c : option) {
                const bool keep = std::isalnum(static_cast<unsigned char>(c)) != 0;
                if (keep)
                    name += c;
                else if (!name.empty() && name.back() != '_')
                    name += '_';
            }
        }
        return name;
    });

TEST_F(RunCommand, UsageErrorsStopBeforeAnythingIsWritten)
{
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"--clock", "-1"}, "--clock: '-1' is not a number of digits with a decimal point"},
        {{"--clock", "1e-3"}, "--clock: '1e-3' is not a number of digits"},
        {{"--clock", "."}, "--clock: '.' is not a valid floating point value"},
        {{"--revolutions", "2.5"}, "--revolutions: '2.5' is not a whole number of digits"},
        {{"--stimulus-site", "0"}, "--stimulus-site 0: the circuit has sites 1 to 29"},
        {{"--stimulus-site", "30"}, "--stimulus-site 30: the circuit has sites 1 to 29"},
        {{"--stimulus-site", "five"}, "--stimulus-site: 'five' is not a site number"},
        {{"--single", "--train"}, "--single and --train exclude each other"},
        {{"--on-warning", "ignore"}, "--on-warning takes continue or abort, not 'ignore'"},
        {{circuit}, "run takes one circuit file"},
    };
    for (const auto& [options, message] : cases) {
        std::vector<std::string> args{"run", circuit, "-o", folder.file("never.cir")};
        args.insert(args.end(), options.begin(), options.end());
        const CliResult r = runTool(args);
        EXPECT_EQ(r.code, kExitUsage) << message;
        EXPECT_EQ(r.out, "");
        const std::vector<std::string> lines = linesOf(r.err);
        ASSERT_EQ(lines.size(), 2u) << r.err;
        EXPECT_TRUE(contains(lines[0], message)) << lines[0];
        EXPECT_EQ(lines[1], "Try 'quorel-cli run --help' for more information.");
        EXPECT_FALSE(fileExists(folder.file("never.cir"))) << message;
    }
}

// One segment so slow that its conduction time exceeds the next site's ERP.
TEST_F(RunCommand, WarningsPrintTheDialogAndContinueOrAbort)
{
    const std::string slow = newCircuit(folder, "slow.cir", {"--segment", "5:cv=0.01"});
    const char* const dialog = "********** WARNING **********\nConduction time from site5 to site6\n"
                               "   is greater than the refractory period at site6\nThis may allow reflection to occur\n";
    CliResult r = runTool({"run", slow, "--stimulus-site", "5"});
    ASSERT_EQ(r.code, kExitDone) << r.err;
    EXPECT_EQ(stepLinesOf(r.out).size(), 6u);
    // Once: "continue" silences the rest of the run.
    EXPECT_EQ(r.err, std::string(dialog) + "quorel-cli: continuing; further warnings of this run are not shown\n");

    r = runTool({"run", slow, "--stimulus-site", "5", "--on-warning", "abort", "-o", folder.file("a.cir"),
                 "--csv", folder.file("a.csv")});
    EXPECT_EQ(r.code, kExitAborted);
    EXPECT_EQ(r.out, "");
    EXPECT_EQ(r.err, std::string(dialog) + "quorel-cli: run aborted at scan step 1 (--on-warning abort)\n"
                                           "quorel-cli: aborted by a warning after 0 of 6 scan steps\n");
    EXPECT_EQ(linesOf(readBytes(folder.file("a.csv"))).size(), 1u);   // the header alone
    CircuitSession saved;
    ASSERT_TRUE(saved.load(folder.file("a.cir")).loaded);
    ASSERT_EQ(saved.session().history.rows.size(), 1u);   // an aborted run has its row too
}

// Decremental conduction on one segment: premature beats slow it until, at a shorter
// coupling interval, its conduction time passes a refractory period.
TEST_F(RunCommand, AnAbortedRunKeepsItsCompletedStepsAndNoneOfAnOlderRun)
{
    const std::string late = newCircuit(folder, "late.cir", {"--segment", "5:cv=0.05", "--segment", "5:sf=0.5"});
    CliResult r = runTool({"run", late, "--stimulus-site", "8", "-q", "-o", folder.file("full.cir")});
    ASSERT_EQ(r.code, kExitDone) << r.err;
    r = runTool({"run", folder.file("full.cir"), "--on-warning", "abort", "-o", folder.file("part.cir"),
                 "--csv", folder.file("part.csv")});
    ASSERT_EQ(r.code, kExitAborted) << r.err;
    const int completed = static_cast<int>(stepLinesOf(r.out).size());
    ASSERT_TRUE(completed >= 1 && completed < 6) << "the warning no longer comes after the first step";
    EXPECT_TRUE(contains(r.err, "after " + std::to_string(completed) + " of 6 scan steps"));

    CircuitSession full, part;
    ASSERT_TRUE(full.load(folder.file("full.cir")).loaded);
    ASSERT_TRUE(part.load(folder.file("part.cir")).loaded);
    EXPECT_EQ(part.results().scanCount, 6);
    for (int s = 1; s <= 6; ++s) {
        const bool reached = s <= completed;
        EXPECT_EQ(part.results().ScanStepRecords[s].couplingInterval,
                  reached ? full.results().ScanStepRecords[s].couplingInterval : 0.0) << s;
        for (int x = 1; x <= 29; ++x)
            EXPECT_EQ(part.results().SiteActivation[s][x][3].code,
                      reached ? full.results().SiteActivation[s][x][3].code : 0.0) << s << " " << x;
    }
    EXPECT_EQ(linesOf(readBytes(folder.file("part.csv"))).size(), 1u + completed * 5 * 29);
    EXPECT_EQ(part.session().history.rows.size(), 2u);   // the stored row and the aborted run's
}

TEST_F(RunCommand, RefusalsLeaveEveryFileAsItWas)
{
    const std::string conflict = newCircuit(folder, "conflict.cir",
        {"--dead-end", "yes", "--second-dead-end", "yes", "--set", "deadEnd2Site=2"});
    std::ofstream(folder.file("damaged.cir"), std::ios::binary) << readBytes(circuit);
    std::ofstream(folder.file("damaged.mo1"), std::ios::binary) << "STIMULUS-SITE\r\nfive\r\n";
    const std::string before = readBytes(circuit);
    const struct {
        std::vector<std::string> args;
        int code;
        std::string err;
    } cases[] = {
        {{conflict}, kExitCheckError, "quorel-cli: check error\n  two dead-end pathways cannot be connected to the same site\n"},
        {{folder.file("gone.cir")}, kExitUsage, "quorel-cli: [" + folder.file("gone.cir") + "] doesn't exist\n"},
        // A damaged keyword file would leave the protocol at its defaults.
        {{folder.file("damaged.cir")}, kExitUsage, "damaged.mo1"},
        {{circuit, "-o", folder.file("x.mo1")}, kExitUsage, "the companion files would overwrite it"},
        {{circuit, "-o", folder.file("missing/x.cir")}, kExitUsage, "does not exist"},
        {{circuit, "--csv", circuit}, kExitUsage, "would overwrite a file of the circuit set"},
        {{circuit, "-o", folder.file("never.cir"), "--csv", folder.file("never.mo3")}, kExitUsage, "would overwrite a file of the circuit set"},
    };
    for (const auto& c : cases) {
        std::vector<std::string> args{"run"};
        args.insert(args.end(), c.args.begin(), c.args.end());
        if (c.args.size() == 1)
            args.insert(args.end(), {"-o", folder.file("never.cir"), "--csv", folder.file("never.csv")});
        const CliResult r = runTool(args);
        EXPECT_EQ(r.code, c.code) << c.err;
        EXPECT_EQ(r.out, "") << c.err;   // nothing ran
        EXPECT_TRUE(c.err.back() == '\n' ? r.err == c.err : contains(r.err, c.err)) << r.err;
        EXPECT_FALSE(fileExists(folder.file("never.cir")) || fileExists(folder.file("never.csv"))) << c.err;
    }
    EXPECT_EQ(readBytes(circuit), before);
}

}  // namespace
}  // namespace quorel::cli
