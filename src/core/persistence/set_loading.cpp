#include "persistence/set_loading.h"

#include "model/parameter_limits.h"

#include <algorithm>
#include <array>
#include <iterator>

namespace quorel {

FormLoadReport loadCircuitSetThroughForm(const std::string& path, ParameterForm& form, RunResults& results,
                                         SessionState& session)
{
    FormLoadReport report;
    CircuitModel& m = form.model();
    report.files = loadCircuitSet(path, m, results, session);
    if (!report.files.loaded)
        return report;
    const std::vector<double> asRead = parameterValues(m);
    // The display choices of the keyword file survive the refill of the site lists,
    // which sets every displayed site and ECG channel to site 1.
    std::array<int, kDisplayedSiteSlots> displayed{};
    std::array<int, kEcgChannelSlots> channels{};
    std::copy(std::begin(m.displayedSites), std::end(m.displayedSites), displayed.begin());
    std::copy(std::begin(m.ecgChannelSite), std::end(m.ecgChannelSite), channels.begin());

    markCircuitChanged(m);
    m.loadingFile = 1;
    form.applyLoadedCircuit();
    form.selectRadio(m.displayAllSites == 1 ? 12 : 11);
    form.selectRadio(m.stimulationMode == 1 ? 9 : 10);
    m.loadingFile = 0;
    m.parametersChanged = 0;
    m.stimulusResetPending = 0;

    std::copy(displayed.begin(), displayed.end(), std::begin(m.displayedSites));
    std::copy(channels.begin(), channels.end(), std::begin(m.ecgChannelSite));
    m.ecgChannelSite[kEcgChannelSlots - 1] = m.stimulusSite;
    form.ComboBoxSChange(m.stimulusSite - 1);
    runCircuitCheck(m);

    const std::vector<double> passed = parameterValues(m);
    for (std::size_t i = 0; i < std::size(kParameterBoxTags) && i < passed.size(); ++i) {
        if (passed[i] == asRead[i])
            continue;
        const ParameterBox box = *parameterBox(kParameterBoxTags[i]);
        report.corrections.push_back(std::string(box.name) + " " + boxValueText(box, asRead[i]) +
                                     " corrected to " + boxValueText(box, passed[i]));
    }
    return report;
}

}  // namespace quorel
