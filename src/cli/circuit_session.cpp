#include "circuit_session.h"

#include "model/entry_filters.h"
#include "model/parameter_limits.h"
#include "persistence/set_loading.h"

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
    FormLoadReport report = loadCircuitSetThroughForm(path, *form_, *results_, session_);
    loadCorrections_ = std::move(report.corrections);
    return report.files;
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
