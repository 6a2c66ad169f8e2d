// quorel-cli report: the printed report of a circuit set as a PDF file, the same pages
// the window prints, drawn without a window.
#include "circuit_session.h"
#include "command_line.h"
#include "commands.h"

#include "presentation/report_circuit_picture.h"
#include "report/report_document.h"
#include "report/report_painter.h"

#include <QDateTime>

#include <ostream>
#include <sstream>

namespace quorel::cli {

namespace {

// --sections: the report's sections by name, in any order.
bool parseSections(const std::string& list, ReportOptions& options, std::string& error)
{
    options.description = options.parameters = options.remarks = options.resultSheet = options.ecg = false;
    std::istringstream in(list);
    bool any = false;
    for (std::string name; std::getline(in, name, ',');) {
        if (name == "description")
            options.description = true;
        else if (name == "parameters")
            options.parameters = true;
        else if (name == "remarks")
            options.remarks = true;
        else if (name == "result")
            options.resultSheet = true;
        else if (name == "ecg")
            options.ecg = true;
        else {
            error = "--sections takes description, parameters, remarks, result and ecg, not '" + name + "'";
            return false;
        }
        any = true;
    }
    if (!any)
        error = "--sections needs at least one section";
    return any;
}

}  // namespace

int reportCommand(std::span<const std::string> words, CliIo& io)
{
    const OptionSpec specs[] = {
        {"-o", true}, {"--sections", true}, {"--all-steps", false}, {"--font2", false}};
    const ParseResult parsed = parseArguments(words, specs);
    if (!parsed.ok())
        return usageError(io, parsed.error, "report");
    const ParsedCommand& command = parsed.command;
    if (command.operands.size() != 1)
        return usageError(
            io, command.operands.empty() ? "report needs a circuit file" : "report takes one circuit file",
            "report");
    const std::string* output = command.value("-o");
    if (!output || output->empty())
        return usageError(io, "report needs -o OUT.pdf", "report");

    // Every section unless --sections names some.
    ReportOptions options{true, true, true, true, true, false, false};
    if (const std::string* sections = command.value("--sections")) {
        std::string error;
        if (!parseSections(*sections, options, error))
            return usageError(io, error, "report");
    }
    options.allPages = command.has("--all-steps");
    options.outlinedDots = command.has("--font2");

    const std::string& path = command.operands[0];
    CircuitSession session;
    if (!loadForCommand(session, path, io))
        return kExitUsage;
    if (!report::ensureOffscreenGuiApplication()) {
        io.err << "quorel-cli: the report cannot be drawn here\n";
        return kExitUsage;
    }
    const ReportInput input{session.model(),
                            session.results(),
                            session.session(),
                            options,
                            path,
                            report::reportDateTimeText(QDateTime::currentDateTime()).toStdString(),
                            0,
                            kDefaultEcgViewWidth,
                            reportCircuitPicture(session.model(), kDefaultCircuitPictureWidth,
                                                 kDefaultCircuitPictureHeight)};
    const report::PdfOutcome outcome = report::writeReportPdf(QString::fromStdString(*output), input);
    if (!outcome.written) {
        io.err << "quorel-cli: " << outcome.error.toStdString() << '\n';
        return kExitUsage;
    }
    io.out << *output << ": " << outcome.pages << (outcome.pages == 1 ? " page\n" : " pages\n");
    io.out.flush();
    return kExitDone;
}

}  // namespace quorel::cli
