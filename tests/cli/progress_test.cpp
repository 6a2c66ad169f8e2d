// The progress line: only on a terminal, only after a moment, wiped before messages.
#include "cli_test_support.h"
#include "progress_line.h"

namespace quorel::cli {
namespace {

using namespace testing;

TEST(ProgressLine, AppearsAfterAMomentAndRedrawsAFewTimesASecond)
{
    std::ostringstream err;
    double now = 100.0;
    ProgressLine line(err, true, [&now] { return now; });
    ProgressLine off(err, false, [&now] { return now; });
    line.update(1, 6, 0.1);
    now += 0.4;
    line.update(1, 6, 0.2);
    EXPECT_EQ(err.str(), "");   // a short run never shows it
    now += 0.2;
    line.update(2, 6, 0.3);
    off.update(2, 6, 0.3);      // not a terminal
    now += 0.05;
    line.update(2, 6, 0.4);     // too soon
    now += 0.1;
    line.update(3, 6, 0.5);
    EXPECT_EQ(err.str(), "\r\033[Kscan step 2/6, time 0.3000 s\r\033[Kscan step 3/6, time 0.5000 s");
    line.clear();
    line.clear();               // nothing left to wipe
    EXPECT_TRUE(err.str().ends_with("s\r\033[K"));
}

TEST(ProgressLine, ARunOnATerminalWipesItBeforeEachMessageAndAtTheEnd)
{
    ScratchFolder folder;
    const std::string circuit = newCircuit(folder, "c.cir");
    for (const bool quiet : {false, true}) {
        std::ostringstream out, err;
        double now = 0.0;
        // Every reading of the clock is a second later: the line is drawn at once.
        CliIo io{out, err, true, true, [&now] { return now += 1.0; }, {}};
        std::vector<std::string> args{"run", circuit, "--stimulus-site", "5"};
        if (quiet)
            args.push_back("-q");
        ASSERT_EQ(runCli(args, io), kExitDone);
        if (quiet) {
            EXPECT_EQ(err.str(), "");
            continue;
        }
        EXPECT_TRUE(contains(err.str(), "scan step 1/6, time 0.1000 s")) << err.str();
        EXPECT_TRUE(contains(err.str(), "scan step 6/6, time ")) << err.str();
        EXPECT_TRUE(err.str().ends_with("\r\033[K"));
        EXPECT_EQ(stepLinesOf(out.str()).size(), 6u);
    }
}

}  // namespace
}  // namespace quorel::cli
