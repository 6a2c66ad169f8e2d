// quorel-cli sweep: the protocol of a circuit set from every listed stimulus site, one
// run per site on worker threads, with the measures and the class of each site.
#include "analysis_output.h"
#include "circuit_session.h"
#include "command_line.h"
#include "commands.h"
#include "output_paths.h"
#include "page_text.h"
#include "protocol_options.h"
#include "site_list.h"

#include "analysis/sweep.h"
#include "persistence/atomic_write.h"
#include "text/number_text.h"

#include <algorithm>
#include <ostream>

namespace quorel::cli {

namespace {

std::vector<OptionSpec> sweepOptionSpecs()
{
    std::vector<OptionSpec> specs;
    // Every protocol option of run but the stimulus site, which the sweep varies.
    for (const OptionSpec& spec : protocolOptionSpecs())
        if (std::string(spec.name) != "--stimulus-site")
            specs.push_back(spec);
    specs.push_back({"--sites", true});
    specs.push_back({"--jobs", true});
    specs.push_back({"--on-warning", true});
    specs.push_back({"--engine", true});
    specs.push_back({"--csv", true});
    specs.push_back({"-q", false});
    return specs;
}

// "site 12 done (7/40)" on a terminal, rewritten in place.
class SweepProgress {
public:
    explicit SweepProgress(CliIo& io, bool enabled) : io_(io), enabled_(enabled && io.seconds != nullptr)
    {
        if (enabled_)
            start_ = io_.seconds();
    }
    void siteFinished(int site, int done, int total)
    {
        if (!enabled_ || io_.seconds() - start_ < 0.5)
            return;
        shown_ = true;
        io_.err << "\r\033[Ksite" << site << " done (" << done << "/" << total << ")" << std::flush;
    }
    void clear()
    {
        if (shown_)
            io_.err << "\r\033[K" << std::flush;
        shown_ = false;
    }

private:
    CliIo& io_;
    bool enabled_;
    double start_ = 0.0;
    bool shown_ = false;
};

}  // namespace

int sweepCommand(std::span<const std::string> words, CliIo& io)
{
    const std::vector<OptionSpec> specs = sweepOptionSpecs();
    const ParseResult parsed = parseArguments(words, specs);
    if (!parsed.ok())
        return usageError(io, parsed.error, "sweep");
    const ParsedCommand& command = parsed.command;
    if (command.operands.size() != 1)
        return usageError(
            io, command.operands.empty() ? "sweep needs a circuit file" : "sweep takes one circuit file",
            "sweep");
    const std::string& circuitPath = command.operands[0];

    SweepOptions options;
    if (const std::string* answer = command.value("--on-warning")) {
        if (*answer != "continue" && *answer != "abort")
            return usageError(io, "--on-warning takes continue or abort, not '" + *answer + "'", "sweep");
        options.abortOnWarning = *answer == "abort";
    }
    if (const std::string* kind = command.value("--engine")) {
        if (*kind != "tick" && *kind != "event")
            return usageError(io, "--engine takes tick or event, not '" + *kind + "'", "sweep");
        options.engine = *kind == "tick" ? EngineKind::Tick : EngineKind::Event;
    }
    if (const std::string* jobs = command.value("--jobs")) {
        const auto count = parseInteger(*jobs);
        if (!count || jobs->find_first_not_of("0123456789") != std::string::npos || *count < 1)
            return usageError(io, "--jobs takes a number of threads of 1 or more, not '" + *jobs + "'",
                              "sweep");
        options.jobs = *count;
    }
    const std::string* csvPath = command.value("--csv");
    if (const std::string problem = outputPathProblem(circuitPath, nullptr, csvPath); !problem.empty()) {
        io.err << "quorel-cli: " << problem << '\n';
        return kExitUsage;
    }

    CircuitSession session;
    if (!loadForCommand(session, circuitPath, io))
        return kExitUsage;
    if (const std::string error = applyProtocolOptions(command, session, io); !error.empty())
        return usageError(io, error, "sweep");
    const CircuitModel& m = session.model();
    const std::string* sitesText = command.value("--sites");
    const SiteListResult sites = parseSiteList(sitesText ? *sitesText : "all", m.totalSiteCount);
    if (!sites.error.empty())
        return usageError(io, sites.error, "sweep");
    options.sites = sites.sites;

    const CircuitCheckReport check = runCircuitCheck(session.model());
    if (check.lamp == LampState::Red) {
        io.err << "quorel-cli: check error\n";
        for (const std::string& reason : checkErrorReasons(check, m.deadEndConflict == 1))
            io.err << "  " << reason << '\n';
        return kExitCheckError;
    }

    const bool quiet = command.has("-q");
    SweepProgress progress(io, io.stderrIsTerminal && !quiet);
    SweepControl control;
    control.siteFinished = [&progress](int site, int done, int total) {
        progress.siteFinished(site, done, total);
    };
    const std::vector<SweepSiteResult> rows = runSweep(m, options, control);
    progress.clear();

    const bool train = m.stimulationMode == 0;
    if (!quiet)
        for (const std::string& line : sweepLines(rows, train))
            io.out << line << '\n';
    io.out.flush();

    int exitCode = kExitDone;
    int aborted = 0;
    for (const SweepSiteResult& row : rows) {
        aborted += row.status == SweepSiteStatus::Aborted ? 1 : 0;
        if (row.status == SweepSiteStatus::Refused) {
            io.err << "quorel-cli: site" << row.site << " cannot be run from this circuit\n";
            exitCode = kExitUsage;
        }
    }
    if (aborted > 0) {
        io.err << "quorel-cli: " << aborted << " of " << rows.size()
               << " runs aborted by a warning (--on-warning abort)\n";
        exitCode = kExitAborted;
    }
    if (csvPath) {
        if (auto problem = writeFileAtomically(*csvPath, formatSweepCsv(rows, train))) {
            io.err << "quorel-cli: " << problemMessage(*problem) << '\n';
            exitCode = kExitUsage;
        }
    }
    return exitCode;
}

}  // namespace quorel::cli
