// quorel-cli new: a circuit set built from the defaults through the same pages the
// user fills in: the Yes/No switches of "param1", the boxes, the cells of the
// conduction table on "param2", and the protocol of "param3".
#include "circuit_session.h"
#include "command_line.h"
#include "commands.h"
#include "output_paths.h"
#include "page_text.h"
#include "protocol_options.h"

#include "model/parameter_limits.h"
#include "model/table_edit.h"
#include "text/number_text.h"

#include <ostream>

namespace quorel::cli {

namespace {

struct SwitchOption {
    const char* option;
    int yesButton;   // RadioButtonN for "Yes"; N + 1 is "No"
};
constexpr SwitchOption kSwitchOptions[] = {
    {"--equal-segments", 1}, {"--delay-path", 3}, {"--dead-end", 5}, {"--second-dead-end", 7}};

// The boxes of the circuit that --set reaches (the protocol has its own options).
constexpr int kCircuitBoxTags[] = {1, 2, 3, 4, 5, 6, 8, 9, 10, 11, 12, 13, 14, 15, 16};

std::vector<OptionSpec> newOptionSpecs()
{
    std::vector<OptionSpec> specs = protocolOptionSpecs();
    for (const SwitchOption& s : kSwitchOptions)
        specs.push_back({s.option, true});
    specs.push_back({"--set", true, true});
    specs.push_back({"--segment", true, true});
    specs.push_back({"--memo", true, true});
    specs.push_back({"-q", false});
    return specs;
}

std::string circuitBoxNames()
{
    std::string names;
    for (int tag : kCircuitBoxTags)
        names += (names.empty() ? "" : ", ") + std::string(boxParameterName(tag));
    return names;
}

int circuitBoxTag(const std::string& name)
{
    for (int tag : kCircuitBoxTags)
        if (name == boxParameterName(tag))
            return tag;
    return 0;
}

struct SegmentEdit {
    int firstSite = 0, lastSite = 0;
    int column = 0;     // kColumnCv, kColumnErp or kColumnSf
    std::string text;
};

// "5:sf=0.3", "1-20:cv=0.3" or "all:erp=0.25".
std::string parseSegmentEdit(const std::string& spec, int siteCount, SegmentEdit& edit)
{
    const auto colon = spec.find(':');
    const auto eq = spec.find('=', colon == std::string::npos ? 0 : colon);
    if (colon == std::string::npos || eq == std::string::npos)
        return "--segment '" + spec + "': write SITES:FIELD=VALUE, for example 5:sf=0.3";
    const std::string sites = spec.substr(0, colon);
    const std::string field = spec.substr(colon + 1, eq - colon - 1);
    edit.text = spec.substr(eq + 1);
    if (sites == "all") {
        edit.firstSite = 1;
        edit.lastSite = siteCount;
    } else {
        const auto dash = sites.find('-');
        const auto first = parseInteger(sites.substr(0, dash));
        const auto last = dash == std::string::npos ? first : parseInteger(sites.substr(dash + 1));
        if (!first || !last || sites.find_first_not_of("0123456789-") != std::string::npos)
            return "--segment '" + spec + "': the sites are a number, FROM-TO or all";
        edit.firstSite = *first;
        edit.lastSite = *last;
    }
    if (edit.firstSite < 1 || edit.lastSite > siteCount || edit.firstSite > edit.lastSite)
        return "--segment '" + spec + "': the circuit has sites 1 to " + std::to_string(siteCount);
    if (field == "cv")
        edit.column = kColumnCv;
    else if (field == "erp")
        edit.column = kColumnErp;
    else if (field == "sf")
        edit.column = kColumnSf;
    else
        return "--segment '" + spec + "': the field is cv, erp or sf";
    if (edit.text.empty() || edit.text.find_first_not_of("0123456789.") != std::string::npos)
        return "--segment '" + spec + "': the value is digits with a decimal point";
    return {};
}

double segmentValue(const CircuitModel& m, int column, int row)
{
    return column == kColumnCv ? cv(m, row) : column == kColumnErp ? erp(m, row) : sf(m, row);
}

}  // namespace

int newCommand(std::span<const std::string> words, CliIo& io)
{
    const std::vector<OptionSpec> specs = newOptionSpecs();
    const ParseResult parsed = parseArguments(words, specs);
    if (!parsed.ok())
        return usageError(io, parsed.error, "new");
    const ParsedCommand& command = parsed.command;
    if (command.operands.size() != 1)
        return usageError(io, command.operands.empty() ? "new needs the name of the circuit file to write"
                                                       : "new takes one circuit file",
                          "new");
    const std::string& path = command.operands[0];
    if (const std::string problem = outputPathProblem(path, &path, nullptr); !problem.empty()) {
        io.err << "quorel-cli: " << problem << '\n';
        return kExitUsage;
    }

    CircuitSession session;
    CircuitModel& m = session.model();
    ParameterForm& form = session.form();

    // "param1": the switches, then the boxes.
    for (const SwitchOption& s : kSwitchOptions) {
        const std::string* answer = command.value(s.option);
        if (!answer)
            continue;
        if (*answer != "yes" && *answer != "no")
            return usageError(io, std::string(s.option) + " takes yes or no, not '" + *answer + "'", "new");
        const int button = *answer == "yes" ? s.yesButton : s.yesButton + 1;
        if (!form.radioEnabled(button))
            return usageError(io, std::string(s.option) + " needs --dead-end yes", "new");
        form.selectRadio(button);
        if (button == 1 && m.equalSegments != 1)
            io.err << "quorel-cli: note: equal segment lengths need outerInnerRatio 1; "
                      "the answer stays no\n";
    }
    for (const ParsedOption& option : command.options) {
        if (option.name != "--set")
            continue;
        const auto eq = option.value.find('=');
        const std::string name = option.value.substr(0, eq);
        const int tag = circuitBoxTag(name);
        if (eq == std::string::npos || tag == 0)
            return usageError(io, "--set '" + option.value + "': write NAME=VALUE with NAME one of " +
                                      circuitBoxNames(), "new");
        const std::string text = option.value.substr(eq + 1);
        const BoxEntry entry = session.enterBox(tag, text);
        if (!entry.accepted)
            return usageError(io, "--set " + name + ": " + entry.error, "new");
        reportBoxEntry(text, "--set " + name, tag, entry, io);
    }

    // "param2": the page change builds the circuit; then the cells of the table.
    form.OnTabChange(FormPage::TabSheet_dc);
    auto segments = std::make_unique<SegmentTable>();
    describeSegments(m, *segments);
    CvCurveTable curve;
    for (const ParsedOption& option : command.options) {
        if (option.name != "--segment")
            continue;
        SegmentEdit edit;
        if (const std::string error = parseSegmentEdit(option.value, m.totalSiteCount, edit); !error.empty())
            return usageError(io, error, "new");
        const auto given = parseReal(edit.text);
        if (!given)
            return usageError(io, "--segment '" + option.value + "': " + invalidRealMessage(edit.text), "new");
        for (int row = edit.firstSite; row <= edit.lastSite; ++row) {
            OnDCEdit(m, edit.column, row, edit.text, *segments, curve);
            const double stored = segmentValue(m, edit.column, row);
            if (stored != *given)
                io.err << "quorel-cli: --segment " << option.value << ": site " << row
                       << " corrected to " << generalText(stored) << '\n';
        }
    }

    // "param3": the protocol.
    form.OnTabChange(FormPage::TabSheet_des2);
    if (const std::string error = applyProtocolOptions(command, session, io); !error.empty())
        return usageError(io, error, "new");

    SessionState& set = session.session();
    for (const ParsedOption& option : command.options)
        if (option.name == "--memo")
            set.memoLines.push_back(option.value);
    set.saveFormat = 1;
    const SaveReport saved = saveCircuitSet(path, m, session.results(), set);
    for (const std::string& message : saved.messages())
        io.err << "quorel-cli: " << message << '\n';
    if (!saved.ok())
        return kExitUsage;

    const CircuitCheckReport check = runCircuitCheck(m);
    if (!command.has("-q"))
        io.out << "saved " << path << ": " << m.totalSiteCount << " sites, status lamp "
               << lampName(check.lamp) << '\n';
    if (check.lamp == LampState::Red) {
        io.err << "quorel-cli: note: run will refuse this circuit (check error)\n";
        for (const std::string& reason : checkErrorReasons(check, m.deadEndConflict == 1))
            io.err << "  " << reason << '\n';
    }
    return kExitDone;
}

}  // namespace quorel::cli
