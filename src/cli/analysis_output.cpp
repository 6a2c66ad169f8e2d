#include "analysis_output.h"

#include "output_paths.h"
#include "page_text.h"

#include "persistence/atomic_write.h"
#include "text/number_text.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <ostream>

namespace quorel::cli {

namespace {

// ---- text ----

std::string seconds(double value)
{
    if (!isMeasured(value))
        return "-";
    std::string text = fixedText(value, 4);
    return text == "-0.0000" ? text.substr(1) : text;  // a difference of a rounding error
}

std::string yesNo(bool value)
{
    return value ? "yes" : "no";
}

std::string percent(double fraction)
{
    return isMeasured(fraction) ? fixedText(100.0 * fraction, 1) + " %" : std::string("-");
}

std::string headLine(const RunAnalysis& a)
{
    return "analysis: stimulus at site" + std::to_string(a.stimulusSite) + ", QRS onset at site" +
        std::to_string(a.qrsSite) + ", T " + fixedText(a.cycleLength, 4) +
        " sec (estimated), cycle length at site" + std::to_string(a.stimulusSite) + " " +
        seconds(a.measuredCycleLength) + " sec";
}

std::vector<std::string> scanLines(const RunAnalysis& a)
{
    std::vector<std::vector<std::string>> table{
        {"step", "stimulus", "coupling", "captured", "return", "return-T", "reset", "terminated"}};
    for (const ExtrastimulusMeasures& s : a.steps)
        table.push_back({std::to_string(s.scanStep), seconds(s.stimulusTime), seconds(s.couplingInterval),
                         yesNo(s.captured), seconds(s.returnCycle), seconds(s.returnMinusT),
                         s.captured ? yesNo(s.reset) : "-", s.captured ? yesNo(s.terminated) : "-"});
    std::vector<std::string> lines = alignedColumns(table);
    int resetCount = 0;
    for (const ResettingPoint& p : a.curve.points)
        resetCount += p.reset ? 1 : 0;
    lines.push_back("resetting curve: " + std::string(resettingPatternName(a.curve.pattern)) + " (" +
                    std::to_string(resetCount) + " of " + std::to_string(a.curve.points.size()) +
                    " returns reset the tachycardia)");
    return lines;
}

std::vector<std::string> trainLines(const RunAnalysis& a)
{
    const TrainMeasures& t = a.trainMeasures;
    std::string captured =
        "stimuli captured: " + std::to_string(t.capturedCount) + " / " + std::to_string(t.stimulusCount);
    if (t.firstCaptured > 0)
        captured += t.capturedFromFirst
            ? ", every one from stimulus " + std::to_string(t.firstCaptured) + " on"
            : ", not every one after the first capture";
    std::vector<std::string> lines{captured};
    lines.push_back("entrained: " + yesNo(t.entrained) +
                    (isMeasured(t.pacedQrsInterval)
                         ? " (last paced QRS interval " + seconds(t.pacedQrsInterval) + " sec)"
                         : std::string()));
    lines.push_back("post-pacing interval: " + seconds(t.ppi) + " sec, PPI - T " + seconds(t.ppiMinusT) +
                    " sec");
    lines.push_back("S-QRS " + seconds(t.sQrs) + " sec, EGM-QRS " + seconds(t.egmQrs) +
                    " sec, S-QRS - EGM-QRS " + seconds(t.sQrsMinusEgmQrs) + " sec, S-QRS / T " +
                    percent(t.sQrsOverT));
    if (t.firstCaptured > 0)
        lines.push_back(std::string("fusion: ") + (t.concealedFusion ? "concealed" : "manifest") +
                        " (largest fusion index " + fixedText(t.largestFusionIndex, 4) + ")");
    lines.push_back("terminated: " + yesNo(t.terminated));
    lines.push_back("site class: " + std::string(siteClassName(a.siteClass)));
    return lines;
}

// ---- tables ----

void appendReal(std::string& text, double value)
{
    if (!isMeasured(value))
        return;  // an empty field: not measured
    if (value == 0.0)
        value = 0.0;  // no "-0"
    char buffer[64];
    const auto result = std::to_chars(buffer, buffer + sizeof buffer, value);
    text.append(buffer, result.ptr);
}

void appendFlag(std::string& text, bool value)
{
    text += value ? '1' : '0';
}

const char* const kStepColumns =
    "step,stimulus_time_s,coupling_interval_s,captured,return_cycle_s,return_minus_t_s,"
    "return_from_stimulus,reset,terminated,largest_fusion_index,measured_cycle_length_s";

const char* const kTrainColumns =
    "stimuli,captured,first_captured,captured_from_first,entrained,ppi_s,ppi_minus_t_s,s_qrs_s,"
    "egm_qrs_s,s_qrs_minus_egm_qrs_s,s_qrs_over_t,paced_qrs_interval_s,largest_fusion_index,"
    "concealed_fusion,terminated,cycle_length_s,measured_cycle_length_s,class";

const char* const kScanSummaryColumns =
    "steps,captured_steps,reset_steps,terminated_steps,shortest_return_cycle_s,longest_return_cycle_s,"
    "resetting_curve,cycle_length_s,measured_cycle_length_s,class";

void appendTrainFields(std::string& text, const RunAnalysis& a)
{
    const TrainMeasures& t = a.trainMeasures;
    text += std::to_string(t.stimulusCount) + ',' + std::to_string(t.capturedCount) + ',' +
        std::to_string(t.firstCaptured) + ',';
    appendFlag(text, t.capturedFromFirst);
    text += ',';
    appendFlag(text, t.entrained);
    for (double value : {t.ppi, t.ppiMinusT, t.sQrs, t.egmQrs, t.sQrsMinusEgmQrs, t.sQrsOverT,
                         t.pacedQrsInterval, t.largestFusionIndex}) {
        text += ',';
        appendReal(text, value);
    }
    text += ',';
    appendFlag(text, t.firstCaptured > 0 && t.concealedFusion);
    text += ',';
    appendFlag(text, t.terminated);
    text += ',';
    appendReal(text, a.cycleLength);
    text += ',';
    appendReal(text, a.measuredCycleLength);
    text += ',';
    text += siteClassName(a.siteClass);
}

void appendScanSummaryFields(std::string& text, const RunAnalysis& a)
{
    const ScanSummary s = summariseScan(a);
    text += std::to_string(s.steps) + ',' + std::to_string(s.captured) + ',' + std::to_string(s.reset) + ',' +
        std::to_string(s.terminated) + ',';
    appendReal(text, s.shortestReturn);
    text += ',';
    appendReal(text, s.longestReturn);
    text += ',';
    text += resettingPatternName(a.curve.pattern);
    text += ',';
    appendReal(text, a.cycleLength);
    text += ',';
    appendReal(text, a.measuredCycleLength);
    text += ',';
    text += siteClassName(a.siteClass);
}

bool writeTable(const std::string& path, const std::string& text, CliIo& io)
{
    if (auto problem = writeFileAtomically(path, text)) {
        io.err << "quorel-cli: " << problemMessage(*problem) << '\n';
        return false;
    }
    return true;
}

}  // namespace

std::vector<std::string> analysisLines(const RunAnalysis& a)
{
    std::vector<std::string> lines{headLine(a)};
    for (std::string& line : a.train ? trainLines(a) : scanLines(a))
        lines.push_back(std::move(line));
    return lines;
}

std::string formatAnalysisCsv(const RunAnalysis& a)
{
    std::string text;
    if (a.train) {
        text = std::string("stimulus_site,") + kTrainColumns + '\n';
        if (a.scanSteps < 1)
            return text;
        text += std::to_string(a.stimulusSite) + ',';
        appendTrainFields(text, a);
        text += '\n';
        return text;
    }
    text = std::string(kStepColumns) + '\n';
    for (const ExtrastimulusMeasures& s : a.steps) {
        text += std::to_string(s.scanStep) + ',';
        appendReal(text, s.stimulusTime);
        text += ',';
        appendReal(text, s.couplingInterval);
        text += ',';
        appendFlag(text, s.captured);
        text += ',';
        appendReal(text, s.returnCycle);
        text += ',';
        appendReal(text, s.returnMinusT);
        text += ',';
        appendFlag(text, s.returnFromStimulus);
        text += ',';
        appendFlag(text, s.reset);
        text += ',';
        appendFlag(text, s.terminated);
        text += ',';
        appendReal(text, s.largestFusionIndex);
        text += ',';
        appendReal(text, s.measuredCycleLength);
        text += '\n';
    }
    return text;
}

std::string formatSweepCsv(const std::vector<SweepSiteResult>& rows, bool train)
{
    std::string text =
        std::string("site,status,warnings,") + (train ? kTrainColumns : kScanSummaryColumns) + '\n';
    for (const SweepSiteResult& row : rows) {
        text += std::to_string(row.site) + ',' + sweepSiteStatusName(row.status) + ',' +
            std::to_string(row.warningCount) + ',';
        if (row.status == SweepSiteStatus::Done || row.status == SweepSiteStatus::Aborted) {
            if (train)
                appendTrainFields(text, row.analysis);
            else
                appendScanSummaryFields(text, row.analysis);
        } else {
            // The columns stay, empty.
            const std::string columns = train ? kTrainColumns : kScanSummaryColumns;
            text +=
                std::string(static_cast<std::size_t>(std::count(columns.begin(), columns.end(), ',')), ',');
        }
        text += '\n';
    }
    return text;
}

std::vector<std::string> sweepLines(const std::vector<SweepSiteResult>& rows, bool train)
{
    std::vector<std::vector<std::string>> table;
    if (train)
        table.push_back(
            {"site", "class", "captured", "PPI-T", "S-QRS", "EGM-QRS", "S-QRS/T", "fusion", "status"});
    else
        table.push_back(
            {"site", "captured", "reset", "terminated", "return min", "return max", "curve", "status"});
    for (const SweepSiteResult& row : rows) {
        const bool measured = row.status == SweepSiteStatus::Done || row.status == SweepSiteStatus::Aborted;
        const RunAnalysis& a = row.analysis;
        std::vector<std::string> cells{"site" + std::to_string(row.site)};
        if (!measured) {
            cells.resize(table.front().size() - 1, "-");
        } else if (train) {
            const TrainMeasures& t = a.trainMeasures;
            cells.push_back(siteClassName(a.siteClass));
            cells.push_back(std::to_string(t.capturedCount) + "/" + std::to_string(t.stimulusCount));
            cells.push_back(seconds(t.ppiMinusT));
            cells.push_back(seconds(t.sQrs));
            cells.push_back(seconds(t.egmQrs));
            cells.push_back(percent(t.sQrsOverT));
            cells.push_back(t.firstCaptured == 0 ? "-" : t.concealedFusion ? "concealed" : "manifest");
        } else {
            const ScanSummary s = summariseScan(a);
            const std::string of = "/" + std::to_string(s.steps);
            cells.push_back(std::to_string(s.captured) + of);
            cells.push_back(std::to_string(s.reset) + of);
            cells.push_back(std::to_string(s.terminated) + of);
            cells.push_back(seconds(s.shortestReturn));
            cells.push_back(seconds(s.longestReturn));
            cells.push_back(resettingPatternName(a.curve.pattern));
        }
        cells.push_back(sweepSiteStatusName(row.status));
        table.push_back(std::move(cells));
    }
    return alignedColumns(table);
}

std::string analysisCsvPathProblem(const std::string& circuitPath, const std::string* savePath,
                                   const std::string* csvPath, const std::string& analysisCsvPath)
{
    std::string problem = outputPathProblem(circuitPath, savePath, &analysisCsvPath);
    if (!problem.empty()) {
        // The messages of --csv speak of the option by name.
        if (problem.rfind("--csv ", 0) == 0)
            problem = "--analysis-csv " + problem.substr(6);
        return problem;
    }
    if (csvPath) {
        namespace fs = std::filesystem;
        std::error_code ec;
        const fs::path a = fs::weakly_canonical(fs::absolute(analysisCsvPath, ec), ec);
        const fs::path b = fs::weakly_canonical(fs::absolute(*csvPath, ec), ec);
        if (a == b)
            return "--analysis-csv " + analysisCsvPath + " is the file of --csv";
    }
    return {};
}

bool reportRunAnalysis(const CircuitModel& model, const RunResults& results, int completedSteps, bool quiet,
                       const std::string* analysisCsvPath, CliIo& io)
{
    if (quiet && !analysisCsvPath)
        return true;
    const RunAnalysis analysis = analyseRun(model, results, completedSteps);
    // A run aborted before its first step has nothing to measure; its table keeps the header.
    if (!quiet && completedSteps > 0)
        for (const std::string& line : analysisLines(analysis))
            io.out << line << '\n';
    if (analysisCsvPath)
        return writeTable(*analysisCsvPath, formatAnalysisCsv(analysis), io);
    return true;
}

}  // namespace quorel::cli
