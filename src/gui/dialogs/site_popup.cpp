#include "dialogs/site_popup.h"

#include "presentation/site_popup_placement.h"
#include "views/site_list.h"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>
#include <functional>

namespace quorel::gui {

namespace {

// The pop-up's list tells when its drop-down closes, with or without a choice.
class PopupSiteList : public SiteList {
public:
    using SiteList::SiteList;
    std::function<void()> onHidePopup;

    void hidePopup() override
    {
        SiteList::hidePopup();
        if (onHidePopup)
            onHidePopup();
    }
};

}  // namespace

TForm2::TForm2(QWidget* parent) : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Form2"));
    setWindowTitle(QStringLiteral("Select Site"));
    setModal(true);

    auto* list = new PopupSiteList(this);
    ComboBox1 = list;
    ComboBox1->setObjectName(QStringLiteral("ComboBox1"));
    ComboBox1->setTextOffset(QPoint(2, 1));
    ComboBox1->setMaxVisibleItems(kSitePopupDropDownCount);
    QFont bold(QStringLiteral("Arial"));
    bold.setBold(true);
    ComboBox1->setFont(bold);
    Label9 = new QLabel(QStringLiteral("0"), this);
    Label9->setObjectName(QStringLiteral("Label9"));
    Label9->hide();

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(ComboBox1);
    setFixedSize(kSitePopupClientWidth, kSitePopupClientHeight);

    connect(ComboBox1, &SiteList::siteChanged, this, [this](int site) {
        chosen_ = site;
        Label9->setText(QStringLiteral("9"));
        accept();
    });
    // The choice arrives just after the drop-down closed: look once it had its turn.
    list->onHidePopup = [this] { QTimer::singleShot(0, this, [this, wait = waits_] { listClosed(wait); }); };
}

int TForm2::selectSiteFromPopup(const CircuitModel& model, int site, QPoint origin)
{
    ComboBox1->setCircuitModel(&model);
    ComboBox1->setSiteCount(model.totalSiteCount);
    const int preselected = sitePopupPreselection(site, ComboBox1->count());
    if (preselected >= 0)
        ComboBox1->setSite(preselected + 1);
    chosen_ = 0;
    ++waits_;
    Label9->setText(QStringLiteral("0"));
    origin_ = origin;
    move(origin_);
    exec();
    return chosen_;
}

void TForm2::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    move(origin_);
    QTimer::singleShot(0, ComboBox1, [this] {
        if (isVisible())
            ComboBox1->showPopup();
    });
}

void TForm2::listClosed(int wait)
{
    if (wait == waits_ && isVisible() && Label9->text() == QStringLiteral("0"))
        reject();
}

}  // namespace quorel::gui
