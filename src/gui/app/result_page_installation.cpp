// The "result" page and the Calculation command.
#include "app/main_window.h"

#include "app/run_command.h"
#include "dialogs/warning_dialog.h"
#include "model/parameter_form.h"
#include "pages/param4_page.h"
#include "views/result_sheet_view.h"

#include <QCheckBox>
#include <QLayout>
#include <QPointer>
#include <QScrollBar>
#include <QTreeWidget>

namespace quorel::gui {

void TSDIAppForm::installResultPage()
{
    resultSheetView = new ResultSheetView(*model_, *results_, *session_, pageWidget(TabSheet_res1));
    pageWidget(TabSheet_res1)->layout()->addWidget(resultSheetView);
    resultSheetView->setLargeFonts(shell_.largeFonts == 1);
    // The warning dialog exists from the start, so its choices keep the last selection.
    Form1 = new TForm1(this);

    runController = new RunController(*this);
    RunController* run = runController;
    setCommandHandler(Command::Calculation, [run] { run->GoCalcClick(); });
    onResultPageActivated = [run] { run->resultPageActivated(); };

    resultSheetView->onScrollBar1Change = [run](int position) { run->ScrollBar1Change(position); };
    resultSheetView->onCheckBoxERPClick = [run] { run->CheckBoxERPClick(); };
    resultSheetView->CheckBoxERP->setChecked(session_->displayErp == 1);
    windowSettings().addButton(QStringLiteral("TSDIAppForm"), resultSheetView->CheckBoxERP);

    // "all" / "selected-10" ask the form for the sheet again.
    form_->addChangeListener([run = QPointer<RunController>(run), seen = form_->requestCounts().resultSheet,
                              this]() mutable {
        const int now = form_->requestCounts().resultSheet;
        if (now != seen && run) {
            seen = now;
            run->fillResultSheet();
        }
    });

    // A calculation shows whichever of "result" and "ECG" was opened last.
    connect(PageControl1, &QTabWidget::currentChanged, run, [run](int index) {
        if (index == TabSheet_res1 || index == TabSheet_ecg)
            run->resultPage = static_cast<Page>(index);
    });

    if (param4Page)
        run->connectListView1(param4Page->ListView1);
}

}  // namespace quorel::gui
