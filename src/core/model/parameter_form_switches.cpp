// The Yes/No switches, the stimulation mode, the displayed sites and the stimulus site.
#include "model/parameter_form.h"

namespace quorel {

namespace {

int partnerOf(int k)
{
    return k % 2 == 1 ? k + 1 : k - 1;
}

}  // namespace

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

}  // namespace quorel
