// What every command shares: the usage error with its hint, and the load of a set.
#include "commands.h"

#include <ostream>

namespace quorel::cli {

int usageError(CliIo& io, const std::string& message, const char* command)
{
    io.err << "quorel-cli: " << message << '\n'
           << "Try 'quorel-cli " << (command ? std::string(command) + " " : std::string())
           << "--help' for more information.\n";
    return kExitUsage;
}

bool loadForCommand(CircuitSession& session, const std::string& path, CliIo& io)
{
    const LoadReport report = session.load(path);
    for (const std::string& message : report.messages())
        io.err << "quorel-cli: " << message << '\n';
    for (const std::string& correction : session.loadCorrections())
        io.err << "quorel-cli: note: [" << path << "] " << correction << " by the entry limits\n";
    return report.loaded && report.damaged.empty();
}

}  // namespace quorel::cli
