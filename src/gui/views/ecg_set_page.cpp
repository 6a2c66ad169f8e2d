#include "views/ecg_set_page.h"

#include "pages/spin_edit.h"
#include "views/site_list.h"

#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace quorel::gui {

namespace {

constexpr int kListsPerRow = 4;

}  // namespace

EcgSetPage::EcgSetPage(const CircuitModel& model, QWidget* parent) : QWidget(parent), model_(model)
{
    setObjectName(QStringLiteral("TabSheet2"));
    auto* title = new QLabel(QStringLiteral("sites of the ECG channels"), this);
    title->setObjectName(QStringLiteral("LabelEcgChannels"));
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    for (int tag = 1; tag <= 16; ++tag) {
        const int row = (tag - 1) / kListsPerRow;
        const int column = 2 * ((tag - 1) % kListsPerRow);
        auto* caption = new QLabel(QString::number(tag), this);
        caption->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        SiteList* list = createSiteList(this, QStringLiteral("ComboBoxE%1").arg(tag), model_);
        list->setProperty("Tag", tag);
        lists_[static_cast<size_t>(tag - 1)] = list;
        grid->addWidget(caption, row, column);
        grid->addWidget(list, row, column + 1, Qt::AlignLeft);
        connect(list, &SiteList::siteChanged, this, [this, tag](int site) {
            if (onComboBoxECGChange)
                onComboBoxECGChange(tag, site - 1);
        });
    }
    grid->setColumnStretch(2 * kListsPerRow, 1);

    column_ = new QVBoxLayout(this);
    column_->setContentsMargins(6, 6, 6, 6);
    column_->setSpacing(4);
    column_->addWidget(title);
    column_->addLayout(grid);
    syncFromModel();
}

void EcgSetPage::syncFromModel()
{
    for (int tag = 1; tag <= 16; ++tag)
        fillSiteList(ComboBoxE(tag), model_.siteChooserItemCount, model_.ecgChannelSite[tag] - 1);
}

void EcgSetPage::setSGDI2(QWidget* table)
{
    column_->addSpacing(4);
    column_->addWidget(table, 1);
}

}  // namespace quorel::gui
