#pragma once
// quorel-cli as a function: the words after the program name in, the exit code out.

#include "cli_io.h"

#include <span>
#include <string>

namespace quorel::cli {

int runCli(std::span<const std::string> args, CliIo& io);

// The text of --help, and of `quorel-cli COMMAND --help` for one command.
std::string helpText();
std::string commandHelpText(const std::string& command);
std::string versionText();

}  // namespace quorel::cli
