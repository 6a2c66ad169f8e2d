// The words after a command: operands, options and their values, and the usage
// errors of a mistyped line.
#include "cli_test_support.h"
#include "command_line.h"

namespace quorel::cli {
namespace {

const OptionSpec kSpecs[] = {
    {"--clock", true}, {"-o", true}, {"-q", false}, {"--set", true, true}, {"--train", false}};

ParseResult parse(std::vector<std::string> words)
{
    return parseArguments(words, kSpecs);
}

TEST(CommandLine, OptionsKeepTheirOrderAndBothValueForms)
{
    const ParseResult r = parse({"a.cir", "--set", "x=1", "--clock=0.002", "-q", "--set=y=2", "-o", "out.cir"});
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(r.command.operands, std::vector<std::string>{"a.cir"});
    std::vector<std::string> seen;
    for (const ParsedOption& o : r.command.options)
        seen.push_back(o.name + "=" + o.value);
    EXPECT_EQ(seen, (std::vector<std::string>{"--set=x=1", "--clock=0.002", "-q=", "--set=y=2", "-o=out.cir"}));
    ASSERT_NE(r.command.value("--clock"), nullptr);
    EXPECT_EQ(*r.command.value("--clock"), "0.002");
    EXPECT_EQ(*r.command.value("--set"), "x=1");   // the first of a repeated option
    EXPECT_EQ(r.command.value("--train"), nullptr);
}

TEST(CommandLine, AValueMayLookLikeAnOptionAndDoubleDashEndsOptions)
{
    // A value is taken as given; the box rules judge "-1" later.
    ParseResult r = parse({"--clock", "-1", "--", "-q", "b.cir"});
    ASSERT_TRUE(r.ok()) << r.error;
    EXPECT_EQ(*r.command.value("--clock"), "-1");
    EXPECT_EQ(r.command.operands, (std::vector<std::string>{"-q", "b.cir"}));
    // A lone "-" is an operand.
    r = parse({"-"});
    ASSERT_TRUE(r.ok());
    EXPECT_EQ(r.command.operands, std::vector<std::string>{"-"});
}

TEST(CommandLine, MistypedLinesAreNamedPlainly)
{
    const struct {
        std::vector<std::string> words;
        const char* error;
    } cases[] = {
        {{"a.cir", "--clok", "0.1"}, "unknown option '--clok'"},
        {{"--clock"}, "option '--clock' needs a value"},
        {{"--clock="}, "option '--clock' needs a value"},
        {{"-o"}, "option '-o' needs a value"},
        {{"--clock", "1", "--clock", "2"}, "option '--clock' is given twice"},
        {{"--train=yes"}, "option '--train' takes no value"},
        {{"-x"}, "unknown option '-x'"},
    };
    for (const auto& c : cases) {
        const ParseResult r = parse(c.words);
        EXPECT_EQ(r.error, c.error) << c.words.front();
    }
}

}  // namespace
}  // namespace quorel::cli
