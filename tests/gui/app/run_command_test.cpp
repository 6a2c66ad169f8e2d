// The Calculation command driven through the window: the tool button, the run with its
// result sheet, sounds, status bar and history row, the refusal of a red lamp, the
// warning dialog with its three choices, browsing the steps, "display ERP",
// "selected-10", and restoring a protocol from the history list.

#include "engine/run_driver.h"
#include "engine/run_state.h"

#include "app/run_command.h"
#include "app/status_panels.h"
#include "dialogs/please_wait_window.h"
#include "dialogs/warning_dialog.h"
#include "model/circuit_construction.h"
#include "model/conduction.h"
#include "model/parameter_form.h"
#include "pages/param4_page.h"
#include "pages/prn_file_page.h"
#include "presentation/result_sheet.h"
#include "presentation/status_bar.h"
#include "shell_test_support.h"
#include "views/result_sheet_view.h"

#include <QHeaderView>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QTreeWidget>

#include <optional>

using namespace quorel;
using namespace quorel::gui;
using namespace quorel::gui::testing;

namespace {

// The same protocol run by the engine alone, on a copy of the window's model.
struct DirectRun {
    std::unique_ptr<CircuitModel> model;
    std::unique_ptr<RunResults> results = createRunResults();
    std::unique_ptr<RunState> state = createRunState();

    explicit DirectRun(const CircuitModel& original) : model(std::make_unique<CircuitModel>(original))
    {
        RunHooks silent;
        outcome = runProtocol(*model, *state, *results, silent);
    }
    RunOutcome outcome;
};

QRadioButton* radioOf(TForm1& dialog, TForm1::Choice choice)
{
    switch (choice) {
    case TForm1::StartOver: return dialog.RadioButtonStartOver;
    case TForm1::ResetInterval: return dialog.RadioButtonReset;
    case TForm1::Continue: break;
    }
    return dialog.RadioButtonContinue;
}

struct RunCommandTest : ShellFixture {
    std::unique_ptr<TSDIAppForm> window;
    QStringList errorBoxes;
    // Warning dialogs: how many were shown, what they said, what was selected when they
    // opened, and how many sounds had played by then.
    int dialogs = 0;
    std::vector<QString> dialogLabel2;
    std::vector<TForm1::Choice> choiceAtShowing;
    std::vector<size_t> soundsAtShowing;

    void SetUp() override
    {
        ShellFixture::SetUp();
        window = makeWindow();
        window->show();
        run().showErrorBox = [this](const QString& text) { errorBoxes << text; };
        window->entryMessageDisplay = [this](QMessageBox::Icon, const QString& text) { errorBoxes << text; };
    }

    RunController& run() { return *window->runController; }
    ResultSheetView& sheet() { return *window->resultSheetView; }
    CircuitModel& model() { return window->model(); }

    void clickCalculation() { QTest::mouseClick(window->SpeedButton1, Qt::LeftButton); }

    // Answers every warning dialog with `choice` (the dialog itself is not executed).
    void answerWarningsWith(std::optional<TForm1::Choice> choice)
    {
        run().showWarningDialog = [this, choice](TForm1& dialog) {
            ++dialogs;
            dialogLabel2.push_back(dialog.Label2->text());
            choiceAtShowing.push_back(dialog.choice());
            soundsAtShowing.push_back(sounds->played.size());
            if (choice)
                radioOf(dialog, *choice)->setChecked(true);
        };
    }

    // Q = 5 ms with 40 inner sites on a loop of 1 cm radius: an inner segment conducts
    // in about 3 ms, faster than one clock step.
    void buildConductionWarningCircuit()
    {
        ParameterForm& form = window->form();
        ASSERT_TRUE(form.editChange(1, "0.01").accepted);
        ASSERT_TRUE(form.editChange(19, "0.005").accepted);
        ASSERT_TRUE(form.editChange(4, "40").accepted);
        form.editExit(4);
        form.OnTabChange(FormPage::TabSheet_des2);   // the derived model, as a page change builds it
        form.ComboBoxSChange(4);
    }

    std::string cellText(int column, int row)
    {
        const QTableWidgetItem* item = sheet().SGRES->item(row, column);
        return item ? item->text().toStdString() : std::string();
    }

    // Every cell of SGRES against the cells of the engine's own results for `step`.
    void expectSheetShows(const DirectRun& direct, int step)
    {
        const ResultSheetLayout layout =
            resultSheetLayout(model(), direct.results->shownRevolutionCount, window->session().displayErp == 1);
        ASSERT_EQ(sheet().SGRES->rowCount(), layout.rowCount);
        ASSERT_EQ(sheet().SGRES->columnCount(), layout.columnCount);
        int differences = 0;
        for (int row = 0; row < layout.rowCount; ++row)
            for (int column = 0; column < layout.columnCount; ++column) {
                const std::string expected =
                    resultCellText(model(), *direct.results, layout, step, column, row, true);
                if (cellText(column, row) != expected && ++differences <= 5)
                    ADD_FAILURE() << "step " << step << " cell (" << column << ", " << row << "): "
                                  << cellText(column, row) << " instead of " << expected;
            }
        EXPECT_EQ(differences, 0);
    }

    std::vector<Sound> soundsPlayed() const
    {
        std::vector<Sound> list;
        for (const auto& p : sounds->played)
            list.push_back(p.sound);
        return list;
    }
};

}  // namespace

TEST_F(RunCommandTest, BeforeAnyRunTheSheetInvitesACalculation)
{
    EXPECT_EQ(sheet().LabelRes1->text(), "Click <Calculation> button");
    EXPECT_EQ(sheet().LabelRes2->text(), "   if you are ready.");
    EXPECT_EQ(cellText(5, 0), "5");
    EXPECT_EQ(cellText(0, 1), "1");
    EXPECT_EQ(cellText(5, 1), "");   // the layout, no numbers
    EXPECT_EQ(sheet().Label161->text(), "0.2513sec");
    EXPECT_TRUE(window->GoItem->isEnabled());
    EXPECT_TRUE(window->SpeedButton1->isEnabled());
    EXPECT_TRUE(window->SpeedButton4->isEnabled());   // the animation calculates first
    EXPECT_FALSE(window->prnFilePage->CheckBox4->isEnabled());
}

TEST_F(RunCommandTest, ADefaultRunAtSite5FillsTheSheetWithTheEnginesNumbers)
{
    window->SpeedButton5Click();   // sounds on
    window->form().ComboBoxSChange(4);
    ASSERT_EQ(model().stimulusSite, 5);
    const DirectRun direct(model());
    ASSERT_EQ(direct.outcome, RunOutcome::Completed);
    ASSERT_EQ(direct.results->scanCount, 6);

    // The please-wait window is up while the steps arrive.
    bool waitShown = false;
    QString waitText;
    QTimer::singleShot(0, window.get(), [&] {
        waitShown = window->Form3->isVisible();
        waitText = window->Form3->Label1->text();
    });
    window->selectPage(TabSheet_general);
    clickCalculation();

    EXPECT_TRUE(waitShown);
    EXPECT_EQ(waitText, "Now Calculating");
    EXPECT_FALSE(window->Form3->isVisible());
    EXPECT_EQ(window->currentPage(), TabSheet_res1);
    EXPECT_TRUE(errorBoxes.isEmpty());
    EXPECT_EQ(run().state().runBusy, 0);

    // The last step is on the sheet, with its messages and the scroll bar on it.
    EXPECT_EQ(sheet().ScrollBar1->maximum(), 6);
    EXPECT_EQ(sheet().ScrollBar1->value(), 6);
    EXPECT_EQ(sheet().LabelRev->text(), "6");
    EXPECT_FALSE(sheet().ScrollBar1->isHidden());
    EXPECT_EQ(sheet().LabelRes1->text(), "Stimulus capture at coupling interval 0.2527 (0.0013) sec at site5");
    expectSheetShows(direct, 6);
    EXPECT_EQ(cellText(1, 1), "0.000");   // site 1 starts every step

    // The results are the engine's, to the bit.
    const RunResults& shown = window->results();
    for (int step = 1; step <= 6; ++step)
        for (int site = 1; site <= model().totalSiteCount + 1; ++site)
            for (int r = 1; r <= shown.shownRevolutionCount; ++r) {
                const ActivationRecord& a = shown.SiteActivation[step][site][r];
                const ActivationRecord& b = direct.results->SiteActivation[step][site][r];
                ASSERT_TRUE(a.time == b.time && a.code == b.code && a.erp == b.erp)
                    << step << " " << site << " " << r;
            }

    // One capture or no-capture sound per step; the lamp and time in the status bar.
    const std::vector<Sound> expected = {Sound::S99_19e, Sound::S99_60e, Sound::S99_60e,
                                         Sound::S99_60e, Sound::S99_60e, Sound::S99_19e};
    EXPECT_EQ(soundsPlayed(), expected);
    EXPECT_EQ(window->results().captureLamp, 1);
    EXPECT_EQ(window->statusTimeText().toStdString(), statusBarTimeText(run().state().currentTime));

    // The end of the run: history row, print options, Timer2.
    ASSERT_EQ(window->session().history.rows.size(), 1u);
    const HistoryRow& row = window->session().history.rows[0];
    EXPECT_EQ(row.mode, "Single");
    EXPECT_EQ(row.site, "5");
    EXPECT_EQ(row.revolutions, std::to_string(model().revolutionCount));
    EXPECT_EQ(row.decrement, "50");
    EXPECT_EQ(row.stimuli, "1");
    EXPECT_EQ(row.pacingCycleLength + row.couplingInterval, "");
    EXPECT_TRUE(window->prnFilePage->CheckBox4->isEnabled());
    EXPECT_TRUE(window->prnFilePage->RadioButtonCUR->isEnabled());
    EXPECT_TRUE(window->Timer2->isActive());
}

TEST_F(RunCommandTest, BrowsingTheStepsDisplayErpAndSelectedSites)
{
    window->form().ComboBoxSChange(4);
    const DirectRun direct(model());
    clickCalculation();
    ASSERT_EQ(window->session().history.rows.size(), 1u);

    // ScrollBar1 moved by the user: the step's table, messages and lamp from the records.
    QScrollBar* bar = sheet().ScrollBar1;
    bar->triggerAction(QAbstractSlider::SliderToMinimum);
    EXPECT_EQ(sheet().LabelRev->text(), "1");
    EXPECT_EQ(sheet().LabelRes1->text(), "Stimulus capture at coupling interval 0.5027 (0.2513) sec at site5");
    EXPECT_EQ(window->results().captureLamp, 1);
    expectSheetShows(direct, 1);
    bar->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(sheet().LabelRev->text(), "2");
    EXPECT_EQ(sheet().LabelRes1->text(), "No stimulus capture at coupling interval 0.4527 (0.2013) sec at site5");
    EXPECT_EQ(sheet().LabelRes2->text(), "");
    EXPECT_EQ(window->results().captureLamp, 0);
    EXPECT_EQ(window->session().scrollBar2.position, 2);
    expectSheetShows(direct, 2);

    // "display ERP": a fourth row per revolution, run-time warnings enabled again.
    const int revolutions = window->results().shownRevolutionCount;
    run().state().warningMode = kWarningsSilenced;
    QTest::mouseClick(sheet().CheckBoxERP, Qt::LeftButton, {}, QPoint(6, sheet().CheckBoxERP->height() / 2));
    EXPECT_EQ(window->session().displayErp, 1);
    EXPECT_EQ(run().state().warningMode, kWarningsEnabled);
    EXPECT_EQ(sheet().SGRES->rowCount(), revolutions * 4 + 1);
    EXPECT_EQ(cellText(0, 3), "ERP");
    expectSheetShows(direct, 2);

    // "selected-10" with three chosen sites (two columns may name one site).
    ParameterForm& form = window->form();
    form.ComboBox1Change(1, 6);
    form.ComboBox1Change(2, 6);
    form.ComboBox1Change(3, 11);
    form.selectRadio(12);
    EXPECT_EQ(sheet().SGRES->columnCount(), 13);
    EXPECT_EQ(cellText(1, 0), "7");
    EXPECT_EQ(cellText(2, 0), "7");
    EXPECT_EQ(cellText(3, 0), "12");
    expectSheetShows(direct, 2);
    form.selectRadio(11);
    EXPECT_EQ(sheet().SGRES->columnCount(), model().totalSiteCount + 3);
}

TEST_F(RunCommandTest, ACalculationShowsThePageOpenedLastAndIgnoresASecondOneWhileBusy)
{
    window->selectPage(TabSheet_ecg);
    int secondCalculations = 0;
    QTimer::singleShot(0, window.get(), [&] {
        ++secondCalculations;
        clickCalculation();   // arrives while the first run is busy
    });
    clickCalculation();
    EXPECT_EQ(secondCalculations, 1);
    EXPECT_EQ(window->session().history.rows.size(), 1u);
    EXPECT_EQ(window->currentPage(), TabSheet_ecg);

    // The page change tells that "result" was opened.
    window->selectPage(TabSheet_res1);
    window->onResultPageActivated();
    window->selectPage(TabSheet_memo);
    clickCalculation();
    EXPECT_EQ(window->currentPage(), TabSheet_res1);
    EXPECT_EQ(window->session().history.rows.size(), 2u);
}

TEST_F(RunCommandTest, ATrainRunHidesTheScrollBarAndKeepsItsOwnMessages)
{
    ParameterForm& form = window->form();
    form.ComboBoxSChange(4);
    form.selectRadio(10);
    ASSERT_EQ(model().stimulationMode, 0);
    const DirectRun direct(model());
    window->GoItem->trigger();   // the menu item routes the same way as the tool button

    EXPECT_TRUE(sheet().ScrollBar1->isHidden());
    EXPECT_TRUE(sheet().LabelRev->isHidden());
    EXPECT_EQ(sheet().LabelRes1->text(), "Stimulus capture 1 / 5 times at site5");
    EXPECT_EQ(sheet().LabelRes2->text(), " coupling interval of first beat = 0.2000 sec");
    EXPECT_EQ(sheet().SGRES->rowCount(), (model().trainStimulusCount + 5) * 3 + 1);
    expectSheetShows(direct, 1);
    ASSERT_EQ(window->session().history.rows.size(), 1u);
    const HistoryRow& row = window->session().history.rows[0];
    EXPECT_EQ(row.mode, "Train");
    EXPECT_EQ(row.revolutions, "10");
    EXPECT_EQ(row.decrement, "");
    EXPECT_EQ(row.stimuli, "5");
    EXPECT_EQ(row.couplingInterval, "0.2000");

    // A protocol edited afterwards does not rewrite what the train's results say.
    form.ComboBoxSChange(2);
    window->onResultPageActivated();
    EXPECT_EQ(sheet().LabelRes1->text(), "Stimulus capture 1 / 5 times at site5");
    EXPECT_EQ(window->results().ScanStepRecords[1].stimulusSite, 5.0);

    // Back to single stimuli: the next run shows the scroll bar again.
    form.selectRadio(9);
    clickCalculation();
    EXPECT_FALSE(sheet().ScrollBar1->isHidden());
    EXPECT_FALSE(sheet().LabelRev->isHidden());
}

TEST_F(RunCommandTest, ARedLampRefusesTheRun)
{
    for (int soundOn : {1, 0}) {
        if (window->shell().soundOn != soundOn)
            window->SpeedButton5Click();
        sounds->played.clear();
        errorBoxes.clear();
        model().hasDelayPath = 1;   // a delay path without segments
        model().delaySegmentCount = 0;
        window->selectPage(TabSheet_res1);
        clickCalculation();

        EXPECT_EQ(errorBoxes, QStringList{"check error"});
        EXPECT_EQ(window->currentPage(), TabSheet_bs);
        EXPECT_TRUE(window->Timer2->isActive());
        EXPECT_EQ(soundsPlayed(), soundOn ? std::vector<Sound>{Sound::S99_66e} : std::vector<Sound>{});
        EXPECT_EQ(run().state().runDone, 0);
        EXPECT_EQ(window->results().scanCount, 0);
        EXPECT_TRUE(window->session().history.rows.empty());
        EXPECT_EQ(sheet().LabelRes1->text(), "Click <Calculation> button");
        window->Timer2->stop();
    }

    // A box left holding no number stops the command with the conversion message.
    model().hasDelayPath = 0;
    errorBoxes.clear();
    ParameterForm& form = window->form();
    form.editEnter(4);
    form.editChange(4, "");
    clickCalculation();
    ASSERT_EQ(errorBoxes.size(), 1);
    EXPECT_NE(errorBoxes[0], "check error");
    EXPECT_EQ(run().state().runDone, 0);
}

TEST_F(RunCommandTest, TheRealWarningDialogIsCentredAndAnsweredContinue)
{
    buildConductionWarningCircuit();
    window->SpeedButton5Click();
    TForm1* shown = nullptr;
    QString label1, label3;
    QPoint centreOffset;
    int scrollBarDuringDialog = -1;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<TForm1*>(QApplication::activeModalWidget());
        if (!dialog || shown)
            return;
        shown = dialog;
        label1 = dialog->Label1->text();
        label3 = dialog->Label3->text();
        const QRect main = window->frameGeometry();
        centreOffset = dialog->pos() - QPoint(main.left() + main.width() / 2 - dialog->width() / 2,
                                              main.top() + main.height() / 2 - dialog->height() / 2);
        // A user's move of ScrollBar1 during the run: it stays on the step being computed.
        sheet().ScrollBar1->setValue(4);
        scrollBarDuringDialog = sheet().ScrollBar1->value();
        QTest::mouseClick(dialog->RadioButtonContinue, Qt::LeftButton, {}, QPoint(6, 8));
        QTest::mouseClick(dialog->findChild<QPushButton*>("ButtonOK"), Qt::LeftButton);
    });
    poll.start(5);
    clickCalculation();
    poll.stop();

    ASSERT_EQ(shown, window->Form1);
    EXPECT_EQ(label1, "********** WARNING **********");
    EXPECT_TRUE(label3.startsWith("   is less than the scanning interval 0.0050")) << label3.toStdString();
    EXPECT_EQ(centreOffset, QPoint(0, 0));
    EXPECT_EQ(scrollBarDuringDialog, 1);
    // "continue": no further warning, the whole scan runs.
    EXPECT_EQ(window->session().history.rows.size(), 1u);
    EXPECT_EQ(window->results().scanCount, sheet().ScrollBar1->maximum());
    EXPECT_EQ(sheet().ScrollBar1->value(), sheet().ScrollBar1->maximum());
    EXPECT_EQ(window->currentPage(), TabSheet_res1);
    // The conduction warning sounds after its dialog: the first sound of the run.
    ASSERT_FALSE(sounds->played.empty());
    EXPECT_EQ(sounds->played.front().sound, Sound::S99_60e);
}

TEST_F(RunCommandTest, StartOverAndResetEndTheRunAndOpenTheirPages)
{
    buildConductionWarningCircuit();
    window->SpeedButton5Click();
    const struct {
        TForm1::Choice choice;
        Page page;
    } cases[] = {{TForm1::StartOver, TabSheet_general}, {TForm1::ResetInterval, TabSheet_des2}};
    size_t rows = 0;
    for (const auto& c : cases) {
        answerWarningsWith(c.choice);
        sounds->played.clear();
        window->prnFilePage->setResultPrintOptionsEnabled(false);
        window->selectPage(TabSheet_memo);
        clickCalculation();

        EXPECT_EQ(window->currentPage(), c.page);
        EXPECT_EQ(dialogs, static_cast<int>(++rows));
        EXPECT_TRUE(dialogLabel2.back().startsWith("Conduction time from site")) << dialogLabel2.back().toStdString();
        EXPECT_EQ(soundsAtShowing.back(), 0u);   // the conduction warning sounds afterwards
        EXPECT_EQ(soundsPlayed(), std::vector<Sound>{Sound::S99_60e});   // and no step finished
        // The aborted run still ends: history row, print options, flags cleared.
        EXPECT_EQ(window->session().history.rows.size(), rows);
        EXPECT_TRUE(window->prnFilePage->CheckBox4->isEnabled());
        EXPECT_FALSE(window->Form3->isVisible());
        EXPECT_EQ(run().state().runBusy, 0);
        EXPECT_EQ(run().state().runInProgress, 0);
        EXPECT_EQ(run().state().warningMode, kWarningsEnabled);
    }
    // The dialog keeps the last choice: the next showing opens on "reset".
    answerWarningsWith(std::nullopt);
    clickCalculation();
    EXPECT_EQ(choiceAtShowing.back(), TForm1::ResetInterval);
}

TEST_F(RunCommandTest, TheRefractoryWarningSoundsBeforeItsDialog)
{
    // Site 7's entered ERP of 1 ms is below every conduction time into it.
    CircuitModel& m = model();
    m.clockStep = 0.005;
    m.circuitRadius = 0.01;
    for (int x = 1; x < kSiteRows; ++x)
        erp(m, x) = 0.08;
    erp(m, 7) = 0.001;
    rebuildCircuit(m);
    estimateCycleLength(m);
    setDiastolicIntervals(m);
    computeCvConstants(m);
    window->SpeedButton5Click();
    answerWarningsWith(TForm1::Continue);
    clickCalculation();

    ASSERT_EQ(dialogs, 1);
    EXPECT_EQ(dialogLabel2[0], "Conduction time from site6 to site7");
    EXPECT_EQ(soundsAtShowing[0], 1u);
    EXPECT_EQ(sounds->played.front().sound, Sound::S99_60e);
    EXPECT_EQ(window->session().history.rows.size(), 1u);
}

TEST_F(RunCommandTest, AHistoryRowPutsItsProtocolBack)
{
    // A history list made as the "param4" page makes it.
    Param4Page page(window->form());
    page.resize(520, 360);
    page.show();
    window->param4Page = &page;
    run().connectListView1(page.ListView1);

    window->form().ComboBoxSChange(4);
    clickCalculation();   // a "Single" row at site 5, through the run
    ASSERT_EQ(page.ListView1->topLevelItemCount(), 1);
    auto& rows = window->session().history.rows;
    rows.push_back({"2024/01/02 10:00:00", "Train", "7", "10", "", "5", "0.3000", "0.2500"});
    rows.push_back({"2024/01/02 10:05:00", "Single", "4", "8", "30", "1", "", ""});
    page.syncFromForm();
    ASSERT_EQ(page.ListView1->topLevelItemCount(), 3);
    QApplication::processEvents();

    auto clickRow = [&](int index) {
        QTreeWidgetItem* item = page.ListView1->topLevelItem(index);
        QTest::mouseClick(page.ListView1->viewport(), Qt::LeftButton, {},
                          page.ListView1->visualItemRect(item).center());
    };
    const ParameterForm& form = window->form();
    CircuitModel& m = model();

    window->selectPage(TabSheet_res1);
    clickRow(1);   // "Train"
    EXPECT_EQ(window->currentPage(), TabSheet_des2);
    EXPECT_EQ(m.stimulationMode, 0);
    EXPECT_EQ(m.stimulusSite, 7);
    EXPECT_EQ(m.revolutionCount, 10);
    EXPECT_EQ(m.trainStimulusCount, 5);
    EXPECT_DOUBLE_EQ(m.pacingCycleLength, 0.3);
    EXPECT_DOUBLE_EQ(m.firstCouplingInterval, 0.25);
    EXPECT_DOUBLE_EQ(m.scanDecrementMs, 50.0);   // its cell is empty
    EXPECT_EQ(form.boxText(20), "10");
    EXPECT_EQ(form.boxText(21), "5");

    window->selectPage(TabSheet_res1);
    clickRow(2);   // "Single"
    EXPECT_EQ(window->currentPage(), TabSheet_des2);
    EXPECT_EQ(m.stimulationMode, 1);
    EXPECT_EQ(m.stimulusSite, 4);
    EXPECT_EQ(m.revolutionCount, 8);
    EXPECT_DOUBLE_EQ(m.scanDecrementMs, 30.0);
    EXPECT_EQ(m.trainStimulusCount, 1);
    EXPECT_DOUBLE_EQ(m.pacingCycleLength, 0.3);   // empty cells leave them
    EXPECT_DOUBLE_EQ(m.firstCouplingInterval, 0.25);
    EXPECT_EQ(form.boxText(25), "30");

    // Outside every row nothing happens.
    window->selectPage(TabSheet_res1);
    QTest::mouseClick(page.ListView1->viewport(), Qt::LeftButton, {},
                      QPoint(10, page.ListView1->viewport()->height() - 4));
    EXPECT_EQ(window->currentPage(), TabSheet_res1);
    EXPECT_EQ(m.stimulusSite, 4);

    // A cell that is no number: the message, what came before it stays, no page change.
    rows.push_back({"t", "Single", "6", "x", "20", "1", "", ""});
    page.syncFromForm();
    clickRow(3);
    EXPECT_EQ(errorBoxes.size(), 1);
    EXPECT_EQ(m.stimulusSite, 6);
    EXPECT_DOUBLE_EQ(m.scanDecrementMs, 30.0);
    EXPECT_EQ(window->currentPage(), TabSheet_res1);
    window->param4Page = nullptr;
}

TEST_F(RunCommandTest, LargeFontsNarrowTheSummaryColumnsAndDisplayErpIsStored)
{
    ShellOptions o = options();
    o.logicalDpi = 120;
    TSDIAppForm large(o);
    EXPECT_EQ(large.resultSheetView->SGRES->columnWidth(large.model().totalSiteCount + 1), 39);
    EXPECT_EQ(sheet().SGRES->columnWidth(model().totalSiteCount + 1), 42);
    EXPECT_EQ(sheet().fixedColumn()->sizeHint().width(), 32);   // the row labels, kept in view
    EXPECT_EQ(sheet().SGRES->columnWidth(1), 35);

    EXPECT_TRUE(window->windowSettings().keys().contains("TSDIAppForm/CheckBoxERP.Checked"));
    sheet().CheckBoxERP->setChecked(true);
    ASSERT_TRUE(window->saveWindowSettings());
    TSDIAppForm again(options());
    EXPECT_TRUE(again.resultSheetView->CheckBoxERP->isChecked());
    EXPECT_EQ(again.session().displayErp, 1);
    EXPECT_EQ(again.resultSheetView->SGRES->rowCount(), again.model().revolutionCount * 4 + 1);
}
