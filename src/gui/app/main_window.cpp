#include "app/main_window.h"

#include <QTabWidget>

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

TSDIAppForm::TSDIAppForm(QWidget* parent) : QMainWindow(parent), model_(createModel())
{
    setObjectName("SDIAppForm");
    setWindowTitle(QStringLiteral("Quorel : [untitled]"));
    createPages();
    resize(507, 432);
}

TSDIAppForm::~TSDIAppForm() = default;

void TSDIAppForm::createPages()
{
    PageControl1 = new QTabWidget(this);
    PageControl1->setObjectName("PageControl1");
    for (const PageSpec& spec : kPages) {
        auto* page = new QWidget(PageControl1);
        page->setObjectName(spec.objectName);
        const int index = PageControl1->addTab(page, QString::fromUtf8(spec.caption));
        PageControl1->setTabToolTip(index, QString::fromUtf8(spec.hint));
    }
    for (int hidden : {TabSheet_Out, TabSheet_delay, TabSheet_de1, TabSheet_de2})
        PageControl1->setTabVisible(hidden, false);
    setCentralWidget(PageControl1);
}

}  // namespace quorel::gui
