#pragma once
// Helpers of the quorel-cli tests: a scratch folder, the tool in-process with its
// output captured or as a process, and a reference run straight through the engine.

#include "circuit_session.h"
#include "cli_app.h"

#include "engine/run_driver.h"
#include "support/scratch_folder.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace quorel::cli::testing {

using quorel::testing::fileExists;
using quorel::testing::readBytes;
using quorel::testing::ScratchFolder;

inline bool contains(const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; }
inline std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}
// The step messages of a run's output, without the measures printed after them.
inline std::vector<std::string> stepLinesOf(const std::string& text)
{
    std::vector<std::string> lines;
    for (std::string& line : linesOf(text))
        if (line.rfind("step ", 0) == 0 && line.find(": ") != std::string::npos)
            lines.push_back(std::move(line));
    return lines;
}
inline std::string examplePath(const std::string& name) { return std::string(QUOREL_SOURCE_DIR) + "/examples/" + name; }

struct CliResult {
    int code = -1;
    std::string out, err;
};

// quorel-cli in-process: not a terminal, a fixed history time.
inline CliResult runTool(std::vector<std::string> args)
{
    std::ostringstream out, err;
    CliIo io{out, err, false, false, {}, [] { return std::string("2024/01/02 03:04:05"); }};
    CliResult result;
    result.code = runCli(args, io);
    result.out = out.str();
    result.err = err.str();
    return result;
}

// A circuit set written by `quorel-cli new` with the given options.
inline std::string newCircuit(const ScratchFolder& folder, const std::string& name,
                              std::vector<std::string> options = {})
{
    std::vector<std::string> args{"new", folder.file(name), "-q"};
    args.insert(args.end(), options.begin(), options.end());
    const CliResult made = runTool(args);
    EXPECT_EQ(made.code, kExitDone) << made.err;
    return folder.file(name);
}

inline std::string shellQuoted(const std::string& word)
{
    std::string quoted = "'";
    for (char c : word)
        quoted += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return quoted + "'";
}

// The built executable as a process.
inline CliResult runExecutable(const ScratchFolder& folder, const std::vector<std::string>& args)
{
    std::string command = shellQuoted(QUOREL_CLI_PATH);
    for (const std::string& arg : args)
        command += " " + shellQuoted(arg);
    command += " >" + shellQuoted(folder.file("stdout.txt")) + " 2>" + shellQuoted(folder.file("stderr.txt"));
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, readBytes(folder.file("stdout.txt")),
            readBytes(folder.file("stderr.txt"))};
}

class StepRecorder : public RunHooks {
public:
    std::vector<ScanStepReport> steps;
    void scanStepFinished(const ScanStepReport& report) override { steps.push_back(report); }
};

// The set loaded, `adjust` applied, and run straight through the engine.
struct ReferenceRun {
    StepRecorder hooks;
    std::unique_ptr<RunResults> results = createRunResults();
    int siteCount = 0;
};
template <typename Adjust>
std::unique_ptr<ReferenceRun> referenceRun(const std::string& path, Adjust adjust)
{
    auto run = std::make_unique<ReferenceRun>();
    CircuitSession session;
    EXPECT_TRUE(session.load(path).loaded) << path;
    adjust(session);
    auto state = createRunState();
    EXPECT_EQ(runProtocol(session.model(), *state, *run->results, run->hooks), RunOutcome::Completed);
    run->siteCount = session.model().totalSiteCount;
    return run;
}

inline std::vector<std::string> splitFields(const std::string& line)
{
    std::vector<std::string> fields;
    std::istringstream in(line);
    for (std::string field; std::getline(in, field, ',');)
        fields.push_back(field);
    return fields;
}

inline double exactReal(const std::string& text)
{
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(result.ec == std::errc() && result.ptr == text.data() + text.size()) << text;
    return value;
}

}  // namespace quorel::cli::testing
