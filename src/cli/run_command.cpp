// quorel-cli run: load a circuit set, override its protocol, run it, save the set
// with its results and history row, and write the results as a table.
#include "analysis_output.h"
#include "circuit_session.h"
#include "cli_run_hooks.h"
#include "command_line.h"
#include "commands.h"
#include "csv_export.h"
#include "output_paths.h"
#include "page_text.h"
#include "protocol_options.h"

#include "engine/run_driver.h"
#include "persistence/atomic_write.h"
#include "persistence/keyword_file.h"

#include <ostream>

namespace quorel::cli {

namespace {

std::vector<OptionSpec> runOptionSpecs()
{
    std::vector<OptionSpec> specs = protocolOptionSpecs();
    specs.push_back({"--on-warning", true});
    specs.push_back({"--engine", true});
    specs.push_back({"-o", true});
    specs.push_back({"--csv", true});
    specs.push_back({"--analysis-csv", true});
    specs.push_back({"-q", false});
    return specs;
}

}  // namespace

int runCommand(std::span<const std::string> words, CliIo& io)
{
    const std::vector<OptionSpec> specs = runOptionSpecs();
    const ParseResult parsed = parseArguments(words, specs);
    if (!parsed.ok())
        return usageError(io, parsed.error, "run");
    const ParsedCommand& command = parsed.command;
    if (command.operands.size() != 1)
        return usageError(io, command.operands.empty() ? "run needs a circuit file"
                                                       : "run takes one circuit file",
                          "run");
    const std::string& circuitPath = command.operands[0];

    bool abortOnWarning = false;
    if (const std::string* answer = command.value("--on-warning")) {
        if (*answer != "continue" && *answer != "abort")
            return usageError(io, "--on-warning takes continue or abort, not '" + *answer + "'", "run");
        abortOnWarning = *answer == "abort";
    }
    // The event-driven loop gives the tick loop's results to the bit, only faster; the
    // tick loop stays available as the reference.
    EngineKind engine = EngineKind::Event;
    if (const std::string* kind = command.value("--engine")) {
        if (*kind != "tick" && *kind != "event")
            return usageError(io, "--engine takes tick or event, not '" + *kind + "'", "run");
        engine = *kind == "tick" ? EngineKind::Tick : EngineKind::Event;
    }
    const std::string* savePath = command.value("-o");
    const std::string* csvPath = command.value("--csv");
    // Settled before the run, so that a long run is never lost to a bad name.
    if (const std::string problem = outputPathProblem(circuitPath, savePath, csvPath); !problem.empty()) {
        io.err << "quorel-cli: " << problem << '\n';
        return kExitUsage;
    }
    const std::string* analysisCsvPath = command.value("--analysis-csv");
    if (analysisCsvPath) {
        if (const std::string problem = analysisCsvPathProblem(circuitPath, savePath, csvPath, *analysisCsvPath);
            !problem.empty()) {
            io.err << "quorel-cli: " << problem << '\n';
            return kExitUsage;
        }
    }

    CircuitSession session;
    if (!loadForCommand(session, circuitPath, io))
        return kExitUsage;
    if (const std::string error = applyProtocolOptions(command, session, io); !error.empty())
        return usageError(io, error, "run");

    CircuitModel& m = session.model();
    const CircuitCheckReport check = runCircuitCheck(m);
    if (check.lamp == LampState::Red) {
        io.err << "quorel-cli: check error\n";
        for (const std::string& reason : checkErrorReasons(check, m.deadEndConflict == 1))
            io.err << "  " << reason << '\n';
        return kExitCheckError;
    }
    if (const char* refusal = runRefusal(m)) {
        io.err << "quorel-cli: " << circuitPath << ": " << refusal << '\n';
        return kExitUsage;
    }

    // The output holds this run alone: no scan step of the run stored in the input
    // file is left behind in the steps an aborted run does not reach.
    RunResults& results = session.results();
    clearRunResults(results);
    RunHookOptions hookOptions;
    hookOptions.quiet = command.has("-q");
    hookOptions.abortOnWarning = abortOnWarning;
    hookOptions.scanCount = m.stimulationMode == 1
                                ? scanStepCount(m.estimatedCycleLength, m.scanDecrementMs)
                                : 1;
    CliRunHooks hooks(io, hookOptions, session.session());
    auto state = createRunState();
    const RunOutcome outcome = runProtocol(m, *state, results, hooks, engine);
    io.out.flush();
    const int completed = hooks.endReport() ? hooks.endReport()->completedSteps : 0;

    int exitCode = outcome == RunOutcome::Aborted ? kExitAborted : kExitDone;
    if (outcome == RunOutcome::Aborted)
        io.err << "quorel-cli: aborted by a warning after " << completed << " of "
               << state->scanCount << " scan steps\n";

    // The measures of resetting and entrainment, from the results just copied.
    if (!reportRunAnalysis(m, results, completed, hookOptions.quiet, analysisCsvPath, io))
        exitCode = kExitUsage;
    if (csvPath) {
        const std::string text = formatResultsCsv(results, completed, m.totalSiteCount);
        if (auto problem = writeFileAtomically(*csvPath, text)) {
            io.err << "quorel-cli: " << problemMessage(*problem) << '\n';
            exitCode = kExitUsage;
        }
    }
    if (savePath) {
        SessionState& set = session.session();
        set.saveFormat = 1;   // "(2) Original": the circuit file and its companions
        const SaveReport saved = saveCircuitSet(*savePath, m, results, set);
        for (const std::string& message : saved.messages())
            io.err << "quorel-cli: " << message << '\n';
        if (!saved.ok())
            exitCode = kExitUsage;
    }
    return exitCode;
}

}  // namespace quorel::cli
