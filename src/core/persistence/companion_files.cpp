#include "persistence/companion_files.h"

#include "engine/circuit_check.h"
#include "persistence/atomic_write.h"
#include "persistence/circuit_file.h"
#include "persistence/keyword_file.h"
#include "persistence/memo_history_files.h"
#include "persistence/record_reader.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <memory>

namespace quorel {

namespace {

namespace fs = std::filesystem;

std::string withExtension(const std::string& path, const char* extension)
{
    fs::path p(path);
    p.replace_extension(extension);
    return p.string();
}

bool fileIsThere(const std::string& path)
{
    std::error_code ec;
    const fs::file_status status = fs::status(path, ec);
    // A file that cannot even be looked at is reported by the attempt to read it.
    return status.type() != fs::file_type::not_found;
}

FileProblem checkFailed(const std::string& path, FileProblem problem, const char* what)
{
    problem.path = path;
    problem.writing = true;
    problem.detail = std::string(what) + " (" + problem.detail + ")";
    return problem;
}

// Site choosers offer only the circuit's sites; a site beyond them becomes site 1.
void keepSitesInCircuit(CircuitModel& m)
{
    auto keep = [&m](int& site) {
        if (site < 1 || site > m.totalSiteCount)
            site = 1;
    };
    keep(m.stimulusSite);
    for (int k = 1; k <= 10; ++k)
        keep(m.displayedSites[k]);
    for (int& channel : m.ecgChannelSite)
        keep(channel);
}

}  // namespace

CompanionPaths companionPaths(const std::string& circuitPath)
{
    return {withExtension(circuitPath, ".mo1"), withExtension(circuitPath, ".mo2"),
            withExtension(circuitPath, ".mo3")};
}

bool hasCompanionExtension(const std::string& path)
{
    std::string extension = fs::path(path).extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return extension == ".mo1" || extension == ".mo2" || extension == ".mo3";
}

std::vector<FileProblem> writeCompanionFiles(const std::string& circuitPath, const CircuitModel& m,
                                             const RunResults& results,
                                             const SessionState& session)
{
    const CompanionPaths paths = companionPaths(circuitPath);
    std::vector<FileProblem> problems;

    if (!session.memoLines.empty()) {
        if (auto problem = writeFileAtomically(paths.memo, formatMemoFile(session.memoLines)))
            problems.push_back(*problem);
    }

    if (!session.history.rows.empty()) {
        const std::string text = formatHistoryFile(session.history);
        StimulationHistory check;
        if (auto problem = parseHistoryFile(text, check))
            problems.push_back(checkFailed(paths.history, *problem,
                                           "the history holds a text the file cannot carry"));
        else if (auto written = writeFileAtomically(paths.history, text))
            problems.push_back(*written);
    }

    const std::string text = formatKeywordFile(m, results, session);
    auto check = std::make_unique<KeywordFileData>();
    if (auto problem = parseKeywordFile(text, circuitSiteCount(m), *check))
        problems.push_back(checkFailed(paths.keyword, *problem,
                                       "a value cannot be carried by the file"));
    else if (auto written = writeFileAtomically(paths.keyword, text))
        problems.push_back(*written);
    return problems;
}

CompanionReadReport readCompanionFiles(const std::string& circuitPath, CircuitModel& m,
                                       RunResults& results, SessionState& session)
{
    const CompanionPaths paths = companionPaths(circuitPath);
    CompanionReadReport report;
    std::string text;

    session.memoLines.clear();
    if (fileIsThere(paths.memo)) {
        if (auto problem = readWholeFile(paths.memo, text))
            report.damaged.push_back(*problem);
        else
            session.memoLines = parseMemoFile(text);
    }

    if (fileIsThere(paths.history)) {
        StimulationHistory history;
        if (auto problem = readWholeFile(paths.history, text)) {
            report.damaged.push_back(*problem);
        } else if (auto damaged = parseHistoryFile(text, history)) {
            damaged->path = paths.history;
            report.damaged.push_back(*damaged);
        } else {
            session.history = std::move(history);
        }
    }

    std::unique_ptr<KeywordFileData> keyword;
    if (fileIsThere(paths.keyword)) {
        auto data = std::make_unique<KeywordFileData>();
        if (auto problem = readWholeFile(paths.keyword, text)) {
            report.damaged.push_back(*problem);
        } else if (auto damaged = parseKeywordFile(text, circuitSiteCount(m), *data)) {
            damaged->path = paths.keyword;
            report.damaged.push_back(*damaged);
        } else {
            keyword = std::move(data);
        }
    }

    // The circuit as read: switches from the header, then every derived value and the
    // site lists (which, while parametersChanged is set, reset the displayed and ECG
    // channel sites; the keyword file's choices are applied after them).
    // The QRS reference channel 0 is not in the file; with a keyword file it keeps
    // the site it had before the lists were refilled.
    const int referenceChannelSite = m.ecgChannelSite[0];
    deriveStructureSwitches(m);
    buildDerivedModel(m);

    if (keyword) {
        m.ecgChannelSite[0] = referenceChannelSite;
        applyKeywordFile(*keyword, m, results, session);
        report.keywordFileRead = true;
    } else {
        session.caliperCount = 0;
        clearRunResults(results);
    }
    keepSitesInCircuit(m);
    runCircuitCheck(m);   // the stimulus site may have changed since the rebuild
    return report;
}

}  // namespace quorel
