#include "persistence/circuit_set.h"

#include "engine/circuit_check.h"
#include "model/circuit_construction.h"
#include "model/conduction.h"
#include "persistence/circuit_file.h"
#include "persistence/companion_files.h"

namespace quorel {

std::vector<std::string> LoadReport::messages() const
{
    std::vector<std::string> texts;
    if (refused)
        texts.push_back(problemMessage(*refused));
    for (const FileProblem& problem : damaged)
        texts.push_back(problemMessage(problem));
    return texts;
}

std::vector<std::string> SaveReport::messages() const
{
    std::vector<std::string> texts;
    for (const FileProblem& problem : problems)
        texts.push_back(problemMessage(problem));
    return texts;
}

LoadReport loadCircuitSet(const std::string& path, CircuitModel& m, RunResults& results,
                          SessionState& session)
{
    LoadReport report;
    // The circuit file is parsed completely before anything changes.
    if (auto problem = readCircuitFile(path, m)) {
        report.refused = std::move(problem);
        return report;
    }
    report.loaded = true;
    // The site lists are refilled for the loaded numbering; the loaded stimulus site and
    // history stand.
    markCircuitChanged(m);
    m.loadingFile = 1;
    session.history.rows.clear();

    CompanionReadReport companions = readCompanionFiles(path, m, results, session);
    report.keywordFileRead = companions.keywordFileRead;
    report.damaged = std::move(companions.damaged);

    m.loadingFile = 0;
    m.parametersChanged = 0;
    m.stimulusResetPending = 0;
    return report;
}

SaveReport saveCircuitSet(const std::string& path, CircuitModel& m, const RunResults& results,
                          const SessionState& session)
{
    SaveReport report;
    const bool withCompanions = session.saveFormat == 1;
    if (withCompanions && hasCompanionExtension(path)) {
        FileProblem problem;
        problem.path = path;
        problem.writing = true;
        problem.detail = "the companion files would overwrite it; choose a name ending in .cir";
        report.problems.push_back(problem);
        return report;
    }

    refreshDerivedModel(m);
    if (auto problem = writeCircuitFile(path, m)) {
        report.problems.push_back(*problem);
        return report;
    }
    report.circuitSaved = true;
    if (withCompanions)
        report.problems = writeCompanionFiles(path, m, results, session);
    return report;
}

}  // namespace quorel
