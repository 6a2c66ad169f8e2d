#pragma once
// Where the command-line tool writes and what it asks of its surroundings. main()
// binds these to the process; tests bind them to strings and a fake clock.

#include <functional>
#include <iosfwd>
#include <string>

namespace quorel::cli {

// Exit codes of quorel-cli.
constexpr int kExitDone = 0;
constexpr int kExitUsage = 2;        // usage error, or a file that cannot be read or written
constexpr int kExitCheckError = 3;   // the status lamp is red
constexpr int kExitAborted = 4;      // a run-time warning ended the run

struct CliIo {
    std::ostream& out;
    std::ostream& err;
    // The progress line is drawn only on a terminal.
    bool stderrIsTerminal = false;
    // Step messages on the same terminal wipe the progress line first.
    bool stdoutIsTerminal = false;
    // Seconds on a steady clock; the progress line waits a moment before it appears.
    std::function<double()> seconds;
    // The "time" column of the history row; local date and time when not set.
    std::function<std::string()> historyTime;
};

}  // namespace quorel::cli
