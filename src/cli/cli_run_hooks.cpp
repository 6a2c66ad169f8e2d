#include "cli_run_hooks.h"

#include <ostream>

namespace quorel::cli {

CliRunHooks::CliRunHooks(CliIo& io, RunHookOptions options, SessionState& session)
    : io_(io),
      options_(options),
      session_(session),
      progress_(io.err, io.stderrIsTerminal && !options.quiet, io.seconds)
{
}

std::vector<std::string> stepMessageLines(const ScanStepReport& report)
{
    const std::string prefix =
        "step " + std::to_string(report.scanStep) + "/" + std::to_string(report.scanCount) + ": ";
    std::vector<std::string> lines{prefix + report.LabelRes1};
    const auto first = report.LabelRes2.find_first_not_of(' ');
    if (first != std::string::npos)
        lines.push_back(prefix + report.LabelRes2.substr(first));
    return lines;
}

void CliRunHooks::scanStepStarting(int scanStep)
{
    // The line is drawn from the status time, which follows at once.
    scanStep_ = scanStep;
}

void CliRunHooks::scanStepFinished(const ScanStepReport& report)
{
    if (options_.quiet)
        return;
    if (io_.stdoutIsTerminal)
        progress_.clear();
    for (const std::string& line : stepMessageLines(report))
        io_.out << line << '\n';
    io_.out.flush();
}

void CliRunHooks::statusTimeChanged(double currentTime)
{
    progress_.update(scanStep_, options_.scanCount, currentTime);
}

WarningAnswer CliRunHooks::runWarning(const RunWarning& warning)
{
    ++warningCount_;
    progress_.clear();
    io_.out.flush();
    const WarningTexts texts = warningTexts(warning);
    for (const std::string* label : {&texts.Label1, &texts.Label2, &texts.Label3, &texts.Label4,
                                     &texts.Label5})
        if (!label->empty())
            io_.err << *label << '\n';
    if (options_.abortOnWarning) {
        io_.err << "quorel-cli: run aborted at scan step " << warning.scanStep
                << " (--on-warning abort)\n";
        return WarningAnswer::StartOver;
    }
    io_.err << "quorel-cli: continuing; further warnings of this run are not shown\n";
    return WarningAnswer::Continue;
}

void CliRunHooks::runEnded(const RunEndReport& report)
{
    progress_.clear();
    end_ = report;
    session_.history.rows.push_back(report.historyRow);
}

std::string CliRunHooks::historyTimeText()
{
    return io_.historyTime ? io_.historyTime() : RunHooks::historyTimeText();
}

}  // namespace quorel::cli
