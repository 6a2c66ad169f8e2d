#pragma once
// The words after the command name: operands and options in the order given.
// Options take the forms "--name value", "--name=value" and "-o value"; "--" ends
// the options.

#include <span>
#include <string>
#include <vector>

namespace quorel::cli {

struct OptionSpec {
    const char* name;          // "--clock", "-o"
    bool takesValue = false;
    bool repeatable = false;
};

struct ParsedOption {
    std::string name;
    std::string value;
};

struct ParsedCommand {
    std::vector<std::string> operands;
    std::vector<ParsedOption> options;   // in the order given
    bool has(const char* name) const;
    // The value of the option, or nullptr when it was not given.
    const std::string* value(const char* name) const;
};

struct ParseResult {
    ParsedCommand command;
    std::string error;   // empty when the words were understood
    bool ok() const { return error.empty(); }
};

ParseResult parseArguments(std::span<const std::string> words, std::span<const OptionSpec> specs);

}  // namespace quorel::cli
