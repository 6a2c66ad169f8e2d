// quorel-cli check and quorel-cli describe: the pages "check" and "circuit" of a
// loaded circuit set, as text.
#include "circuit_session.h"
#include "command_line.h"
#include "commands.h"
#include "page_text.h"

#include <ostream>

namespace quorel::cli {

namespace {

// The one operand of a command without options; an empty text when the words fit.
std::string singleCircuitOperand(std::span<const std::string> words, const char* command,
                                 std::string& path)
{
    const ParseResult parsed = parseArguments(words, {});
    if (!parsed.ok())
        return parsed.error;
    if (parsed.command.operands.size() != 1)
        return std::string(command) + (parsed.command.operands.empty() ? " needs a circuit file"
                                                                       : " takes one circuit file");
    path = parsed.command.operands[0];
    return {};
}

}  // namespace

int checkCommand(std::span<const std::string> words, CliIo& io)
{
    std::string path;
    if (const std::string error = singleCircuitOperand(words, "check", path); !error.empty())
        return usageError(io, error, "check");
    CircuitSession session;
    if (!loadForCommand(session, path, io))
        return kExitUsage;
    CircuitModel& m = session.model();
    const CircuitCheckReport report = runCircuitCheck(m);
    io.out << "status lamp: " << lampName(report.lamp) << '\n';
    for (const std::string& line : checkPageLines(report, m.deadEndConflict == 1))
        io.out << line << '\n';
    io.out.flush();
    if (report.lamp == LampState::Red) {
        io.err << "quorel-cli: check error\n";
        return kExitCheckError;
    }
    return kExitDone;
}

int describeCommand(std::span<const std::string> words, CliIo& io)
{
    std::string path;
    if (const std::string error = singleCircuitOperand(words, "describe", path); !error.empty())
        return usageError(io, error, "describe");
    CircuitSession session;
    if (!loadForCommand(session, path, io))
        return kExitUsage;
    for (const std::string& line : describeLines(session.model()))
        io.out << line << '\n';
    io.out.flush();
    return kExitDone;
}

}  // namespace quorel::cli
