#include "pages/param4_page.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace quorel::gui {

namespace {

struct HistoryColumn {
    const char* title;
    int width;
};
const HistoryColumn kHistoryColumns[] = {{"time", 135}, {"S/T", 56},  {"site", 37},  {"rev.", 37},
                                         {"dec.", 40},  {"num", 40},  {"S1-S1", 60}, {"R-S1", 60}};

QStringList rowTexts(const HistoryRow& row)
{
    QStringList texts;
    for (const std::string* text : {&row.time, &row.mode, &row.site, &row.revolutions, &row.decrement,
                                    &row.stimuli, &row.pacingCycleLength, &row.couplingInterval})
        texts << QString::fromStdString(*text);
    return texts;
}

}  // namespace

Param4Page::Param4Page(ParameterForm& form, QWidget* parent) : ParameterPage(form, "TabSheet_param4", parent)
{
    auto* choice = new QHBoxLayout;
    choice->setSpacing(16);
    choice->addWidget(addRadio(11, "all", this));
    choice->addWidget(addRadio(12, "selected-10", this));
    choice->addStretch(1);

    // Two rows of five lists, each headed by its number.
    auto* lists = new QGridLayout;
    lists->setHorizontalSpacing(8);
    lists->setVerticalSpacing(1);
    for (int k = 1; k <= 10; ++k) {
        const int row = (k - 1) / 5 * 2;
        const int column = (k - 1) % 5;
        ComboBoxCaption[k] = addLabel(std::to_string(k).c_str(), this);
        ComboBoxCaption[k]->setObjectName(QStringLiteral("LabelComboBox%1").arg(k));
        ComboBox[k] = createSiteList(this, QStringLiteral("ComboBox%1").arg(k), form.model());
        lists->addWidget(ComboBoxCaption[k], row, column);
        lists->addWidget(ComboBox[k], row + 1, column);
        connect(ComboBox[k], &SiteList::currentIndexChanged, this, [this, k](int index) {
            if (index >= 0)
                form_.ComboBox1Change(k, index);
        });
    }
    lists->setRowMinimumHeight(2, 22);
    lists->setColumnStretch(5, 1);

    ListView1 = new QTreeWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setRootIsDecorated(false);
    ListView1->setSortingEnabled(false);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setMouseTracking(true);   // hot tracking
    QStringList titles;
    for (const HistoryColumn& column : kHistoryColumns)
        titles << QString::fromLatin1(column.title);
    ListView1->setHeaderLabels(titles);
    for (int column = 0; column < static_cast<int>(std::size(kHistoryColumns)); ++column)
        ListView1->setColumnWidth(column, kHistoryColumns[column].width);
    ListView1->header()->setStretchLastSection(false);

    auto* page = new QVBoxLayout(this);
    page->setContentsMargins(10, 10, 10, 10);
    page->addLayout(choice);
    page->addSpacing(6);
    page->addLayout(lists);
    page->addSpacing(12);
    page->addWidget(addLabel("previous stimulation", this));
    page->addWidget(ListView1, 1);
    syncFromForm();
}

void Param4Page::syncFromForm()
{
    ParameterPage::syncFromForm();
    const CircuitModel& m = form_.model();
    const bool enabled = form_.displayChoosersEnabled();
    for (int k = 1; k <= 10; ++k) {
        fillSiteList(ComboBox[k], m.displayListItemCount, m.displayedSites[k] - 1);
        ComboBox[k]->setEnabled(enabled);
        ComboBoxCaption[k]->setEnabled(enabled);
    }
    showHistory();
}

void Param4Page::showHistory()
{
    const auto& rows = form_.session().history.rows;
    bool same = ListView1->topLevelItemCount() == static_cast<int>(rows.size());
    for (int i = 0; same && i < static_cast<int>(rows.size()); ++i) {
        const QStringList texts = rowTexts(rows[i]);
        for (int column = 0; same && column < texts.size(); ++column)
            same = ListView1->topLevelItem(i)->text(column) == texts[column];
    }
    if (same)
        return;
    ListView1->clear();
    for (const HistoryRow& row : rows) {
        auto* item = new QTreeWidgetItem(ListView1, rowTexts(row));
        for (int column = 2; column < item->columnCount(); ++column)
            item->setTextAlignment(column, Qt::AlignCenter);
    }
}

}  // namespace quorel::gui
