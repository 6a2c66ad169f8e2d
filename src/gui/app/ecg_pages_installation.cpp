// The "ECG" and "ECG set" pages, the site pop-up TForm2, and what ties them to the
// window: the page changes, the end of a run, the status bar, the result page's step
// and the parameter form.
#include "app/main_window.h"

#include "app/page_control.h"
#include "app/run_command.h"
#include "app/status_panels.h"
#include "dialogs/site_popup.h"
#include "engine/run_state.h"
#include "model/parameter_form.h"
#include "pages/param2_page.h"
#include "pages/segment_table_view.h"
#include "presentation/ecg_channel_labels.h"
#include "presentation/shell_layout.h"
#include "presentation/site_popup_placement.h"
#include "views/ecg_page_view.h"
#include "views/ecg_set_page.h"
#include "views/result_sheet_view.h"

#include <QCheckBox>
#include <QLabel>
#include <QLayout>
#include <QPointer>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <memory>
#include <utility>

namespace quorel::gui {

namespace {

int visibleTabCount(const PageControl& pages)
{
    int count = 0;
    for (int i = 0; i < pages.count(); ++i)
        count += pages.isTabVisible(i) ? 1 : 0;
    return count;
}

}  // namespace

void TSDIAppForm::installEcgPages()
{
    ecgPageView = new EcgPageView(*model_, *results_, *session_, pageWidget(TabSheet_ecg));
    pageWidget(TabSheet_ecg)->layout()->addWidget(ecgPageView);
    ecgPageView->setLargeFonts(shell_.largeFonts == 1);
    ecgSetPage = new EcgSetPage(*model_, pageWidget(TabSheet_ecgset));
    pageWidget(TabSheet_ecgset)->layout()->addWidget(ecgSetPage);
    ecgSetPage->setSGDI2(param2Page->createSGDI2(ecgSetPage));
    Form2 = new TForm2(this);

    EcgPageView* ecg = ecgPageView;
    EcgSetPage* ecgSet = ecgSetPage;
    RunController* run = runController;
    ecg->runInProgress = [run] { return run->state().runInProgress != 0; };
    ecg->selectSiteFromPopup = [this, ecg](int channel) {
        const QRect frame = frameGeometry();
        SitePopupGeometry g;
        g.mainLeft = frame.left();
        g.mainTop = frame.top();
        g.U = ecg->page().U();
        g.pageControlWidth = PageControl1->width();
        g.visibleTabCount = visibleTabCount(*PageControl1);
        const WindowOrigin at = sitePopupOrigin(g, channel);
        return Form2->selectSiteFromPopup(*model_, model_->ecgChannelSite[channel], QPoint(at.left, at.top));
    };
    ecg->showCursorTime = [this](const QString& text) {
        if (currentPage() == TabSheet_ecg)
            StatusBar1->paintTimeNow(text);
    };
    ecg->startChanged = [this](int startMs) { setEcgCursorMs(startMs); };
    ecg->captureLampChanged = [this] { refreshStatusBar(); };
    ecg->scanStepChanged = [this](int step) { resultSheetView->ScrollBar1->setValue(step); };
    ecg->channelSitesChanged = [ecgSet] { ecgSet->syncFromModel(); };
    ecgSet->onComboBoxECGChange = [ecg](int tag, int itemIndex) {
        ecg->apply(ecg->page().ComboBoxECGChange(tag, itemIndex));
    };

    // On toggled, so that the stored settings applied at start-up run the rules as clicks.
    const QString section = QStringLiteral("TSDIAppForm");
    settings_.addButton(section, ecg->CheckBox6);
    settings_.addButton(section, ecg->CheckBox7);
    registerEcgViewSizes(section);

    // After the page change has brought the model up to date (connected before this).
    connect(PageControl1, &QTabWidget::currentChanged, ecg, [this, ecg](int index) {
        if (index != PageControl1->currentIndex() || !PageControl1->pageTabBar()->isReachable(index))
            return;
        ecg->pageChanged();
        if (index == TabSheet_ecg) {
            ecg->syncControls();  // ScrollBar1 may have moved the step
            ecg->rebuildRaster();
        }
    });
    connect(run, &RunController::runFinished, ecg, [ecg] {
        ecg->rebuildRaster();
        ecg->syncControls();
    });
    // The form refills the site lists and recolours the channels (stimulus site, regions).
    form_->addChangeListener([ecg = QPointer<EcgPageView>(ecg), ecgSet = QPointer<EcgSetPage>(ecgSet)] {
        if (ecgSet)
            ecgSet->syncFromModel();
        if (ecg)
            ecg->coloursChanged();
    });
}

void TSDIAppForm::registerEcgViewSizes(const QString& section)
{
    EcgPageView* ecg = ecgPageView;
    // The strip as the window's present size lays it out, also when the page was never
    // opened: what the file keeps is the strip the user would see.
    const auto stripSize = [this, ecg] {
        const QWidget* shown = PageControl1->currentWidget();
        return ecg->stripSizeIn(shown ? shown->size() : QSize());
    };
    // A stored strip larger than the one the start size gives grows the window once, as
    // it is first shown, within the screen: the ECG comes back as large as it was left.
    auto wanted = std::make_shared<QSize>(-1, -1);
    // Label205 sits at the strip's right end: its place follows from PaintBox2.Width.
    settings_.addValue(
        section, QStringLiteral("Label205.Left"),
        [ecg, stripSize] {
            stripSize();
            return ecg->Label205->mapTo(ecg, QPoint(0, 0)).x();
        },
        [](int) {});
    settings_.addValue(
        section, QStringLiteral("PaintBox2.Height"), [stripSize] { return stripSize().height(); },
        [wanted](int height) { wanted->setHeight(height); });
    settings_.addValue(
        section, QStringLiteral("PaintBox2.Width"), [stripSize] { return stripSize().width(); },
        [wanted](int width) { wanted->setWidth(width); });
    connect(this, &TSDIAppForm::windowShown, ecg, [this, wanted, stripSize] {
        const QSize stored = std::exchange(*wanted, QSize(-1, -1));
        if (stored.width() < 0 && stored.height() < 0)
            return;
        const QSize now = stripSize();
        const QSize grow(std::max(0, stored.width() - now.width()),
                         std::max(0, stored.height() - now.height()));
        const QScreen* s = screen();
        if (grow.isNull() || !s)
            return;
        const QRect area = s->availableGeometry();
        const QSize frame = frameGeometry().size() - size();
        const QSize client = (size() + grow).boundedTo(area.size() - frame).expandedTo(minimumSize());
        resize(client);
        const WindowOrigin o = centredIn(area.left(), area.top(), area.width(), area.height(),
                                         client.width() + frame.width(), client.height() + frame.height());
        move(o.left, o.top);
    });
}

void TSDIAppForm::ecgStateLoaded()
{
    // The loaded channel sites with their colours, as choosing each in its list gives.
    recomputeEcgChannelColours(*model_);
    ecgSetPage->syncFromModel();
    ecgPageView->circuitSetLoaded();
    refreshStatusBar();
}

}  // namespace quorel::gui
