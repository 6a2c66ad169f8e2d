// The duties of a page change: the derived model and the pages brought up to date.
#include "model/parameter_form.h"

#include "model/circuit_construction.h"
#include "model/site_lists.h"

namespace quorel {

void ParameterForm::writeOrientationLabels()
{
    orientation_.Label25 = orientation_.Label34 = std::to_string(m_.innerSiteCount);
    orientation_.Label28 = orientation_.Label37 = std::to_string(m_.connectionSite);
    orientation_.Label39 = std::to_string(m_.deadEnd1Site);
}

PageChangeResult ParameterForm::OnTabChange(FormPage newPage)
{
    const ChangeScope scope(*this);
    PageChangeResult result;
    result.page = newPage;
    const bool param2 = newPage == FormPage::TabSheet_dc;

    // 1. (window) EditE1 disabled, ECG labels redrawn.
    // 2. A changed circuit invalidates the history and the stimulus site, once: a site
    // chosen after this page change is the one the next run stimulates.
    if (m_.stimulusResetPending == 1) {
        m_.stimulusResetPending = 0;
        session_.history.rows.clear();
        result.historyCleared = true;
        m_.stimulusSite = 1;
        refreshScheme(false);
    }
    // 3. (window) ECG marking mode off, a running movie told to stop.
    // 4.
    m_.deadEndConflict = deadEndsConflict(m_) ? 1 : 0;
    label79Visible_ = m_.deadEndConflict == 1;
    // 5.
    writeOrientationLabels();
    // 6. to 8.
    const auto derive = [&] {
        rebuildCircuit(m_);
        estimateCycleLength(m_);
        setDiastolicIntervals(m_);
        if (param2) {
            result.segments = std::make_unique<SegmentTable>();
            describeSegments(m_, *result.segments);
            result.cvCurve = cvCurveTableOf(m_, 1);
        }
        computeCvConstants(m_);
        result.check = runCircuitCheck(m_);
    };
    derive();
    const std::vector<double> before = parameterValues(m_);
    pushParametersToControls();
    // A value corrected by the push (a cardiac radius lowered below the circuit radius)
    // is built into the derived model at once, not one page change later.
    if (parameterValues(m_) != before) {
        result.pushChangedParameters = true;
        derive();
    }
    // 9.
    if (newPage == FormPage::TabSheet_des)
        result.description = describeCircuit(m_);
    if (newPage == FormPage::TabSheet_des2)
        result.siteChoosersRefilled = fillSiteChoosers(m_);
    if (newPage == FormPage::TabSheet_param4)
        result.displayListsRefilled = fillDisplaySiteLists(m_);
    // 10.
    evaluateLampNow();
    result.lamp = lamp_;
    // 11.
    switch (newPage) {
    case FormPage::TabSheet_res1:
        result.refillResultSheet = true;
        break;
    case FormPage::TabSheet_ecgset:
        result.segments = std::make_unique<SegmentTable>();
        describeSegments(m_, *result.segments);
        result.siteChoosersRefilled = fillSiteChoosers(m_);
        break;
    case FormPage::TabSheet_movie:
        result.prepareMovie = true;
        result.siteChoosersRefilled = fillSiteChoosers(m_);
        break;
    case FormPage::TabSheet_ecg:
        result.showEcg = true;
        break;
    default:
        break;
    }
    // 12.
    m_.gridEditEnabled = 0;
    return result;
}

}  // namespace quorel
