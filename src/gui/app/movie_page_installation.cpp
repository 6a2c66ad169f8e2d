// The "movie" page with the Animation command, and the scheme window TForm4 with the
// Show Scheme command: built once with the other pages, their stored controls
// registered, and bound to the page changes, the layout and the parameter edits.
#include "app/main_window.h"

#include "app/run_command.h"
#include "app/status_panels.h"
#include "engine/run_state.h"
#include "model/circuit_construction.h"
#include "model/parameter_form.h"
#include "text/number_text.h"
#include "views/circuit_pictures.h"
#include "views/movie_page.h"
#include "views/result_sheet_view.h"
#include "views/scheme_window.h"

#include <QCheckBox>
#include <QLayout>
#include <QRadioButton>

namespace quorel::gui {

namespace {

// What the movie page and the scheme window do for the window.
class MovieBinding {
public:
    explicit MovieBinding(TSDIAppForm& window) : window_(window) { }

    // OnAnimClick: the calculation first when there is nothing to replay, then the
    // "movie" page with the circuit laid out again, and the replay unless it runs.
    void animationCommand()
    {
        RunController& run = *window_.runController;
        if (run.state().runDone == 0 && window_.results().resultsLoaded == 0) {
            window_.selectPage(TabSheet_res1);
            if (run.state().runBusy != 0)
                return;
            run.GoCalcClick();
            // Refused by the check, or broken off by the user to change the circuit: the
            // page the answer chose stays.
            if (run.state().runDone == 0 || run.state().abortAnswer != WarningAnswer::Continue)
                return;
        }
        if (window_.currentPage() != TabSheet_movie)
            window_.selectPage(TabSheet_movie);
        MoviePage& page = *window_.moviePage;
        page.circuitLayout();
        if (page.animationRunning == 0)
            page.runAnimation();
        else
            page.PaintBox1->update();
    }

    // SpeedButton12, "Show Scheme of the Circuit(&S)".
    void showScheme()
    {
        // During a run the pages that shape the circuit are locked: it is as built.
        if (window_.runController->state().runBusy == 0)
            rebuildCircuit(window_.model());
        window_.moviePage->circuitLayout();
        window_.Form4->showScheme();
    }

    // The parameter edits, the stimulus site and the window's size changed the circuit
    // or the picture while the scheme window is open (rebuildCircuit has run).
    void refreshScheme()
    {
        const CircuitModel& m = window_.model();
        if (m.formShown != 1 || m.schemeWindowOpen != 1)
            return;
        MoviePage& page = *window_.moviePage;
        page.circuitLayout();
        page.PaintBox1->update();
        window_.Form4->refreshScheme();
    }

private:
    TSDIAppForm& window_;
};

}  // namespace

void TSDIAppForm::installMoviePage()
{
    const QString section = QStringLiteral("TSDIAppForm");
    moviePage = new MoviePage(*model_, *results_, *session_, pageWidget(TabSheet_movie));
    pageWidget(TabSheet_movie)->layout()->addWidget(moviePage);
    MoviePage* page = moviePage;
    page->setLargeFonts(shell_.largeFonts == 1);
    page->pageSize = [this] {
        const QWidget* shown = PageControl1->currentWidget();
        return shown ? shown->size() : QSize();
    };
    page->runInProgress = [this] { return runController && runController->state().runInProgress != 0; };
    // ScrollBar2 moved by the replay: the result sheet shows the same step (the ECG page
    // reads it from the session when it is opened).
    page->onScanStepShown = [this](int step) {
        if (!resultSheetView || !runController)
            return;
        resultSheetView->setScanStep(step, results_->scanCount);
        runController->ScrollBar1Change(step);
    };
    // The animation time goes to the status bar at once with three decimals; the page's
    // later repaints show it with four.
    page->onAnimationTime = [this](int milliseconds) {
        times_.movieTimeMs = milliseconds;
        StatusBar1->paintTimeNow(QString::fromStdString(fixedText(milliseconds / 1000.0, 3)));
    };
    page->onStimulusSiteLit = [this] { playSound(Sound::S99_19e); };
    connect(page, &MoviePage::startClicked, this, &TSDIAppForm::OnAnimClick);

    settings_.addValue(
        section, QStringLiteral("PaintBoxM.Width"), [page] { return page->PaintBoxM->width(); },
        [page](int width) { page->PaintBoxM->resize(std::max(1, width), page->PaintBoxM->height()); });
    settings_.addValue(
        section, QStringLiteral("PaintBoxM.Height"), [page] { return page->PaintBoxM->height(); },
        [page](int height) { page->setStripHeight(height); });
    // Panel11 holds the circuit picture: its size is kept with the others, and on reading
    // the window's layout decides it, as it does the strip's width.
    settings_.addValue(
        section, QStringLiteral("Panel11.Width"), [page] { return page->PaintBox1->width(); }, [](int) {});
    settings_.addValue(
        section, QStringLiteral("Panel11.Height"), [page] { return page->PaintBox1->height(); }, [](int) {});
    for (QAbstractButton* stored : std::initializer_list<QAbstractButton*>{
             page->CheckBox8, page->RadioButtonSS1, page->RadioButtonSS2, page->RadioButtonSS3})
        settings_.addButton(section, stored);

    // The scheme window exists from the start; it shows the movie page's table. A window
    // of its own, it belongs to the page, so that it goes with the page and never outlives
    // the model it reports its opening to.
    Form4 = new TForm4(*model_, page->siteDrawTable(), page);
    Form4->setLargeFonts(shell_.largeFonts == 1);
    for (QRadioButton* stored : {Form4->RadioButton1, Form4->RadioButton2, Form4->RadioButton3})
        settings_.addButton(QStringLiteral("TForm4"), stored);

    auto binding = std::make_shared<MovieBinding>(*this);
    setCommandHandler(Command::Animation, [binding] { binding->animationCommand(); });
    setCommandHandler(Command::ShowScheme, [binding] { binding->showScheme(); });

    // A page change stops a replay; entering "movie" prepares the page (after the page
    // change has brought the model up to date and refilled the site lists).
    connect(PageControl1, &QTabWidget::currentChanged, page, [this, page](int index) {
        stopAnimation();
        if (index == TabSheet_movie && currentPage() == TabSheet_movie)
            page->pageEntered();
    });
    // So does a new layout of the window, and the end of the program.
    connect(this, &TSDIAppForm::layoutApplied, page, [this] { stopAnimation(); });
    connect(this, &TSDIAppForm::exiting, page, [this] { stopAnimation(); });

    // The scheme follows every edit that alters the circuit while it is open: the form
    // counts its requests, and after each finished edit the picture is laid out again.
    form_->addChangeListener([binding, this, seen = form_->requestCounts()]() mutable {
        const FormRequestCounts& now = form_->requestCounts();
        if (now.schemeRefresh == seen.schemeRefresh && now.schemeRepaint == seen.schemeRepaint)
            return;
        seen = now;
        binding->refreshScheme();
    });
    connect(this, &TSDIAppForm::schemeRefreshNeeded, Form4, [binding] { binding->refreshScheme(); });
    connect(this, &TSDIAppForm::defaultWindowSizeRequested, Form4, [this] { Form4->placeAtDefault(); });
    // Showing the main window again (after it was minimised) leaves an open scheme window
    // open: it keeps following the edits.
    connect(this, &TSDIAppForm::windowShown, Form4, [this] {
        if (Form4->isVisible())
            model_->schemeWindowOpen = 1;
    });
}

void TSDIAppForm::stopAnimation()
{
    if (moviePage)
        moviePage->stopAnimation();
}

}  // namespace quorel::gui
