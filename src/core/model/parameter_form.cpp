#include "model/parameter_form.h"

#include "model/circuit_construction.h"
#include "model/site_lists.h"
#include "text/number_text.h"

#include <algorithm>

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

}  // namespace

StructureSnapshot structureOf(const CircuitModel& m)
{
    return {m.outerInnerRatio,   m.innerSiteCount,       m.connectionSite,       m.outerSiteCount,
            m.delaySegmentCount, m.deadEnd1SegmentCount, m.deadEnd2SegmentCount};
}

std::vector<double> parameterValues(const CircuitModel& m)
{
    std::vector<double> values;
    for (int tag : kParameterBoxTags)
        values.push_back(boxValue(m, *parameterBox(tag)));
    for (int flag : {m.equalSegments, m.hasDelayPath, m.hasDeadEnd1, m.hasDeadEnd2})
        values.push_back(flag);
    return values;
}

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
    m_.stimulusResetPending = 0;
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
    const EntryOutcome outcome = applyRules(tag);
    // A refused text is not what the box stands for: after the message it shows the
    // stored value again.
    if (!outcome.accepted)
        showStoredValue(tag);
    return outcome;
}

void ParameterForm::showStoredValue(int tag)
{
    const ParameterBox box = *parameterBox(tag);
    boxes_[tag].text = boxValueText(box, boxValue(m_, box));
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
        if (!value) {
            showStoredValue(tag);
            return {false, invalidIntegerMessage(text)};
        }
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
    // Every spin box keeps its value within its own range when it is left; the boxes of
    // a path that is off keep their 0.
    if (boxOfPathOff(tag)) {
        showStoredValue(tag);
        return {};
    }
    const auto value = boxTextValue(*box, boxes_[tag].text);
    if (!value)
        showStoredValue(tag);   // a box left empty shows what it stands for
    else if (*value < box->minimum || *value > box->maximum)
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
