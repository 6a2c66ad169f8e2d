#include "circuit_session.h"

#include "model/entry_filters.h"
#include "model/parameter_limits.h"

#include <algorithm>
#include <array>

namespace quorel::cli {

CircuitSession::CircuitSession()
    : model_(std::make_unique<CircuitModel>()),
      results_(createRunResults()),
      form_(std::make_unique<ParameterForm>(*model_, session_))
{
    form_->runStartup();
}

LoadReport CircuitSession::load(const std::string& path)
{
    loadCorrections_.clear();
    LoadReport report = loadCircuitSet(path, *model_, *results_, session_);
    if (!report.loaded)
        return report;
    CircuitModel& m = *model_;
    const std::vector<double> asRead = parameterValues(m);
    // The display choices of the keyword file survive the refill of the site lists,
    // which sets every displayed site and ECG channel to site 1.
    std::array<int, kDisplayedSiteSlots> displayed{};
    std::array<int, kEcgChannelSlots> channels{};
    std::copy(std::begin(m.displayedSites), std::end(m.displayedSites), displayed.begin());
    std::copy(std::begin(m.ecgChannelSite), std::end(m.ecgChannelSite), channels.begin());

    markCircuitChanged(m);
    m.loadingFile = 1;
    form_->applyLoadedCircuit();
    form_->selectRadio(m.displayAllSites == 1 ? 12 : 11);
    form_->selectRadio(m.stimulationMode == 1 ? 9 : 10);
    m.loadingFile = 0;
    m.parametersChanged = 0;
    m.stimulusResetPending = 0;

    std::copy(displayed.begin(), displayed.end(), std::begin(m.displayedSites));
    std::copy(channels.begin(), channels.end(), std::begin(m.ecgChannelSite));
    m.ecgChannelSite[kEcgChannelSlots - 1] = m.stimulusSite;
    form_->ComboBoxSChange(m.stimulusSite - 1);
    runCircuitCheck(m);

    const std::vector<double> passed = parameterValues(m);
    for (std::size_t i = 0; i < std::size(kParameterBoxTags) && i < passed.size(); ++i) {
        if (passed[i] == asRead[i])
            continue;
        const ParameterBox box = *parameterBox(kParameterBoxTags[i]);
        loadCorrections_.push_back(std::string(box.name) + " " + boxValueText(box, asRead[i]) +
                                   " corrected to " + boxValueText(box, passed[i]));
    }
    return report;
}

BoxEntry CircuitSession::enterBox(int tag, std::string_view text)
{
    BoxEntry entry;
    const auto box = parameterBox(tag);
    if (!box) {
        entry.accepted = false;
        entry.error = "no such box";
        return entry;
    }
    const bool integer = box->kind == BoxKind::Integer;
    const bool typeable = !text.empty() && std::all_of(text.begin(), text.end(), [&](char c) {
        const auto key = static_cast<unsigned char>(c);
        return key >= 32 && key != 127 && (integer ? Edit_Key_Press_I(key) : Edit_Key_Press_D(key));
    });
    if (!typeable) {
        entry.accepted = false;
        entry.error = integer ? "'" + std::string(text) + "' is not a whole number of digits"
                              : "'" + std::string(text) + "' is not a number of digits with a decimal point";
        return entry;
    }
    std::array<std::string, 26> before;
    for (int t : kParameterBoxTags)
        before[static_cast<std::size_t>(t)] = form_->boxText(t);

    form_->editEnter(tag);
    const EntryOutcome typed = form_->editChange(tag, text);
    if (!typed.accepted) {
        // The text stays in the box in the window; here it is taken back.
        form_->editChange(tag, before[static_cast<std::size_t>(tag)]);
        form_->editExit(tag);
        entry.accepted = false;
        entry.error = typed.error;
        return entry;
    }
    form_->editExit(tag);
    entry.shown = form_->boxText(tag);
    for (int t : kParameterBoxTags)
        if (t != tag && form_->boxText(t) != before[static_cast<std::size_t>(t)])
            entry.alsoChanged.emplace_back(t, form_->boxText(t));
    return entry;
}

const char* boxParameterName(int tag)
{
    const auto box = parameterBox(tag);
    return box ? box->name : "";
}

}  // namespace quorel::cli
