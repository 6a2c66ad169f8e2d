#include "engine/run_driver.h"
#include "engine/run_hooks.h"
#include "engine/run_state.h"

#include "app/run_command.h"

#include "dialogs/please_wait_window.h"
#include "model/parameter_form.h"
#include "pages/check_page.h"
#include "pages/param4_page.h"
#include "pages/prn_file_page.h"
#include "presentation/history_restore.h"
#include "presentation/result_messages.h"
#include "presentation/result_sheet.h"
#include "views/result_sheet_view.h"

#include <QCoreApplication>
#include <QMessageBox>
#include <QScrollBar>
#include <QTreeWidget>
#include <algorithm>

namespace quorel::gui {

// The engine's calls during a run, answered by the window.
class RunController::WindowHooks final : public RunHooks {
public:
    explicit WindowHooks(RunController& run) : run_(run), window_(run.window_) {}

    void scanStepStarting(int scanStep) override;
    void scanStepFinished(const ScanStepReport& report) override;
    void statusTimeChanged(double currentTime) override;
    WarningAnswer runWarning(const RunWarning& warning) override;
    void runEnded(const RunEndReport& report) override;

private:
    RunController& run_;
    TSDIAppForm& window_;
};

RunController::RunController(TSDIAppForm& window)
    : QObject(&window), window_(window), state_(createRunState()),
      hooks_(std::make_unique<WindowHooks>(*this))
{
    setObjectName("RunController");
}

RunController::~RunController() = default;

void RunController::showError(const QString& text)
{
    if (showErrorBox) {
        showErrorBox(text);
        return;
    }
    QMessageBox box(QMessageBox::Warning, QStringLiteral("Error"), text, QMessageBox::Ok, &window_);
    box.exec();
}

void RunController::GoCalcClick()
{
    // The window has already run the exit rules of the box being typed in (every
    // command that reads the model goes through TSDIAppForm::runCommand).
    window_.stopAnimation();   // a replay must not run beside the calculation
    CircuitModel& m = window_.model();
    const CircuitCheckReport check = runCircuitCheck(m);
    if (window_.checkPage)
        window_.checkPage->showReport(check);
    window_.refreshStatusBar();
    if (m.checkError == 1) {
        window_.playSound(Sound::S99_66e);
        showError(QStringLiteral("check error"));
        window_.selectPage(TabSheet_bs);
        window_.enableTimer2();
        return;
    }
    window_.selectPage(resultPage);
    if (state_->runBusy != 0)
        return;
    // A model that would reach outside the fixed arrays (never one the boxes allow).
    if (const char* refusal = runRefusal(m)) {
        showError(QStringLiteral("The calculation cannot start: ") + QString::fromUtf8(refusal));
        return;
    }
    runNow();
}

void RunController::runNow()
{
    window_.Form3->showMessage(QStringLiteral("Now Calculating"), &window_, 2);
    window_.session().scrollBar4.position = 0;
    // The pages that shape the circuit and the protocol wait for the run's end, whichever
    // way it ends.
    struct Lock {
        TSDIAppForm& window;
        explicit Lock(TSDIAppForm& w) : window(w) { window.setCalculationLock(true); }
        ~Lock() { window.setCalculationLock(false); }
    };
    RunOutcome outcome = RunOutcome::Busy;
    {
        const Lock lock(window_);
        outcome = runProtocol(window_.model(), *state_, window_.results(), *hooks_);
    }
    if (outcome != RunOutcome::Aborted)
        return;
    // The page the answer asks for opens once the run has ended, so that the page
    // change rebuilds nothing while the engine still holds the circuit.
    switch (state_->abortAnswer) {
    case WarningAnswer::StartOver: window_.selectPage(TabSheet_general); break;
    case WarningAnswer::ResetInterval: window_.selectPage(TabSheet_des2); break;
    case WarningAnswer::Continue: break;
    }
}

void RunController::WindowHooks::scanStepStarting(int scanStep)
{
    const RunState& state = *run_.state_;
    ResultSheetView& view = *window_.resultSheetView;
    SessionState& session = window_.session();
    if (scanStep == 1) {
        view.setScrollBarVisible(state.layout.trainMode == 0);
        session.scrollBar2.maximum = state.scanCount;
        session.scrollBar2.position = std::clamp(session.scrollBar2.position, 1, state.scanCount);
    }
    view.setScanStep(scanStep, state.scanCount);   // without ScrollBar1Change
    QCoreApplication::processEvents();
}

void RunController::showMessages(const std::string& LabelRes1, const std::string& LabelRes2,
                                 int captureLamp)
{
    window_.resultSheetView->setMessages({LabelRes1, LabelRes2, captureLamp});
    window_.results().captureLamp = captureLamp;
    window_.refreshStatusBar();
}

void RunController::WindowHooks::scanStepFinished(const ScanStepReport& report)
{
    run_.showMessages(report.LabelRes1, report.LabelRes2, report.captureLamp);
    run_.fillResultSheet();
    window_.showRunTime(report.currentTime);
    window_.playSound(report.captured ? Sound::S99_19e : Sound::S99_60e);
}

void RunController::WindowHooks::statusTimeChanged(double currentTime)
{
    window_.showRunTime(currentTime);
}

WarningAnswer RunController::WindowHooks::runWarning(const RunWarning& warning)
{
    const bool refractory = warning.kind == WarningKind::Refractory;
    if (refractory)
        window_.playSound(Sound::S99_60e);
    TForm1& dialog = *window_.Form1;
    dialog.setTexts(warningTexts(warning));
    dialog.centreOn(window_);
    // The please-wait window stays on top and must not hide the question.
    const bool waiting = window_.Form3->isVisible();
    window_.Form3->hide();
    if (run_.showWarningDialog)
        run_.showWarningDialog(dialog);
    else
        dialog.exec();
    if (!refractory)
        window_.playSound(Sound::S99_60e);
    switch (dialog.choice()) {
    case TForm1::StartOver: return WarningAnswer::StartOver;
    case TForm1::ResetInterval: return WarningAnswer::ResetInterval;
    case TForm1::Continue: break;
    }
    if (waiting)
        window_.Form3->show();
    return WarningAnswer::Continue;
}

void RunController::WindowHooks::runEnded(const RunEndReport& report)
{
    window_.prnFilePage->setResultPrintOptionsEnabled(true);
    window_.showRunTime(report.currentTime);
    window_.Form3->hide();
    emit run_.runFinished();
    window_.session().history.rows.push_back(report.historyRow);
    if (window_.param4Page)
        window_.param4Page->syncFromForm();
    window_.enableTimer2();
}

void RunController::fillResultSheet()
{
    ResultSheetView& view = *window_.resultSheetView;
    const CircuitModel& m = window_.model();
    const RunResults& results = window_.results();
    // While a train runs, its messages come with the step's report.
    if (m.stimulationMode == 0 && state_->runInProgress == 0 && hasResults(results)) {
        const ResultMessages messages = storedTrainMessages(results);
        showMessages(messages.LabelRes1, messages.LabelRes2, messages.captureLamp);
    }
    view.fillResultSheet(resultSheetStep(m, results, view.ScrollBar1->value()));
}

void RunController::ScrollBar1Change(int position)
{
    ResultSheetView& view = *window_.resultSheetView;
    if (state_->runInProgress != 0) {
        // During a run ScrollBar1 follows the scan steps; the steps ahead hold nothing yet.
        view.setScanStep(state_->scanStep, state_->scanCount);
        return;
    }
    window_.session().scrollBar2.position = position;
    const CircuitModel& m = window_.model();
    const RunResults& results = window_.results();
    if (m.stimulationMode == 1 && hasResults(results)) {
        const int step = resultSheetStep(m, results, position);
        const ResultMessages messages = storedStepMessages(
            results.ScanStepRecords[step], m.estimatedCycleLength, state_->runDone == 1);
        showMessages(messages.LabelRes1, messages.LabelRes2, messages.captureLamp);
    }
    fillResultSheet();
}

void RunController::CheckBoxERPClick()
{
    state_->warningMode = kWarningsEnabled;
    fillResultSheet();
}

void RunController::resultPageActivated()
{
    fillResultSheet();
    window_.refreshStatusBar();
    resultPage = TabSheet_res1;
}

void RunController::ListView1MouseDown(const HistoryRow& row)
{
    const EntryOutcome restored = restoreHistoryRow(window_.form(), row);
    if (!restored.accepted) {
        showError(QString::fromStdString(restored.error));
        return;
    }
    window_.selectPage(TabSheet_des2);
}

void RunController::connectListView1(QTreeWidget* list)
{
    connect(list, &QTreeWidget::itemClicked, this, [this](QTreeWidgetItem* item, int) {
        if (item)
            ListView1MouseDown(historyRowOf(*item));
    });
}

HistoryRow historyRowOf(const QTreeWidgetItem& item)
{
    HistoryRow row;
    std::string* cells[] = {&row.time,        &row.mode,    &row.site,
                            &row.revolutions, &row.decrement, &row.stimuli,
                            &row.pacingCycleLength, &row.couplingInterval};
    for (int column = 0; column < 8; ++column)
        *cells[column] = item.text(column).toStdString();
    return row;
}

}  // namespace quorel::gui
