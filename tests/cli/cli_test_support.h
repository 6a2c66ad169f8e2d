#pragma once
// Helpers of the quorel-cli tests: a scratch folder, the tool run in-process with
// its output captured, and the tool run as a process.

#include "cli_app.h"
#include "cli_io.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <sstream>
#include <stdexcept>
#include <string>
#include <vector>

#include <sys/wait.h>

namespace quorel::cli::testing {

class ScratchFolder {
public:
    ScratchFolder()
    {
        std::string pattern = (std::filesystem::temp_directory_path() / "quorel-cli-XXXXXX").string();
        if (!::mkdtemp(pattern.data()))
            throw std::runtime_error("cannot create a scratch folder");
        path_ = pattern;
    }
    ~ScratchFolder()
    {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;
    std::string file(const std::string& name) const { return (path_ / name).string(); }

private:
    std::filesystem::path path_;
};

inline std::string readBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

inline bool fileExists(const std::string& path)
{
    return std::filesystem::exists(path);
}

inline std::vector<std::string> linesOf(const std::string& text)
{
    std::vector<std::string> lines;
    std::istringstream in(text);
    for (std::string line; std::getline(in, line);)
        lines.push_back(line);
    return lines;
}

inline bool contains(const std::string& text, const std::string& part)
{
    return text.find(part) != std::string::npos;
}

struct CliResult {
    int code = -1;
    std::string out;
    std::string err;
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

// A circuit set written by `quorel-cli new` with the given options; fails the test
// when the tool does not save it.
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

// The built executable as a process; stdout and stderr go to files of `folder`.
inline CliResult runExecutable(const ScratchFolder& folder, const std::vector<std::string>& args)
{
    std::string command = shellQuoted(QUOREL_CLI_PATH);
    for (const std::string& arg : args)
        command += " " + shellQuoted(arg);
    const std::string outPath = folder.file("stdout.txt");
    const std::string errPath = folder.file("stderr.txt");
    command += " >" + shellQuoted(outPath) + " 2>" + shellQuoted(errPath) + " </dev/null";
    const int status = std::system(command.c_str());
    CliResult result;
    result.code = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.out = readBytes(outPath);
    result.err = readBytes(errPath);
    return result;
}

inline std::string examplePath(const std::string& name)
{
    return std::string(QUOREL_SOURCE_DIR) + "/examples/" + name;
}

}  // namespace quorel::cli::testing
