// The built quorel-cli as a process: exit codes and the streams they come with.
#include "cli_test_support.h"

namespace quorel::cli {
namespace {

using namespace testing;

TEST(Executable, ExitCodesOfEveryOutcome)
{
    ScratchFolder folder;
    const std::string plain = newCircuit(folder, "plain.cir");
    const std::string red = newCircuit(folder, "red.cir",
                                       {"--dead-end", "yes", "--second-dead-end", "yes", "--set", "deadEnd2Site=2"});
    const std::string slow = newCircuit(folder, "slow.cir", {"--segment", "5:cv=0.01"});
    const struct {
        std::vector<std::string> args;
        int code;
        const char* inOut;   // expected in stdout
        const char* inErr;   // expected in stderr
    } cases[] = {
        {{"--version"}, kExitDone, "Quorel 2.645\n", ""},
        {{"--help"}, kExitDone, "quorel-cli run CIRCUIT.cir", ""},
        {{"run", "--help"}, kExitDone, "--on-warning ANSWER", ""},
        {{"run", plain, "--stimulus-site", "5", "-q"}, kExitDone, "", ""},
        {{"check", plain}, kExitDone, "status lamp: blue", ""},
        {{"describe", plain}, kExitDone, "from site 1 to 2", ""},
        {{}, kExitUsage, "", "no command given"},
        {{"simulate", plain}, kExitUsage, "", "unknown command 'simulate'"},
        {{"--verbose"}, kExitUsage, "", "unknown option '--verbose'"},
        {{"run", plain, "--clock"}, kExitUsage, "", "option '--clock' needs a value"},
        {{"run", plain, "--stimulus-site", "99"}, kExitUsage, "", "the circuit has sites 1 to 29"},
        {{"run", folder.file("none.cir")}, kExitUsage, "", "doesn't exist"},
        {{"run", plain, "-o", folder.file("no/such/x.cir")}, kExitUsage, "", "does not exist"},
        {{"check", red}, kExitCheckError, "status lamp: red", "check error"},
        {{"run", red}, kExitCheckError, "", "two dead-end pathways cannot be connected to the same site"},
        {{"run", slow, "--stimulus-site", "5", "--on-warning", "abort"}, kExitAborted, "",
         "********** WARNING **********"},
        {{"run", slow, "--stimulus-site", "5"}, kExitDone, "step 6/6: ", "********** WARNING **********"},
    };
    for (const auto& c : cases) {
        const CliResult r = runExecutable(folder, c.args);
        const std::string label = c.args.empty() ? "(nothing)" : c.args.front() + " " + c.inErr;
        EXPECT_EQ(r.code, c.code) << label << "\n" << r.err;
        EXPECT_TRUE(contains(r.out, c.inOut)) << label << "\n" << r.out;
        if (*c.inErr == '\0')
            EXPECT_EQ(r.err, "") << label;
        else
            EXPECT_TRUE(contains(r.err, c.inErr)) << label << "\n" << r.err;
    }
}

TEST(Executable, UsageErrorsEndWithAOneLineHint)
{
    ScratchFolder folder;
    const CliResult r = runExecutable(folder, {"describe"});
    EXPECT_EQ(r.code, kExitUsage);
    EXPECT_EQ(r.err, "quorel-cli: describe needs a circuit file\n"
                     "Try 'quorel-cli describe --help' for more information.\n");
    EXPECT_EQ(r.out, "");
}

}  // namespace
}  // namespace quorel::cli
