#pragma once
// The commands of quorel-cli. Each takes the words after its name and returns the
// exit code.

#include "cli_io.h"

#include "circuit_session.h"

#include <span>
#include <string>

namespace quorel::cli {

int runCommand(std::span<const std::string> words, CliIo& io);
int checkCommand(std::span<const std::string> words, CliIo& io);
int describeCommand(std::span<const std::string> words, CliIo& io);
int newCommand(std::span<const std::string> words, CliIo& io);
int sweepCommand(std::span<const std::string> words, CliIo& io);
int reportCommand(std::span<const std::string> words, CliIo& io);

// Loads the set as the window does and reports the reader's messages on io.err;
// true only when every file of the set was read (a damaged companion file would
// leave the protocol or the results silently at their defaults).
bool loadForCommand(CircuitSession& session, const std::string& path, CliIo& io);

// "quorel-cli: <message>" and the one-line hint; returns kExitUsage.
int usageError(CliIo& io, const std::string& message, const char* command = nullptr);

}  // namespace quorel::cli
