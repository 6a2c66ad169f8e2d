#include "presentation/history_restore.h"

#include "presentation/ecg_channel_labels.h"
#include "text/number_text.h"

namespace quorel {

EntryOutcome restoreHistoryRow(ParameterForm& form, const HistoryRow& row)
{
    form.selectRadio(row.mode == "Train" ? 10 : 9);

    if (!row.site.empty()) {
        const auto site = parseInteger(row.site);
        if (!site)
            return {false, invalidIntegerMessage(row.site)};
        // A row from a larger circuit names a site that the chooser does not offer.
        if (*site < 1 || *site > form.model().totalSiteCount)
            return {false, "site" + row.site + " is not in the present circuit"};
        // Through the chooser's own handler, so the stimulus-site warning and the lamp follow.
        form.ComboBoxSChange(*site - 1);
    }
    const struct {
        const std::string& text;
        int tag;
        bool integer;
    } cells[] = {
        {row.revolutions, 20, true},
        {row.decrement, 25, false},
        {row.stimuli, 21, true},
        {row.pacingCycleLength, 23, false},
        {row.couplingInterval, 24, false},
    };
    for (const auto& cell : cells) {
        if (cell.text.empty())
            continue;
        if (cell.integer && !parseInteger(cell.text))
            return {false, invalidIntegerMessage(cell.text)};
        const auto value = parseReal(cell.text);
        if (!value)
            return {false, invalidRealMessage(cell.text)};
        const EntryOutcome outcome =
            form.editChange(cell.tag, cell.integer ? cell.text : generalText(*value));
        if (!outcome.accepted)
            return outcome;
    }

    recomputeEcgChannelColours(form.model());
    return {};
}

}  // namespace quorel
