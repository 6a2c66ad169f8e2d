// quorel-cli sweep on the examples: a row per site, the same whatever --jobs, and the
// site lists and refusals.
#include "cli_test_support.h"
#include "site_list.h"

namespace quorel::cli {
namespace {

using namespace testing;

const std::vector<std::string> kEntrainingTrain{"--train", "--pacing-cl", "0.23", "--train-stimuli", "25"};

std::vector<std::string> sweepArgs(const std::string& circuit, std::vector<std::string> extra)
{
    std::vector<std::string> args{"sweep", circuit};
    args.insert(args.end(), extra.begin(), extra.end());
    return args;
}

TEST(SweepCommand, ClassesEverySiteOfATrainTheSameWithOneOrTwoJobs)
{
    ScratchFolder folder;
    std::vector<std::string> options = kEntrainingTrain;
    for (const char* word : {"--sites", "1,5,12,17,24"})
        options.push_back(word);
    std::vector<std::string> one = sweepArgs(examplePath("default.cir"), options);
    std::vector<std::string> two = one;
    for (const char* word : {"--jobs", "1", "--csv"})
        one.push_back(word);
    one.push_back(folder.file("one.csv"));
    for (const char* word : {"--jobs", "2", "--csv"})
        two.push_back(word);
    two.push_back(folder.file("two.csv"));
    const CliResult a = runTool(one);
    const CliResult b = runTool(two);
    ASSERT_EQ(a.code, kExitDone) << a.err;
    ASSERT_EQ(b.code, kExitDone) << b.err;
    EXPECT_EQ(a.err, "");
    EXPECT_EQ(a.out, b.out);
    EXPECT_EQ(readBytes(folder.file("one.csv")), readBytes(folder.file("two.csv")));

    const std::vector<std::string> rows = linesOf(readBytes(folder.file("one.csv")));
    ASSERT_EQ(rows.size(), 6u);
    EXPECT_TRUE(rows[0].starts_with("site,status,warnings,stimuli,captured,")) << rows[0];
    const char* const sites[] = {"1", "5", "12", "17", "24"};
    const char* const classes[] = {"not entrained", "inner loop", "central isthmus", "exit", "outer loop"};
    for (std::size_t i = 0; i < 5; ++i) {
        EXPECT_TRUE(rows[i + 1].starts_with(std::string(sites[i]) + ",done,0,")) << rows[i + 1];
        EXPECT_TRUE(rows[i + 1].ends_with(std::string(",") + classes[i])) << rows[i + 1];
    }
    const std::vector<std::string> table = linesOf(a.out);
    ASSERT_EQ(table.size(), 6u);
    EXPECT_TRUE(table[0].starts_with("site  ")) << table[0];
    EXPECT_TRUE(contains(table[3], "central isthmus")) << table[3];
}

TEST(SweepCommand, SummarisesTheScanOfEverySiteOfTheProtocol)
{
    ScratchFolder folder;
    // The example's protocol: single stimuli in 50 ms steps, six steps per site.
    const CliResult r = runTool(
        sweepArgs(examplePath("dead-end.cir"), {"--sites", "5,30-31", "-q", "--csv", folder.file("s.csv")}));
    ASSERT_EQ(r.code, kExitDone) << r.err;
    EXPECT_EQ(r.out, "");
    const std::vector<std::string> rows = linesOf(readBytes(folder.file("s.csv")));
    ASSERT_EQ(rows.size(), 4u);
    EXPECT_EQ(rows[0],
              "site,status,warnings,steps,captured_steps,reset_steps,terminated_steps,"
              "shortest_return_cycle_s,longest_return_cycle_s,resetting_curve,cycle_length_s,"
              "measured_cycle_length_s,class");
    // Site 5 lies in the inner loop: its two captures return after one revolution.
    EXPECT_TRUE(rows[1].starts_with("5,done,0,6,2,2,0,")) << rows[1];
    EXPECT_TRUE(contains(rows[1], ",flat,")) << rows[1];
    EXPECT_TRUE(rows[1].ends_with(",not classified")) << rows[1];
    EXPECT_TRUE(rows[2].starts_with("30,done,0,6,")) << rows[2];
    EXPECT_TRUE(rows[3].starts_with("31,done,0,6,")) << rows[3];
}

TEST(SweepCommand, RefusesWhatItCannotRun)
{
    ScratchFolder folder;
    const std::string plain = newCircuit(folder, "plain.cir");
    const std::string red = newCircuit(
        folder, "red.cir", {"--dead-end", "yes", "--second-dead-end", "yes", "--set", "deadEnd2Site=2"});
    const struct {
        std::vector<std::string> args;
        int code;
        const char* inErr;
    } cases[] = {
        {{"sweep"}, kExitUsage, "sweep needs a circuit file"},
        {{"sweep", plain, "--sites", "0-5"}, kExitUsage, "--sites 0-5: the circuit has sites 1 to 29"},
        {{"sweep", plain, "--sites", "30"}, kExitUsage, "--sites 30: the circuit has sites 1 to 29"},
        {{"sweep", plain, "--sites", "9-3"}, kExitUsage, "--sites 9-3: the range runs backwards"},
        {{"sweep", plain, "--sites", "2,x"}, kExitUsage, "--sites: 'x' is not a site"},
        {{"sweep", plain, "--jobs", "0"}, kExitUsage, "--jobs takes a number of threads of 1 or more"},
        {{"sweep", plain, "--stimulus-site", "5"}, kExitUsage, "unknown option '--stimulus-site'"},
        {{"sweep", plain, "--csv", folder.file("no/s.csv")}, kExitUsage, "the folder"},
        {{"sweep", red}, kExitCheckError, "check error"},
    };
    for (const auto& c : cases) {
        const CliResult r = runTool(c.args);
        EXPECT_EQ(r.code, c.code) << c.inErr;
        EXPECT_EQ(r.out, "") << c.inErr;
        EXPECT_TRUE(contains(r.err, c.inErr)) << r.err;
    }
}

TEST(SweepCommand, AsAProcessAnswersHelpAndReportsAbortedRuns)
{
    ScratchFolder folder;
    const std::string slow = newCircuit(folder, "slow.cir", {"--segment", "5:cv=0.01"});
    CliResult r = runExecutable(folder, {"sweep", "--help"});
    EXPECT_EQ(r.code, kExitDone);
    EXPECT_TRUE(contains(r.out, "--sites LIST")) << r.out;
    r = runExecutable(folder, {"sweep", slow, "--sites", "5-6", "--on-warning", "abort", "--jobs", "2"});
    EXPECT_EQ(r.code, kExitAborted) << r.err;
    EXPECT_TRUE(contains(r.err, "2 of 2 runs aborted by a warning")) << r.err;
    EXPECT_EQ(linesOf(r.out).size(), 3u) << r.out;
}

struct SiteListCase {
    const char* name;
    const char* text;
    std::vector<int> sites;
};

class SiteLists : public ::testing::TestWithParam<SiteListCase> { };

TEST_P(SiteLists, KeepTheOrderGivenAndEachSiteOnce)
{
    const SiteListResult result = parseSiteList(GetParam().text, 12);
    EXPECT_EQ(result.error, "");
    EXPECT_EQ(result.sites, GetParam().sites);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, SiteLists,
    ::testing::Values(SiteListCase{"OneSite", "4", {4}}, SiteListCase{"Range", "1-3", {1, 2, 3}},
                      SiteListCase{"Overlapping", "9-10,2,10-12", {9, 10, 2, 11, 12}},
                      SiteListCase{"All", "all", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(SiteLists, RefuseEmptyItemsAndSigns)
{
    for (const char* text : {"", "3,", "-3", "3-", "+3", "2 - 4", "1-2-3"})
        EXPECT_NE(parseSiteList(text, 12).error, "") << text;
}

}  // namespace
}  // namespace quorel::cli
