#include "model/parameter_form.h"

#include "model/circuit_construction.h"
#include "model/site_lists.h"
#include "text/number_text.h"

#include <algorithm>
#include <vector>

namespace quorel {

namespace {

// The order in which pushParametersToControls writes the boxes. Edit6 comes after
// the path boxes so that the scar site is checked against the final loop sizes.
constexpr int kPushOrder[] = {1, 2, 3, 4, 5, 8, 9, 10, 11, 12, 13, 14, 15, 16, 6, 19, 24, 21, 20, 23, 25};

// Writes from code run the written box's rules, which may write further boxes. The
// cascades of sound values are a few levels deep; a circuit read from a damaged file
// could make two corrections chase each other, which this depth cuts off.
constexpr int kMaxCascadeDepth = 12;

const char* const kDefaultHints[kFormPageCount] = {
    "input general parameters",
    "input number of sites in outer loop of circuit",
    "input parameters from site1 to QRS onset",
    "input parameters of dead-end pathway",
    "input parameters of second dead-end pathway",
    "input --> click the edit button ( use ctrl+C & ctrl+V )",
    "check error",
    "description of the circuit",
    "input parameters of stimulation",
    "input sites to be printed",
    "", "", "", "", "", "",
};

StructureSnapshot structureOf(const CircuitModel& m)
{
    return {m.outerInnerRatio,   m.innerSiteCount,       m.connectionSite,       m.outerSiteCount,
            m.delaySegmentCount, m.deadEnd1SegmentCount, m.deadEnd2SegmentCount};
}

// Every value a box or a switch holds, to see whether a push corrected anything.
std::vector<double> parameterValues(const CircuitModel& m)
{
    std::vector<double> values;
    for (int tag : kParameterBoxTags)
        values.push_back(boxValue(m, *parameterBox(tag)));
    for (int flag : {m.equalSegments, m.hasDelayPath, m.hasDeadEnd1, m.hasDeadEnd2})
        values.push_back(flag);
    return values;
}

int partnerOf(int k)
{
    return k % 2 == 1 ? k + 1 : k - 1;
}

}  // namespace

ParameterForm::ParameterForm(CircuitModel& model, SessionState& session) : m_(model), session_(session)
{
    resetShownState();
}

// The controls as they stand for the model's current values and switches, without
// running any rule.
void ParameterForm::resetShownState()
{
    for (int tag : kParameterBoxTags) {
        const ParameterBox box = *parameterBox(tag);
        boxes_[tag].text = boxValueText(box, boxValue(m_, box));
    }
    radioChecked_.fill(false);
    radioEnabled_.fill(true);
    setChecked(m_.equalSegments == 1 ? 1 : 2);
    setChecked(m_.hasDelayPath == 1 ? 3 : 4);
    setChecked(m_.hasDeadEnd1 == 1 ? 5 : 6);
    setChecked(m_.hasDeadEnd2 == 1 ? 7 : 8);
    setChecked(m_.stimulationMode == 1 ? 9 : 10);
    setChecked(m_.displayAllSites == 1 ? 12 : 11);
    radioEnabled_[7] = radioEnabled_[8] = m_.hasDeadEnd1 == 1;

    pageVisible_.fill(true);
    pageVisible_[pageIndex(FormPage::TabSheet_Out)] = m_.equalSegments == 0;
    pageVisible_[pageIndex(FormPage::TabSheet_delay)] = m_.hasDelayPath == 1;
    pageVisible_[pageIndex(FormPage::TabSheet_de1)] = m_.hasDeadEnd1 == 1;
    pageVisible_[pageIndex(FormPage::TabSheet_de2)] = m_.hasDeadEnd2 == 1;
    for (int page = 0; page < kFormPageCount; ++page)
        pageHint_[page] = kDefaultHints[page];

    label79Visible_ = m_.deadEndConflict == 1;
    singleStimuliEnabled_ = m_.stimulationMode == 1;
    trainsEnabled_ = m_.stimulationMode != 1;
    displayChoosersEnabled_ = m_.displayAllSites == 1;
    writeOrientationLabels();
    lamp_ = evaluateLamp(m_);
    focusedBox_ = 0;
}

// ---------------------------------------------------------------------------------
// Start-up and loading

RebuildResult ParameterForm::runStartup()
{
    const ChangeScope scope(*this);
    // Steps 1 to 3 and 6 to 8: flags, defaults (both loop counts 0), B, display sites.
    applyStartupDefaults(m_);
    resetShownState();
    // Step 4: the first push; the rules turn n = 0 into 20 and set m = C - 2.
    pushParametersToControls();
    // Step 5: the optional pages start hidden.
    for (FormPage page : {FormPage::TabSheet_Out, FormPage::TabSheet_delay, FormPage::TabSheet_de1,
                          FormPage::TabSheet_de2})
        pageVisible_[pageIndex(page)] = false;
    // Step 10, then step 11.
    RebuildResult result = buildDerivedAndPush();
    m_.parametersChanged = 0;
    return result;
}

RebuildResult ParameterForm::applyLoadedCircuit()
{
    const ChangeScope scope(*this);
    // The switches first: pushing the boxes with a stale "equal segment lengths"
    // would overwrite the outer-loop size that the file holds.
    selectRadio(m_.outerInnerRatio == 1.0 && m_.connectionSite - 2 == m_.outerSiteCount ? 1 : 2);
    selectRadio(m_.delaySegmentCount != 0 ? 3 : 4);
    selectRadio(m_.deadEnd1SegmentCount != 0 ? 5 : 6);
    selectRadio(m_.deadEnd2SegmentCount != 0 ? 7 : 8);
    return buildDerivedAndPush();
}

RebuildResult ParameterForm::buildDerivedAndPush()
{
    RebuildResult result;
    const auto derive = [&] {
        rebuildCircuit(m_);
        estimateCycleLength(m_);
        setDiastolicIntervals(m_);
        describeSegments(m_, result.segments);
        computeCvConstants(m_);
        result.check = runCircuitCheck(m_);
    };
    derive();
    const std::vector<double> before = parameterValues(m_);
    pushParametersToControls();
    // A value the rules corrected on the way through the boxes must reach the derived
    // model too, or the tables would describe a circuit that no longer exists.
    if (parameterValues(m_) != before)
        derive();
    result.description = describeCircuit(m_);
    result.displayListsRefilled = fillDisplaySiteLists(m_);
    result.siteChoosersRefilled = fillSiteChoosers(m_);
    evaluateLampNow();
    result.lamp = lamp_;
    writeOrientationLabels();
    return result;
}

// ---------------------------------------------------------------------------------
// The boxes

const std::string& ParameterForm::boxText(int tag) const
{
    static const std::string none;
    return tag >= 1 && tag <= 25 ? boxes_[tag].text : none;
}

bool ParameterForm::boxEnabled(int tag) const
{
    switch (tag) {
    case 20:
    case 25:
        return singleStimuliEnabled_;
    case 21:
    case 23:
    case 24:
        return trainsEnabled_;
    default:
        return true;
    }
}

EntryOutcome ParameterForm::editChange(int tag, std::string_view text)
{
    const ChangeScope scope(*this);
    if (!parameterBox(tag))
        return {};
    boxes_[tag].text = std::string(text);
    return applyRules(tag);
}

void ParameterForm::writeBox(int tag, const std::string& text)
{
    boxes_[tag].text = text;
    applyRules(tag);
}

void ParameterForm::showValue(int tag, double value)
{
    const ParameterBox box = *parameterBox(tag);
    setBoxValue(m_, box, value);
    writeBox(tag, boxValueText(box, value));
}

EntryOutcome ParameterForm::applyRules(int tag)
{
    const ParameterBox box = *parameterBox(tag);
    const std::string& text = boxes_[tag].text;
    const StructureSnapshot before = structureOf(m_);
    if (!text.empty()) {
        const auto value = boxTextValue(box, text);
        if (!value)
            return {false, box.kind == BoxKind::Integer ? invalidIntegerMessage(text)
                                                        : invalidRealMessage(text)};
        setBoxValue(m_, box, *value);
    }
    if (cascadeDepth_ >= kMaxCascadeDepth)
        return {};
    ++cascadeDepth_;
    rulesOf(tag, before);
    --cascadeDepth_;
    return {};
}

void ParameterForm::rulesOf(int tag, const StructureSnapshot& before)
{
    CircuitModel& m = m_;
    switch (tag) {
    case 1:
        if (m.circuitRadius > m.cardiacRadius)
            showValue(1, m.cardiacRadius);
        break;
    case 2:
        if (m.cardiacRadius > 0.5)
            showValue(2, 0.5);
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
    case 9:
        if (m.delayDistanceCm > 5)
            showValue(9, 5);
        break;
    case 12:
        if (m.deadEnd1DistanceCm > 5)
            showValue(12, 5);
        break;
    case 15:
        if (m.deadEnd2DistanceCm > 5)
            showValue(15, 5);
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
    case 19:
        if (m.clockStep > 0.005)
            showValue(19, 0.005);
        break;
    case 20:
        if (m.revolutionCount > 30)
            showValue(20, 30);
        break;
    case 21:
        if (m.trainStimulusCount > 25)
            showValue(21, 25);
        break;
    case 23:
        if (m.pacingCycleLength >= 1)
            showValue(23, 0.99);
        break;
    case 24:
        // "At most 1": 1 itself stands, so showing it does not start the rule again.
        if (m.firstCouplingInterval > 1)
            showValue(24, 1);
        break;
    case 25:
        if (m.scanDecrementMs > 100)
            showValue(25, 100);
        break;
    default:
        break;
    }
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
    if (n > 40)
        showValue(4, 40);
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
    if (c > 38)
        showValue(5, 38);
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
    if (outer > 42)
        showValue(8, 42);
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

void ParameterForm::pathCountRules(int tag, const StructureSnapshot& before)
{
    int& count = tag == 10 ? m_.delaySegmentCount
                 : tag == 13 ? m_.deadEnd1SegmentCount
                             : m_.deadEnd2SegmentCount;
    if (count > 5)
        showValue(tag, 5);
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
        m_.parametersChanged = 1;
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

void ParameterForm::editEnter(int tag)
{
    if (parameterBox(tag))
        focusedBox_ = tag;
}

EntryOutcome ParameterForm::editExit(int tag)
{
    const ChangeScope scope(*this);
    if (focusedBox_ == tag)
        focusedBox_ = 0;
    const auto box = parameterBox(tag);
    if (!box)
        return {};
    const std::string text = boxes_[tag].text;
    if (tag == 4 || tag == 5 || tag == 6 || tag == 8) {
        const auto value = parseInteger(text);
        if (!value)
            return {false, invalidIntegerMessage(text)};
        // The final lower bounds. The box shows the value it stands for, also where the
        // typed digit was taken silently while the user was still typing.
        if (tag == 4 && *value <= 10)
            showValue(4, 11);
        if (tag == 5 && *value <= 8)
            showValue(5, 9);
        if (tag == 6 && *value < m_.innerSiteCount + 2)
            showValue(6, m_.innerSiteCount + 2);
        if (tag == 8 && *value <= 6)
            showValue(8, 7);
    }
    // Every spin box keeps its value within its own range when it is left.
    const auto value = boxTextValue(*box, boxes_[tag].text);
    if (value && (*value < box->minimum || *value > box->maximum))
        showValue(tag, std::clamp(*value, box->minimum, box->maximum));
    return {};
}

EntryOutcome ParameterForm::finishEditing()
{
    const ChangeScope scope(*this);
    const int tag = focusedBox_;
    if (tag == 0)
        return {};
    const EntryOutcome outcome = editExit(tag);
    focusedBox_ = tag;   // the box keeps the focus; only its rules ran
    return outcome;
}

void ParameterForm::editClick(int tag, SpinDirection direction)
{
    const ChangeScope scope(*this);
    const auto box = parameterBox(tag);
    if (!box)
        return;
    writeBox(tag, spinStepText(*box, boxes_[tag].text, boxValue(m_, *box), direction));
}

void ParameterForm::pushParametersToControls()
{
    const ChangeScope scope(*this);
    for (int tag : kPushOrder) {
        const ParameterBox box = *parameterBox(tag);
        writeBox(tag, boxValueText(box, boxValue(m_, box)));
    }
}

// ---------------------------------------------------------------------------------
// Switches

bool ParameterForm::radioChecked(int k) const
{
    return k >= 1 && k <= 12 && radioChecked_[k];
}

bool ParameterForm::radioEnabled(int k) const
{
    return k >= 1 && k <= 12 && radioEnabled_[k];
}

void ParameterForm::setChecked(int k)
{
    radioChecked_[k] = true;
    radioChecked_[partnerOf(k)] = false;
}

void ParameterForm::selectRadio(int k)
{
    if (k < 1 || k > 12 || radioChecked_[k])
        return;
    const ChangeScope scope(*this);
    runRadioHandler(k);
}

void ParameterForm::runRadioHandler(int k)
{
    switch (k) {
    case 1: RadioButton1Click(); break;
    case 2: RadioButton2Click(); break;
    case 3: RadioButton3Click(); break;
    case 4: RadioButton4Click(); break;
    case 5: RadioButton5Click(); break;
    case 6: RadioButton6Click(); break;
    case 7: RadioButton7Click(); break;
    case 8: RadioButton8Click(); break;
    case 9: RadioButton9Click(); break;
    case 10: RadioButton10Click(); break;
    case 11: RadioButton11Click(); break;
    case 12: RadioButton12Click(); break;
    default: break;
    }
}

// What every structure switch does last. RadioButton1 rebuilds the circuit before the
// scheme is drawn again and only when the scheme may be refreshed.
void ParameterForm::switchTail(bool isRadioButton1)
{
    evaluateLampNow();
    request(FormRequest::Layout);
    if (isRadioButton1)
        refreshScheme(true);
    else if (m_.formShown == 1 && m_.schemeWindowOpen == 1)
        request(FormRequest::SchemeRepaint);
}

void ParameterForm::RadioButton1Click()
{
    const ChangeScope scope(*this);
    setChecked(1);
    const StructureSnapshot before = structureOf(m_);
    if (m_.outerInnerRatio != 1.0) {
        selectRadio(2);
    } else {
        m_.equalSegments = 1;
        pageVisible_[pageIndex(FormPage::TabSheet_Out)] = false;
        m_.outerSiteCount = m_.connectionSite - 2;
        setOuterLoopHint(false);
        // The outer loop may have a new number of sites: the site lists and the
        // history belong to the old numbering.
        markChanged(before);
    }
    scarSiteIntoRange();
    switchTail(true);
    m_.schemeRefreshAllowed = 1;
}

void ParameterForm::RadioButton2Click()
{
    const ChangeScope scope(*this);
    setChecked(2);
    m_.equalSegments = 0;
    pageVisible_[pageIndex(FormPage::TabSheet_Out)] = true;
    setOuterLoopHint(false);
    switchTail(false);
}

void ParameterForm::RadioButton3Click()
{
    const ChangeScope scope(*this);
    setChecked(3);
    m_.hasDelayPath = 1;
    pageVisible_[pageIndex(FormPage::TabSheet_delay)] = true;
    if (m_.loadingFile != 1) {
        writeBox(9, "2");
        writeBox(10, "3");
    }
    switchTail(false);
}

void ParameterForm::RadioButton4Click()
{
    const ChangeScope scope(*this);
    setChecked(4);
    m_.hasDelayPath = 0;
    pageVisible_[pageIndex(FormPage::TabSheet_delay)] = false;
    writeBox(10, "0");
    m_.ecgChannelSite[0] = 1;
    switchTail(false);
}

void ParameterForm::RadioButton5Click()
{
    const ChangeScope scope(*this);
    setChecked(5);
    m_.hasDeadEnd1 = 1;
    pageVisible_[pageIndex(FormPage::TabSheet_de1)] = true;
    radioEnabled_[7] = radioEnabled_[8] = true;
    if (m_.loadingFile != 1) {
        writeBox(11, "2");
        writeBox(12, "2");
        writeBox(13, "4");
    }
    switchTail(false);
}

void ParameterForm::RadioButton6Click()
{
    const ChangeScope scope(*this);
    setChecked(6);
    m_.hasDeadEnd1 = 0;
    pageVisible_[pageIndex(FormPage::TabSheet_de1)] = false;
    selectRadio(8);
    radioEnabled_[7] = radioEnabled_[8] = false;
    writeBox(11, "0");
    // Through the box, so that the count's own rules mark the circuit as changed.
    writeBox(13, "0");
    switchTail(false);
}

void ParameterForm::RadioButton7Click()
{
    const ChangeScope scope(*this);
    setChecked(7);
    m_.hasDeadEnd2 = 1;
    pageVisible_[pageIndex(FormPage::TabSheet_de2)] = true;
    if (m_.loadingFile != 1) {
        writeBox(14, "3");
        writeBox(15, "2");
        writeBox(16, "4");
    }
    switchTail(false);
}

void ParameterForm::RadioButton8Click()
{
    const ChangeScope scope(*this);
    setChecked(8);
    m_.hasDeadEnd2 = 0;
    pageVisible_[pageIndex(FormPage::TabSheet_de2)] = false;
    writeBox(14, "0");
    writeBox(16, "0");
    label79Visible_ = false;
    // With one pathway left there is no conflict; a stale flag would keep the lamp red.
    m_.deadEndConflict = 0;
    switchTail(false);
}

void ParameterForm::RadioButton9Click()
{
    const ChangeScope scope(*this);
    setChecked(9);
    m_.stimulationMode = 1;
    singleStimuliEnabled_ = true;
    trainsEnabled_ = false;
}

void ParameterForm::RadioButton10Click()
{
    const ChangeScope scope(*this);
    setChecked(10);
    m_.stimulationMode = 0;
    singleStimuliEnabled_ = false;
    trainsEnabled_ = true;
}

void ParameterForm::RadioButton11Click()
{
    const ChangeScope scope(*this);
    setChecked(11);
    m_.displayAllSites = 0;
    displayChoosersEnabled_ = false;
    request(FormRequest::ResultSheet);
}

void ParameterForm::RadioButton12Click()
{
    const ChangeScope scope(*this);
    setChecked(12);
    m_.displayAllSites = 1;
    displayChoosersEnabled_ = true;
    request(FormRequest::ResultSheet);
}

// ---------------------------------------------------------------------------------
// Site choosers

void ParameterForm::ComboBoxSChange(int itemIndex)
{
    const ChangeScope scope(*this);
    m_.stimulusSite = itemIndex + 1;
    m_.stimulusSiteWarning = stimulusOutsideInnerLoop(m_) || stimulusOnUnconnectedDeadEnd(m_) ? 1 : 0;
    evaluateLampNow();
    recomputeEcgColours();
    refreshScheme(false);
}

void ParameterForm::recomputeEcgColours()
{
    if (siteColour)
        for (int channel = 1; channel <= 16; ++channel)
            m_.ecgChannelColour[channel] = siteColour(m_, m_.ecgChannelSite[channel], 1);
    request(FormRequest::EcgChannelColours);
}

void ParameterForm::ComboBox1Change(int tag, int itemIndex)
{
    const ChangeScope scope(*this);
    if (tag >= 1 && tag <= 10)
        m_.displayedSites[tag] = itemIndex + 1;
}

// ---------------------------------------------------------------------------------
// Page change

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
    // 2. A changed circuit invalidates the history and the stimulus site.
    if (m_.parametersChanged == 1) {
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

// ---------------------------------------------------------------------------------
// What the pages show

void ParameterForm::addChangeListener(std::function<void()> listener)
{
    listeners_.push_back(std::move(listener));
}

void ParameterForm::notifyListeners()
{
    // A copy: a listener may add another one while it runs.
    const std::vector<std::function<void()>> listeners = listeners_;
    for (const auto& listener : listeners)
        listener();
}

bool ParameterForm::pageVisible(FormPage page) const
{
    return pageVisible_[pageIndex(page)];
}

const std::string& ParameterForm::pageHint(FormPage page) const
{
    return pageHint_[pageIndex(page)];
}

}  // namespace quorel
