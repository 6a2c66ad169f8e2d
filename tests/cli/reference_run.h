#pragma once
// A run of a circuit set straight through the engine, to hold the tool's output
// against.

#include "circuit_session.h"
#include "cli_test_support.h"

#include "engine/run_driver.h"

#include <charconv>
#include <memory>

namespace quorel::cli::testing {

class StepRecorder : public RunHooks {
public:
    std::vector<ScanStepReport> steps;
    void scanStepFinished(const ScanStepReport& report) override { steps.push_back(report); }
};

struct ReferenceRun {
    std::vector<ScanStepReport> steps;
    std::unique_ptr<RunResults> results = createRunResults();
    int siteCount = 0;
    int scanCount = 0;
};

inline ReferenceRun referenceRun(const std::string& path, int stimulusSite, bool train = false)
{
    ReferenceRun run;
    CircuitSession session;
    EXPECT_TRUE(session.load(path).loaded) << path;
    if (train)
        session.form().selectRadio(10);
    session.form().ComboBoxSChange(stimulusSite - 1);
    StepRecorder hooks;
    auto state = createRunState();
    EXPECT_EQ(runProtocol(session.model(), *state, *run.results, hooks), RunOutcome::Completed);
    run.steps = hooks.steps;
    run.siteCount = session.model().totalSiteCount;
    run.scanCount = state->scanCount;
    return run;
}

inline std::vector<std::string> splitFields(const std::string& line)
{
    std::vector<std::string> fields;
    std::size_t start = 0;
    for (;;) {
        const std::size_t comma = line.find(',', start);
        fields.push_back(line.substr(start, comma - start));
        if (comma == std::string::npos)
            return fields;
        start = comma + 1;
    }
}

inline double exactReal(const std::string& text)
{
    double value = 0.0;
    const auto result = std::from_chars(text.data(), text.data() + text.size(), value);
    EXPECT_TRUE(result.ec == std::errc() && result.ptr == text.data() + text.size()) << text;
    return value;
}

}  // namespace quorel::cli::testing
