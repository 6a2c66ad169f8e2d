// OnTabChange: a page change brings the derived model up to date (the form does the
// work) and every page that shows the model follows.
#include "app/main_window.h"

#include "app/page_control.h"

#include "app/status_panels.h"
#include "model/parameter_form.h"
#include "pages/check_page.h"
#include "pages/circuit_page.h"
#include "pages/param2_page.h"
#include "pages/param4_page.h"

namespace quorel::gui {

void TSDIAppForm::OnTabChange(int index)
{
    // A change that was already followed by another, or to a page being handed over
    // because it is hidden, is not a page the user sees.
    if (index < 0 || index >= PageCount || index != PageControl1->currentIndex() ||
        !PageControl1->pageTabBar()->isReachable(index))
        return;
    const Page page = static_cast<Page>(index);
    // The memo gives the Edit menu back when it takes the focus again.
    setEditMenuEnabled(false);

    const PageChangeResult result = form_->OnTabChange(static_cast<FormPage>(index));

    if (result.historyCleared)
        param4Page->syncFromForm();
    checkPage->showReport(result.check);
    checkPage->setDeadEndConflictShown(form_->label79Visible());
    if (page == TabSheet_dc)
        param2Page->refresh();
    else if (page == TabSheet_ecgset)
        param2Page->describeSegments();   // the rows of SGDI2
    if (result.description)
        circuitPage->refresh(*result.description);
    // Every page change leaves the edit mode of SGDI.
    param2Page->setGridEditEnabled(false);
    refreshStatusBar();

    if (result.refillResultSheet && onResultPageActivated)
        onResultPageActivated();
    if (onPageActivated)
        onPageActivated(page);
}

}  // namespace quorel::gui
