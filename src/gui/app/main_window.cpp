#include "app/main_window.h"

#include "model/parameter_form.h"

#include "app/glyphs.h"
#include "app/page_control.h"
#include "app/status_panels.h"
#include "dialogs/about_box.h"
#include "dialogs/please_wait_window.h"
#include "model/circuit_construction.h"

#include <QMenuBar>
#include <QResizeEvent>
#include <QScreen>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace quorel::gui {

namespace {

struct PageSpec {
    const char* objectName;
    const char* caption;
    const char* hint;
};

const PageSpec kPages[PageCount] = {
    {"TabSheet_general", "param1", "input general parameters"},
    {"TabSheet_Out", "loop", "input number of sites in outer loop of circuit"},
    {"TabSheet_delay", "delay", "input parameters from site1 to QRS onset"},
    {"TabSheet_de1", "DE1", "input parameters of dead-end pathway"},
    {"TabSheet_de2", "DE2", "input parameters of second dead-end pathway"},
    {"TabSheet_dc", "param2", "input --> click the edit button ( use ctrl+C & ctrl+V )"},
    {"TabSheet_bs", "check", "check error"},
    {"TabSheet_des", "circuit", "description of the circuit"},
    {"TabSheet_des2", "param3", "input parameters of stimulation"},
    {"TabSheet_param4", "param4", "input sites to be printed"},
    {"TabSheet_res1", "result", "Result"},
    {"TabSheet_memo", "memo", ""},
    {"TabSheet_prn", "prn / file", "please check at least one checkbox"},
    {"TabSheet_movie", "movie", "stop --> click the stop button"},
    {"TabSheet_ecgset", "ECG set", ""},
    {"TabSheet_ecg", "ECG", "change site --> right click site name"},
};

}  // namespace

TSDIAppForm::TSDIAppForm(QWidget* parent) : TSDIAppForm(ShellOptions{}, parent) {}

TSDIAppForm::TSDIAppForm(ShellOptions options, QWidget* parent)
    : QMainWindow(parent),
      options_(std::move(options)),
      sounds_(options_.soundPlayer ? options_.soundPlayer : std::make_shared<EffectSoundPlayer>()),
      model_(std::make_unique<CircuitModel>()),
      session_(std::make_unique<SessionState>()),
      results_(createRunResults()),
      form_(std::make_unique<ParameterForm>(*model_, *session_))
{
    // The model's start-up, with the first push through the parameter boxes.
    form_->runStartup();
    setObjectName("SDIAppForm");
    setWindowTitle(QString::fromLatin1(kBaseCaption) + QStringLiteral(" : [untitled]"));
    setWindowIcon(glyph(Glyph::ProgramIcon));
    const double dpi = options_.logicalDpi > 0 ? options_.logicalDpi : logicalDpiY();
    shell_.largeFonts = largeFontsForDpi(dpi);

    createMenus();
    createToolBar();
    createPages();
    createStatusBar();

    Timer2 = new QTimer(this);
    Timer2->setObjectName("Timer2");
    Timer2->setInterval(200);
    connect(Timer2, &QTimer::timeout, this, &TSDIAppForm::Timer2Timer);

    // The small windows exist from the start and are only shown and hidden.
    AboutBox = new TAboutBox(this);
    Form3 = new TForm3(this);

    installPages();
    installCalculator();
    settings_.restore(options_.settingsPath);
    // After the stored choices: what start-up shows counts as saved.
    installFileCommands();
    installPrintCommand();
    placeAtStart();
}

TSDIAppForm::~TSDIAppForm()
{
    // The pages and their open cell editors read the model, the session and the results,
    // which are members and would die before the window's children: the pages go first.
    formBinding_.reset();
    delete takeCentralWidget();
}

void TSDIAppForm::createPages()
{
    auto* central = new QWidget(this);
    central->setObjectName("ClientArea");
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(0, 0, 0, 0);
    column->setSpacing(0);
    column->addWidget(SpeedPanel);

    PageControl1 = new PageControl(central);
    PageControl1->setObjectName("PageControl1");
    for (int i = 0; i < PageCount; ++i) {
        const PageSpec& spec = kPages[i];
        auto* page = new QWidget(PageControl1);
        page->setObjectName(spec.objectName);
        page->setStatusTip(QString::fromUtf8(spec.hint));
        auto* pageLayout = new QVBoxLayout(page);
        pageLayout->setContentsMargins(0, 0, 0, 0);
        pageLayout->setSpacing(0);
        const int index = PageControl1->addTab(page, QString::fromUtf8(spec.caption));
        PageControl1->setTabToolTip(index, QString::fromUtf8(spec.hint));
        pages_[static_cast<size_t>(i)] = page;
    }
    for (Page hidden : {TabSheet_Out, TabSheet_delay, TabSheet_de1, TabSheet_de2})
        PageControl1->setTabVisible(hidden, false);
    PageControl1->setCurrentIndex(TabSheet_general);
    column->addWidget(PageControl1, 1);
    setCentralWidget(central);
}

QWidget* TSDIAppForm::pageWidget(Page page) const
{
    return page >= 0 && page < PageCount ? pages_[static_cast<size_t>(page)] : nullptr;
}

void TSDIAppForm::setPageVisible(Page page, bool visible)
{
    if (PageControl1->isTabVisible(page) == visible)
        return;
    PageControl1->setTabVisible(page, visible);
    applyLayout();   // the tabs may now need another number of rows
}

bool TSDIAppForm::isPageVisible(Page page) const
{
    return PageControl1->isTabVisible(page);
}

void TSDIAppForm::selectPage(Page page)
{
    // A hidden page is never opened, not even from code.
    PageControl1->selectReachable(page);
}

Page TSDIAppForm::currentPage() const
{
    return static_cast<Page>(PageControl1->currentIndex());
}

void TSDIAppForm::placeAtStart()
{
    // The client area below the menu bar is 507 x 432, and the window is never smaller.
    const QSize start(kStartClientWidth, kStartClientHeight + menuBar()->sizeHint().height());
    setMinimumSize(start);
    resize(start);
    if (const QScreen* s = screen()) {
        const QRect area = s->geometry();
        const WindowOrigin o = centredIn(area.left(), area.top(), area.width(), area.height(),
                                         start.width(), start.height());
        move(o.left, o.top);
    }
}

void TSDIAppForm::DefaultWindowSizeClick()
{
    showNormal();
    const QSize client(kStartClientWidth, kStartClientHeight + menuBar()->sizeHint().height());
    resize(client);
    if (const QScreen* s = screen()) {
        // Centred by the outer size, with whatever frame the desktop draws.
        const QSize frame = frameGeometry().size() - size();
        const QRect area = s->geometry();
        const WindowOrigin o = centredIn(area.left(), area.top(), area.width(), area.height(),
                                         client.width() + frame.width(), client.height() + frame.height());
        move(o.left, o.top);
    }
    emit defaultWindowSizeRequested();
}

void TSDIAppForm::applyLayout()
{
    ShellLayoutInput in;
    in.windowWidth = width() + kDesignFrameWidth;
    in.pageControlWidth = PageControl1->width();
    in.pageControlHeight = PageControl1->height();
    in.statusBarWidth = StatusBar1->width();
    in.tabRows = PageControl1->pageTabBar()->rowCount();
    layout_ = computeShellLayout(in);

    SpeedButton3->move(layout_.SpeedButton3Left, SpeedButton3->y());
    SpeedButton5->move(layout_.SpeedButton5Left, SpeedButton5->y());
    SpeedButton10->move(layout_.SpeedButton10Left, SpeedButton10->y());
    shell_.statusBarWidth = layout_.statusBarWidth;
    StatusBar1->setBarWidth(layout_.statusBarWidth);
    emit layoutApplied(layout_);
}

void TSDIAppForm::resizeEvent(QResizeEvent* event)
{
    QMainWindow::resizeEvent(event);
    applyLayout();
    if (model_->formShown == 1 && model_->schemeWindowOpen == 1) {
        rebuildCircuit(*model_);
        emit schemeRefreshNeeded();
    }
}

void TSDIAppForm::showEvent(QShowEvent* event)
{
    QMainWindow::showEvent(event);
    applyLayout();
    model_->formShown = 1;
    model_->schemeWindowOpen = 0;
    emit windowShown();
}

}  // namespace quorel::gui
