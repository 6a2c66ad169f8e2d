// quorel-cli: run Quorel's protocols, checks and descriptions without a window.
#include "cli_app.h"

#include <chrono>
#include <iostream>
#include <string>
#include <vector>

#include <unistd.h>

int main(int argc, char** argv)
{
    std::vector<std::string> args(argv + 1, argv + argc);
    const auto start = std::chrono::steady_clock::now();
    quorel::cli::CliIo io{std::cout, std::cerr, false, false, {}, {}};
    io.stderrIsTerminal = isatty(STDERR_FILENO) == 1;
    io.stdoutIsTerminal = isatty(STDOUT_FILENO) == 1;
    io.seconds = [start] {
        return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    };
    const int code = quorel::cli::runCli(args, io);
    std::cout.flush();
    return code;
}
