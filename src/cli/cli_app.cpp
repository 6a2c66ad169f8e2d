#include "cli_app.h"

#include "commands.h"

#include <algorithm>
#include <ostream>

#ifndef QUOREL_VERSION
#define QUOREL_VERSION "2.645"
#endif

namespace quorel::cli {

namespace {

const char* const kRunUsage =
    "quorel-cli run CIRCUIT.cir [--stimulus-site N] [--single | --train] [--revolutions N]\n"
    "               [--decrement-ms X] [--train-stimuli N] [--pacing-cl S] [--first-coupling S]\n"
    "               [--clock S] [--on-warning continue|abort] [--engine tick|event]\n"
    "               [-o OUT.cir] [--csv OUT.csv] [--analysis-csv OUT.csv] [-q]\n";
const char* const kSweepUsage =
    "quorel-cli sweep CIRCUIT.cir [--sites LIST] [--single | --train] [protocol options of run]\n"
    "               [--jobs N] [--on-warning continue|abort] [--engine tick|event]\n"
    "               [--csv OUT.csv] [-q]\n";
const char* const kCheckUsage = "quorel-cli check CIRCUIT.cir\n";
const char* const kDescribeUsage = "quorel-cli describe CIRCUIT.cir\n";
const char* const kNewUsage =
    "quorel-cli new OUT.cir [--equal-segments yes|no] [--delay-path yes|no] [--dead-end yes|no]\n"
    "               [--second-dead-end yes|no] [--set NAME=VALUE]... [--segment SITES:FIELD=VALUE]...\n"
    "               [protocol options of run] [--memo TEXT]... [-q]\n";
const char* const kReportUsage =
    "quorel-cli report CIRCUIT.cir -o OUT.pdf [--sections LIST] [--all-steps] [--font2]\n";

const char* const kRunHelp =
    "  Loads the circuit set (the .mo1/.mo2/.mo3 files beside it supply the protocol, the\n"
    "  display choices and the history), runs the stimulation protocol and prints the\n"
    "  result-sheet message of every scan step.\n"
    "    --stimulus-site N       stimulus site, 1 to the circuit's number of sites\n"
    "    --single, --train       single stimuli scanned in decrements, or a train\n"
    "    --revolutions N         revolutions after a single stimulus (1-30)\n"
    "    --decrement-ms X        scan decrement of single stimuli, ms (1-100)\n"
    "    --train-stimuli N       stimuli in a train (1-25)\n"
    "    --pacing-cl S           pacing cycle length of a train, s (below 1)\n"
    "    --first-coupling S      coupling interval of the first beat of a train, s (at most 1)\n"
    "    --clock S               scanning clock Q, s (0.0001-0.005)\n"
    "    --on-warning ANSWER     continue (default): print the warning and go on without\n"
    "                            further warnings; abort: end the run as \"start over\" does\n"
    "    --engine KIND           event (default): the event-driven time loop; tick: the\n"
    "                            tick-by-tick loop it is checked against (same results)\n"
    "    -o OUT.cir              save the circuit, its results and the history with this\n"
    "                            run's row in the \"(2) Original\" format\n"
    "    --csv OUT.csv           one row per scan step, revolution and site\n"
    "    --analysis-csv OUT.csv  the measures of resetting and entrainment: one row per\n"
    "                            scan step (single stimuli) or one row (a train)\n"
    "    -q                      no step messages, measures or progress line\n"
    "  Values pass through the limits of the parameter boxes; a corrected value is\n"
    "  reported on stderr. After the step messages the measures of the run are printed:\n"
    "  coupling interval, return cycle and reset per step and the resetting curve for\n"
    "  single stimuli; captures, entrainment, PPI, S-QRS, EGM-QRS, fusion and the class\n"
    "  of the stimulus site for a train.\n";
const char* const kSweepHelp =
    "  Runs the protocol of the circuit set from every listed stimulus site and prints a\n"
    "  row per site with its measures and its class (trains) or its resetting summary\n"
    "  (single stimuli).\n"
    "    --sites LIST            stimulus sites: N, FROM-TO, a list of them (2-9,12), or\n"
    "                            all (the default)\n"
    "    --jobs N                worker threads (default: one per core); the rows do\n"
    "                            not depend on it\n"
    "    --on-warning ANSWER     continue (default) or abort a site's run at a warning\n"
    "    --engine KIND           event (default) or tick, as for run\n"
    "    --csv OUT.csv           one row per site\n"
    "    -q                      no table and no progress line\n"
    "  The protocol options of run (--single ... --clock) apply to every site.\n";
const char* const kCheckHelp =
    "  Prints the status lamp and the page \"check\"; exit 3 when the lamp is red.\n";
const char* const kDescribeHelp =
    "  Prints the page \"circuit\" and the segment table (site, D.I., S.L., C.T., C.V., ERP, S.F.).\n";
const char* const kNewHelp =
    "  Builds a circuit from the defaults as the parameter pages would and saves it with\n"
    "  its protocol in the \"(2) Original\" format.\n"
    "    --equal-segments, --delay-path, --dead-end, --second-dead-end yes|no\n"
    "                            the Yes/No questions of the page \"param1\"\n"
    "    --set NAME=VALUE        a box of the circuit, by its parameter name: circuitRadius,\n"
    "                            cardiacRadius, outerInnerRatio, innerSiteCount, connectionSite,\n"
    "                            scarEntrySite, outerSiteCount, delayDistanceCm,\n"
    "                            delaySegmentCount, deadEnd1Site, deadEnd1DistanceCm,\n"
    "                            deadEnd1SegmentCount, deadEnd2Site, deadEnd2DistanceCm,\n"
    "                            deadEnd2SegmentCount\n"
    "    --segment SITES:FIELD=VALUE\n"
    "                            a cell of the conduction table: SITES is N, FROM-TO or all,\n"
    "                            FIELD is cv, erp or sf (5:sf=0.3, 1-9:cv=0.3)\n"
    "    --memo TEXT             a line of the memo\n"
    "  The protocol options of run (--stimulus-site ... --clock) set the stored protocol.\n";

const char* const kReportHelp =
    "  Loads the circuit set and writes the printed report as a PDF file (A4): the\n"
    "  description of the circuit, the parameter table, the remarks with the memo, the\n"
    "  result sheet and the ECG page, the pages the window's Print command draws.\n"
    "    -o OUT.pdf              the PDF file to write\n"
    "    --sections LIST         the sections to print, separated by commas: description,\n"
    "                            parameters, remarks, result, ecg (default: all five)\n"
    "    --all-steps             the result sheet of every scan step of single stimuli,\n"
    "                            not only the step the set was saved showing\n"
    "    --font2                 the turned texts of the ECG page drawn as outlines\n"
    "  The ECG page shows the time window of the saved view, and the description page the\n"
    "  circuit picture, at the window's start size.\n";

const char* const kExitCodes =
    "Exit codes: 0 done; 2 usage error or a file that cannot be read or written;\n"
    "            3 check error (red status lamp); 4 run aborted by a warning (sweep:\n"
    "            any site's run).\n";

}  // namespace

std::string versionText()
{
    return std::string("Quorel ") + QUOREL_VERSION + "\n";
}

std::string helpText()
{
    std::string text = "Usage:\n";
    for (const char* usage : {kRunUsage, kSweepUsage, kCheckUsage, kDescribeUsage, kNewUsage, kReportUsage})
        text += std::string("  ") + usage;
    text += "  quorel-cli --help | --version\n"
            "  quorel-cli COMMAND --help\n\n"
            "run       run the stimulation protocol of a circuit set\n"
            "sweep     run the protocol from every listed stimulus site and class the sites\n"
            "check     the page \"check\" as text; exit 0 for a blue or yellow lamp, 3 for red\n"
            "describe  the page \"circuit\" and the segment table\n"
            "new       build a circuit set from the defaults\n"
            "report    write the printed report of a circuit set as a PDF file\n\n";
    text += kExitCodes;
    return text;
}

std::string commandHelpText(const std::string& command)
{
    if (command == "run")
        return std::string("Usage: ") + kRunUsage + kRunHelp + kExitCodes;
    if (command == "sweep")
        return std::string("Usage: ") + kSweepUsage + kSweepHelp + kExitCodes;
    if (command == "check")
        return std::string("Usage: ") + kCheckUsage + kCheckHelp + kExitCodes;
    if (command == "describe")
        return std::string("Usage: ") + kDescribeUsage + kDescribeHelp + kExitCodes;
    if (command == "new")
        return std::string("Usage: ") + kNewUsage + kNewHelp + kExitCodes;
    if (command == "report")
        return std::string("Usage: ") + kReportUsage + kReportHelp + kExitCodes;
    return helpText();
}

int runCli(std::span<const std::string> args, CliIo& io)
{
    if (args.empty())
        return usageError(io, "no command given (run, sweep, check, describe, new or report)");
    const std::string& first = args[0];
    if (first == "--help" || first == "-h" || first == "help") {
        io.out << helpText();
        return kExitDone;
    }
    if (first == "--version") {
        io.out << versionText();
        return kExitDone;
    }
    const std::span<const std::string> rest = args.subspan(1);
    const bool wantsHelp = std::any_of(rest.begin(), rest.end(), [](const std::string& word) {
        return word == "--help" || word == "-h";
    });
    using Command = int (*)(std::span<const std::string>, CliIo&);
    Command command = nullptr;
    if (first == "run")
        command = runCommand;
    else if (first == "sweep")
        command = sweepCommand;
    else if (first == "check")
        command = checkCommand;
    else if (first == "describe")
        command = describeCommand;
    else if (first == "new")
        command = newCommand;
    else if (first == "report")
        command = reportCommand;
    if (command == nullptr) {
        if (first.size() > 1 && first[0] == '-')
            return usageError(io, "unknown option '" + first + "'");
        return usageError(io, "unknown command '" + first + "'");
    }
    if (wantsHelp) {
        io.out << commandHelpText(first);
        return kExitDone;
    }
    return command(rest, io);
}

}  // namespace quorel::cli
