// The parameter pages and the pages of the model (param1, loop, delay, DE1, DE2,
// param2, check, circuit, param3, param4), bound to the parameter form.
#include "app/main_window.h"

#include "app/page_control.h"
#include "app/status_panels.h"
#include "engine/circuit_check.h"
#include "model/circuit_description.h"
#include "model/parameter_form.h"
#include "pages/check_page.h"
#include "pages/circuit_page.h"
#include "pages/dead_end_pages.h"
#include "pages/delay_page.h"
#include "pages/loop_page.h"
#include "pages/param1_page.h"
#include "pages/param2_page.h"
#include "pages/param3_page.h"
#include "pages/param4_page.h"
#include "presentation/site_colour.h"

#include <QLayout>
#include <QRadioButton>

namespace quorel::gui {

namespace {

template <typename P, typename... Args>
P* placeOn(QWidget* page, Args&&... args)
{
    auto* content = new P(std::forward<Args>(args)..., page);
    page->layout()->addWidget(content);
    return content;
}

}  // namespace

void TSDIAppForm::installParameterPages()
{
    formBinding_ = std::make_unique<QObject>();
    QObject* binding = formBinding_.get();
    ParameterForm& form = *form_;

    param1Page = placeOn<Param1Page>(pageWidget(TabSheet_general), form);
    loopPage = placeOn<LoopPage>(pageWidget(TabSheet_Out), form);
    delayPage = placeOn<DelayPage>(pageWidget(TabSheet_delay), form);
    deadEnd1Page = placeOn<DeadEnd1Page>(pageWidget(TabSheet_de1), form);
    deadEnd2Page = placeOn<DeadEnd2Page>(pageWidget(TabSheet_de2), form);
    param2Page = placeOn<Param2Page>(pageWidget(TabSheet_dc), *model_);
    checkPage = placeOn<CheckPage>(pageWidget(TabSheet_bs));
    circuitPage = placeOn<CircuitPage>(pageWidget(TabSheet_des));
    param3Page = placeOn<Param3Page>(pageWidget(TabSheet_des2), form);
    param4Page = placeOn<Param4Page>(pageWidget(TabSheet_param4), form);

    // A text that is no number, typed or pasted into a box or a cell.
    const ParameterPage* boxPages[] = {param1Page, loopPage,  delayPage, deadEnd1Page,
                                       deadEnd2Page, param3Page, param4Page};
    for (const ParameterPage* page : boxPages)
        connect(page, &ParameterPage::entryError, binding,
                [this](const QString& message) { showEntryMessage(QMessageBox::Critical, message); });
    param2Page->setMessageDisplay(
        [this](QMessageBox::Icon icon, const QString& text) { showEntryMessage(icon, text); });
    param2Page->setLargeFonts(shell_.largeFonts == 1);

    // The switches show and hide the optional pages; the rules rewrite the pages' hints.
    connect(param1Page, &Param1Page::pageVisibilityChanged, binding,
            [this](int index, bool visible) { setPageVisible(static_cast<Page>(index), visible); });
    connect(param1Page, &Param1Page::pageHintChanged, binding, [this](int index, const QString& hint) {
        QWidget* page = pageWidget(static_cast<Page>(index));
        const QString previous = page->statusTip();
        PageControl1->setTabToolTip(index, hint);
        page->setStatusTip(hint);
        // The hint line follows at once when it shows the page's previous hint.
        if (!previous.isEmpty() && StatusBar1->hintText() == previous)
            StatusBar1->showMessage(hint);
    });
    param1Page->reportPageStates();

    bindFormToWindow();
    connect(param2Page, &Param2Page::modelEdited, binding, [this] { onTableEdited(); });
    connect(PageControl1, &QTabWidget::currentChanged, binding, [this](int index) { OnTabChange(index); });

    // What start-up computed, shown on the pages of the model.
    checkPage->showReport(runCircuitCheck(*model_));
    checkPage->setDeadEndConflictShown(form.label79Visible());
    circuitPage->refresh(describeCircuit(*model_));

    // Stored choices; restoring one runs its handler through the button's toggled signal.
    const QString section = QStringLiteral("TSDIAppForm");
    for (QRadioButton* stored : {param3Page->radioButton(9), param3Page->radioButton(10),
                                 param4Page->radioButton(11), param4Page->radioButton(12)})
        settings_.addButton(section, stored);
}

void TSDIAppForm::bindFormToWindow()
{
    ParameterForm& form = *form_;
    // The site lists highlight the stimulus site; the ECG channels take the same colours.
    form.siteColour = [](const CircuitModel& m, int site, int highlight) {
        return quorel::siteColour(m, site, highlight != 0);
    };
    form.onRequest = [this](FormRequest what) {
        if (what == FormRequest::Layout)
            applyLayout();
        else if (onFormRequest)
            onFormRequest(what);
    };
    // After every finished operation of the form: the check lamp may have changed colour
    // and Label79 may have to be shown or hidden.
    form.addChangeListener([this] {
        checkPage->setDeadEndConflictShown(form_->label79Visible());
        refreshStatusBar();
    });
}

void TSDIAppForm::onTableEdited()
{
    // A typed C.V., ERP or S.F. changes the check, the lamp and the estimate.
    checkPage->showReport(runCircuitCheck(*model_));
    param3Page->syncFromForm();   // Label144
    refreshStatusBar();
}

void TSDIAppForm::showEntryMessage(QMessageBox::Icon icon, const QString& text)
{
    if (entryMessageDisplay) {
        entryMessageDisplay(icon, text);
        return;
    }
    QMessageBox box(icon, QStringLiteral("Quorel"), text, QMessageBox::Ok, this);
    box.exec();
}

bool TSDIAppForm::finishEditing()
{
    const EntryOutcome outcome = form_->finishEditing();
    if (!outcome.accepted)
        showEntryMessage(QMessageBox::Critical, QString::fromStdString(outcome.error));
    return outcome.accepted;
}

}  // namespace quorel::gui
