#include "protocol_options.h"

#include "text/number_text.h"

#include <ostream>

namespace quorel::cli {

const ProtocolBoxOption kProtocolBoxOptions[6] = {
    {"--revolutions", 20, 1},    {"--decrement-ms", 25, 1},   {"--train-stimuli", 21, 0},
    {"--pacing-cl", 23, 0},      {"--first-coupling", 24, 0}, {"--clock", 19, -1},
};

std::vector<OptionSpec> protocolOptionSpecs()
{
    std::vector<OptionSpec> specs = {{"--stimulus-site", true}, {"--single", false}, {"--train", false}};
    for (const ProtocolBoxOption& option : kProtocolBoxOptions)
        specs.push_back({option.option, true});
    return specs;
}

void reportBoxEntry(const std::string& given, const std::string& what, int tag,
                    const BoxEntry& entry, CliIo& io)
{
    if (entry.shown != given)
        io.err << "quorel-cli: " << what << " " << given << " corrected to " << entry.shown
               << " (" << boxParameterName(tag) << ", Edit" << tag << ")\n";
    for (const auto& [other, text] : entry.alsoChanged)
        io.err << "quorel-cli: " << what << " " << given << " also set "
               << boxParameterName(other) << " (Edit" << other << ") to " << text << "\n";
}

std::string applyProtocolOptions(const ParsedCommand& command, CircuitSession& session, CliIo& io)
{
    const bool single = command.has("--single");
    const bool train = command.has("--train");
    if (single && train)
        return "--single and --train exclude each other";
    CircuitModel& m = session.model();
    ParameterForm& form = session.form();
    if (single)
        form.selectRadio(9);
    if (train)
        form.selectRadio(10);

    for (const ParsedOption& given : command.options) {
        for (const ProtocolBoxOption& option : kProtocolBoxOptions) {
            if (given.name != option.option)
                continue;
            const BoxEntry entry = session.enterBox(option.tag, given.value);
            if (!entry.accepted)
                return std::string(option.option) + ": " + entry.error;
            reportBoxEntry(given.value, option.option, option.tag, entry, io);
            if (option.usedInMode != -1 && option.usedInMode != m.stimulationMode)
                io.err << "quorel-cli: note: " << option.option << " is used by "
                       << (option.usedInMode == 1 ? "single stimuli" : "trains")
                       << "; this protocol uses "
                       << (m.stimulationMode == 1 ? "single stimuli" : "trains") << "\n";
        }
    }

    if (const std::string* text = command.value("--stimulus-site")) {
        const auto site = parseInteger(*text);
        if (!site || text->find_first_not_of("0123456789") != std::string::npos)
            return "--stimulus-site: '" + *text + "' is not a site number";
        if (*site < 1 || *site > m.totalSiteCount)
            return "--stimulus-site " + *text + ": the circuit has sites 1 to " +
                   std::to_string(m.totalSiteCount);
        form.ComboBoxSChange(*site - 1);
    }
    return {};
}

}  // namespace quorel::cli
