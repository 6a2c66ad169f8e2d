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
        const char* inOut;
        const char* inErr;   // "": stderr stays empty
    } cases[] = {
        {{"--version"}, kExitDone, "Quorel 2.645\n", ""},
        {{"--help"}, kExitDone, "quorel-cli run CIRCUIT.cir", ""},
        {{"run", "--help"}, kExitDone, "--on-warning ANSWER", ""},
        {{"run", plain, "--stimulus-site", "5"}, kExitDone, "step 6/6: ", ""},
        {{"check", plain}, kExitDone, "status lamp: blue", ""},
        {{}, kExitUsage, "", "no command given"},
        {{"simulate", plain}, kExitUsage, "", "unknown command 'simulate'\nTry 'quorel-cli --help'"},
        {{"run", plain, "--clock"}, kExitUsage, "", "option '--clock' needs a value\nTry 'quorel-cli run --help'"},
        {{"run", folder.file("none.cir")}, kExitUsage, "", "doesn't exist"},
        {{"check", red}, kExitCheckError, "status lamp: red", "check error"},
        {{"run", red}, kExitCheckError, "", "two dead-end pathways cannot be connected to the same site"},
        {{"run", slow, "--stimulus-site", "5", "--on-warning", "abort"}, kExitAborted, "", "** WARNING **"},
    };
    for (const auto& c : cases) {
        const CliResult r = runExecutable(folder, c.args);
        const std::string label = c.args.empty() ? "(no words)" : c.args.front() + " " + c.inErr;
        EXPECT_EQ(r.code, c.code) << label << "\n" << r.err;
        EXPECT_TRUE(contains(r.out, c.inOut)) << label << "\n" << r.out;
        EXPECT_TRUE(*c.inErr ? contains(r.err, c.inErr) : r.err.empty()) << label << "\n" << r.err;
    }
}

}  // namespace
}  // namespace quorel::cli
