#include "command_line.h"


namespace quorel::cli {

bool ParsedCommand::has(const char* name) const
{
    return value(name) != nullptr;
}

const std::string* ParsedCommand::value(const char* name) const
{
    for (const ParsedOption& option : options)
        if (option.name == name)
            return &option.value;
    return nullptr;
}

namespace {

const OptionSpec* findSpec(std::span<const OptionSpec> specs, const std::string& name)
{
    for (const OptionSpec& spec : specs)
        if (name == spec.name)
            return &spec;
    return nullptr;
}

}  // namespace

ParseResult parseArguments(std::span<const std::string> words, std::span<const OptionSpec> specs)
{
    ParseResult result;
    bool optionsEnded = false;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::string& word = words[i];
        if (optionsEnded || word.size() < 2 || word[0] != '-') {
            result.command.operands.push_back(word);
            continue;
        }
        if (word == "--") {
            optionsEnded = true;
            continue;
        }
        std::string name = word;
        std::string inlineValue;
        bool hasInlineValue = false;
        if (const auto eq = word.find('='); word.rfind("--", 0) == 0 && eq != std::string::npos) {
            name = word.substr(0, eq);
            inlineValue = word.substr(eq + 1);
            hasInlineValue = true;
        }
        const OptionSpec* spec = findSpec(specs, name);
        if (spec == nullptr) {
            result.error = "unknown option '" + name + "'";
            return result;
        }
        if (!spec->repeatable && result.command.has(spec->name)) {
            result.error = "option '" + name + "' is given twice";
            return result;
        }
        ParsedOption option{name, {}};
        if (spec->takesValue) {
            if (hasInlineValue) {
                option.value = inlineValue;
            } else if (i + 1 < words.size()) {
                option.value = words[++i];
            } else {
                result.error = "option '" + name + "' needs a value";
                return result;
            }
            if (option.value.empty()) {
                result.error = "option '" + name + "' needs a value";
                return result;
            }
        } else if (hasInlineValue) {
            result.error = "option '" + name + "' takes no value";
            return result;
        }
        result.command.options.push_back(std::move(option));
    }
    return result;
}

}  // namespace quorel::cli
