#include "engine/run_hooks.h"

#include "engine/run_history.h"

namespace quorel {

std::string RunHooks::historyTimeText()
{
    return localDateTimeText();
}

WarningTexts warningTexts(const RunWarning& warning)
{
    if (warning.kind == WarningKind::Conduction)
        return conductionWarningTexts(warning.source, warning.target, warning.clockStep,
                                      warning.conductionTime);
    return refractoryWarningTexts(warning.source, warning.target);
}

}  // namespace quorel
