// The words after a command: operands, options in their order, and mistyped lines.
#include "cli_test_support.h"
#include "command_line.h"

namespace quorel::cli {
namespace {

const OptionSpec kSpecs[] = {{"--clock", true}, {"-o", true}, {"-q", false}, {"--set", true, true}};

ParseResult parse(std::vector<std::string> words) { return parseArguments(words, kSpecs); }

TEST(CommandLine, OptionsKeepTheirOrderAndBothValueForms)
{
    const ParseResult r = parse({"a.cir", "--set", "x=1", "--clock=-1", "-q", "--set=y=2", "--", "-o"});
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.command.operands, (std::vector<std::string>{"a.cir", "-o"}));   // "--" ends the options
    std::vector<std::string> seen;
    for (const ParsedOption& o : r.command.options)
        seen.push_back(o.name + "=" + o.value);
    // A value is taken as given, even one that looks like an option; the boxes judge it.
    EXPECT_EQ(seen, (std::vector<std::string>{"--set=x=1", "--clock=-1", "-q=", "--set=y=2"}));
    EXPECT_EQ(*r.command.value("--set"), "x=1");
    EXPECT_EQ(r.command.value("-o"), nullptr);
}

TEST(CommandLine, MistypedLinesAreNamedPlainly)
{
    const std::pair<std::vector<std::string>, const char*> cases[] = {
        {{"a.cir", "--clok", "0.1"}, "unknown option '--clok'"},
        {{"--clock"}, "option '--clock' needs a value"},
        {{"--clock="}, "option '--clock' needs a value"},
        {{"--clock", "1", "--clock", "2"}, "option '--clock' is given twice"},
        {{"-q=yes"}, "unknown option '-q=yes'"},
        {{"--set"}, "option '--set' needs a value"},
    };
    for (const auto& [words, error] : cases)
        EXPECT_EQ(parse(words).error, error) << words.front();
    EXPECT_EQ(parseArguments(std::vector<std::string>{"--train=yes"}, std::vector<OptionSpec>{{"--train"}}).error,
              "option '--train' takes no value");
}

}  // namespace
}  // namespace quorel::cli
