// The rules of the boxes Edit1..Edit25, run on every text a box receives.
#include "model/parameter_form.h"

#include "model/circuit_construction.h"
#include "model/parameter_limits.h"

namespace quorel {

void ParameterForm::rulesOf(int tag, const StructureSnapshot& before)
{
    CircuitModel& m = m_;
    switch (tag) {
    case 1:
        if (m.circuitRadius > m.cardiacRadius)
            showValue(1, m.cardiacRadius);
        break;
    case 3:
        if (m.outerInnerRatio != 1.0)
            selectRadio(2);
        markChanged(before);
        break;
    case 4:
        edit4Rules(before);
        break;
    case 5:
        edit5Rules(before);
        break;
    case 6:
        edit6Rules();
        break;
    case 8:
        edit8Rules(before);
        break;
    case 10:
    case 13:
    case 16:
        pathCountRules(tag, before);
        break;
    case 11:
    case 14:
        deadEndSiteRules(tag);
        break;
    default:
        // Boxes whose only rule is their upper limit: distances, clock, protocol. Edit24's
        // limit is "at most 1", so showing 1 does not start the rule again.
        applyUpperLimit(tag);
        break;
    }
}

bool ParameterForm::applyUpperLimit(int tag)
{
    const auto box = parameterBox(tag);
    if (!box)
        return false;
    const auto corrected = upperEntryCorrection(*box, boxValue(m_, *box));
    if (corrected)
        showValue(tag, *corrected);
    return corrected.has_value();
}

// A correction kept in the model while the box keeps the typed text: the user is
// still typing a number with more digits, so the scheme is not redrawn for it.
void ParameterForm::correctSilently()
{
    m_.schemeRefreshAllowed = 0;
}

void ParameterForm::edit4Rules(const StructureSnapshot& before)
{
    CircuitModel& m = m_;
    int& n = m.innerSiteCount;
    applyUpperLimit(4);
    if (n == 0)
        n = 20;
    if (n < 10) {
        n = 11;
        correctSilently();
    }
    if (n < 11)
        showValue(4, 11);
    if (m.scarEntrySite == 0)
        m.scarEntrySite = 20;
    if (m.scarEntrySite < n + 2) {
        showValue(6, n + 2);
        m.schemeRefreshAllowed = 0;
    }
    if (m.equalSegments == 1)
        m.outerSiteCount = m.connectionSite - 2;
    setOuterLoopHint(true);
    markChanged(before);
    if (m.connectionSite + 1 >= n) {
        showValue(5, n - 2);
        m.schemeRefreshAllowed = 0;
    }
    if (m.outerSiteCount == 0)
        m.outerSiteCount = 10;
    if (m.scarEntrySite > n + m.outerSiteCount + 1) {
        showValue(6, n + m.outerSiteCount + 1);
        m.schemeRefreshAllowed = 0;
    }
    refreshScheme(true);
    m.schemeRefreshAllowed = 1;
}

void ParameterForm::edit5Rules(const StructureSnapshot& before)
{
    CircuitModel& m = m_;
    int& c = m.connectionSite;
    int& n = m.innerSiteCount;
    applyUpperLimit(5);
    if (n == 0)
        n = 20;
    if (c > n - 2)
        showValue(5, n - 2);
    if (c == 0)
        c = 9;
    if (c < 9) {
        c = 9;
        correctSilently();
    }
    if (m.scarEntrySite == 0)
        m.scarEntrySite = 20;
    if (m.scarEntrySite < n + 2) {
        showValue(6, n + 2);
        m.schemeRefreshAllowed = 0;
    }
    if (m.outerSiteCount == 0)
        m.outerSiteCount = 10;
    if (m.scarEntrySite > n + m.outerSiteCount + 1) {
        showValue(6, n + m.outerSiteCount + 1);
        m.schemeRefreshAllowed = 0;
    }
    if (m.equalSegments == 1)
        m.outerSiteCount = c - 2;
    setOuterLoopHint(true);
    markChanged(before);
    refreshScheme(true);
    m.schemeRefreshAllowed = 1;
}

void ParameterForm::edit6Rules()
{
    scarSiteIntoRange();
    refreshScheme(true);
    m_.schemeRefreshAllowed = 1;
}

// The range rules of Edit6, also applied by RadioButton1Click.
void ParameterForm::scarSiteIntoRange()
{
    CircuitModel& m = m_;
    const int n = m.innerSiteCount;
    int& s = m.scarEntrySite;
    if (s > n + m.outerSiteCount + 1)
        showValue(6, n + m.outerSiteCount + 1);
    if (s == 0)
        s = 20;
    if (s < 10) {
        s = n + 2;
        correctSilently();
    }
    if (s < n + 2) {
        showValue(6, n + 2);
        m.schemeRefreshAllowed = 0;
    }
}

void ParameterForm::edit8Rules(const StructureSnapshot& before)
{
    CircuitModel& m = m_;
    int& outer = m.outerSiteCount;
    const int n = m.innerSiteCount;
    applyUpperLimit(8);
    if (outer == 0)
        outer = 10;
    if (outer < 7)
        outer = 7;   // the box keeps the typed digit; the scheme flag is left alone here
    if (m.scarEntrySite == 0)
        m.scarEntrySite = 20;
    if (m.scarEntrySite < n + 2) {
        showValue(6, n + 2);
        m.schemeRefreshAllowed = 0;
    }
    if (m.scarEntrySite > n + outer + 1) {
        showValue(6, n + outer + 1);
        m.schemeRefreshAllowed = 0;
    }
    setOuterLoopHint(true);
    markChanged(before);
    refreshScheme(false);
}

bool ParameterForm::boxOfPathOff(int tag) const
{
    switch (tag) {
    case 9:
    case 10:
        return m_.hasDelayPath != 1;
    case 11:
    case 12:
    case 13:
        return m_.hasDeadEnd1 != 1;
    case 14:
    case 15:
    case 16:
        return m_.hasDeadEnd2 != 1;
    default:
        return false;
    }
}

void ParameterForm::pathCountRules(int tag, const StructureSnapshot& before)
{
    // A path that is off has no segments, whatever reaches its box.
    if (boxOfPathOff(tag)) {
        if (boxValue(m_, *parameterBox(tag)) != 0.0)
            showValue(tag, 0);
        markChanged(before);
        refreshScheme(false);
        return;
    }
    applyUpperLimit(tag);
    evaluateLampNow();
    markChanged(before);
    refreshScheme(false);
}

void ParameterForm::deadEndSiteRules(int tag)
{
    CircuitModel& m = m_;
    const int last = m.innerSiteCount + m.outerSiteCount + 1;
    const int site = tag == 11 ? m.deadEnd1Site : m.deadEnd2Site;
    if (site > last)
        showValue(tag, last);
    if (m.hasDeadEnd1 == 1 && m.hasDeadEnd2 == 1) {
        m.deadEndConflict = m.deadEnd2Site == m.deadEnd1Site ? 1 : 0;
        label79Visible_ = m.deadEndConflict == 1;
        evaluateLampNow();
    }
    refreshScheme(false);
}

void ParameterForm::setOuterLoopHint(bool alsoLoopPage)
{
    const int n = m_.innerSiteCount;
    const int outer = m_.outerSiteCount;
    const std::string hint = "There are " + std::to_string(outer) +
                             "sites in the outer circuit, numberd " + std::to_string(n + 2) + " to " +
                             std::to_string(n + outer + 1);
    pageHint_[pageIndex(FormPage::TabSheet_general)] = hint;
    if (alsoLoopPage)
        pageHint_[pageIndex(FormPage::TabSheet_Out)] = hint;
}

// The circuit counts as changed since the last run only when a value that shapes it
// really changed: every page change writes all boxes again, and an unchanged value
// must not wipe the stimulation history.
void ParameterForm::markChanged(const StructureSnapshot& before)
{
    if (m_.loadingFile != 1 && !(structureOf(m_) == before))
        markCircuitChanged(m_);
}

void ParameterForm::refreshScheme(bool onlyWhenAllowed)
{
    if (m_.formShown != 1 || m_.schemeWindowOpen != 1)
        return;
    if (onlyWhenAllowed && m_.schemeRefreshAllowed != 1)
        return;
    rebuildCircuit(m_);
    request(FormRequest::SchemeRefresh);
}

void ParameterForm::request(FormRequest what)
{
    switch (what) {
    case FormRequest::SchemeRefresh: ++requests_.schemeRefresh; break;
    case FormRequest::SchemeRepaint: ++requests_.schemeRepaint; break;
    case FormRequest::Layout: ++requests_.layout; break;
    case FormRequest::ResultSheet: ++requests_.resultSheet; break;
    case FormRequest::EcgChannelColours: ++requests_.ecgChannelColours; break;
    }
    if (onRequest)
        onRequest(what);
}

void ParameterForm::evaluateLampNow()
{
    lamp_ = evaluateLamp(m_);
}

}  // namespace quorel
