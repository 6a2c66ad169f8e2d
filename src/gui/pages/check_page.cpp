#include "pages/check_page.h"

#include "pages/grid_look.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>
#include "pages/scrolled_page.h"

namespace quorel::gui {

namespace {
constexpr int kTitleColumnWidth = 64;
constexpr int kValueColumnWidth = 48;
}  // namespace

CheckPage::CheckPage(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("TabSheet_bs"));

    Label91 = makeLabel("Label91", CheckCaption::Label91);
    QPalette red = Label91->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    Label91->setPalette(red);
    QFont bold = Label91->font();
    bold.setBold(true);
    Label91->setFont(bold);

    Label90 = makeLabel("Label90", CheckCaption::Label90);
    Label89 = makeLabel("Label89", CheckCaption::Label89);
    Label84 = makeLabel("Label84", CheckCaption::Label84);
    Label87 = makeLabel("Label87", CheckCaption::Label87);
    SGBS2 = makeGrid("SGBS2");
    SGBS = makeGrid("SGBS");
    Label85 = makeLabel("Label85", CheckCaption::Label85);
    Label86 = makeLabel("Label86", CheckCaption::Label86);
    Label88 = makeLabel("Label88", CheckCaption::Label88);

    Label151 = makeLabel("Label151", CheckCaption::Label151);
    Label151->setFont(bold);
    Label146 = makeLabel("Label146", CheckCaption::Label146);
    Label148 = makeLabel("Label148", CheckCaption::Label148);
    Label149 = makeLabel("Label149", CheckCaption::Label149);
    Label150 = makeLabel("Label150", CheckCaption::Label150);
    Label152 = makeLabel("Label152", CheckCaption::Label152);
    Label153 = makeLabel("Label153", CheckCaption::Label153);
    Label154 = makeLabel("Label154", CheckCaption::Label154);
    Label79 = makeLabel("Label79", CheckCaption::Label79);
    for (QLabel* arrow : {Label148, Label150})
        arrow->setContentsMargins(20, 0, 0, 0);

    auto* loopBlock = new QVBoxLayout;
    loopBlock->setSpacing(1);
    loopBlock->addWidget(Label90);
    loopBlock->addWidget(Label89);
    loopBlock->addWidget(SGBS2);
    auto* deadEndBlock = new QVBoxLayout;
    deadEndBlock->setSpacing(1);
    deadEndBlock->addWidget(Label84);
    deadEndBlock->addWidget(Label87);
    deadEndBlock->addWidget(SGBS);
    auto* grids = new QHBoxLayout;
    grids->setSpacing(12);
    grids->addLayout(loopBlock, 3);
    grids->addLayout(deadEndBlock, 2);

    auto* page = new QVBoxLayout(scrolledContent(this));
    page->setContentsMargins(8, 6, 8, 6);
    page->setSpacing(2);
    page->addWidget(Label91);
    page->addLayout(grids);
    for (QLabel* label : {Label85, Label86, Label88})
        page->addWidget(label);
    page->addSpacing(8);
    for (QLabel* label : {Label151, Label146, Label148, Label149, Label150})
        page->addWidget(label);
    page->addSpacing(8);
    for (QLabel* label : {Label152, Label153, Label154, Label79})
        page->addWidget(label);
    page->addStretch(1);

    // Until the first check the page is as empty as after a clean check.
    CircuitCheckReport nothingFound;
    nothingFound.Label84 = false;
    showReport(nothingFound);
    setDeadEndConflictShown(false);
}

QLabel* CheckPage::makeLabel(const char* name, const char* text)
{
    auto* label = new QLabel(QString::fromUtf8(text), this);
    label->setObjectName(QString::fromUtf8(name));
    label->setTextFormat(Qt::PlainText);
    return label;
}

QTableWidget* CheckPage::makeGrid(const char* name)
{
    auto* grid = new QTableWidget(4, 1, this);
    grid->setObjectName(QString::fromUtf8(name));
    grid->setFont(gridFont(grid->font()));
    grid->horizontalHeader()->hide();
    grid->verticalHeader()->hide();
    grid->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    grid->verticalHeader()->setMinimumSectionSize(4);
    grid->verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    grid->horizontalHeader()->setMinimumSectionSize(4);
    grid->horizontalHeader()->setDefaultSectionSize(kValueColumnWidth);
    grid->setColumnWidth(0, kTitleColumnWidth);
    grid->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grid->setSelectionMode(QAbstractItemView::NoSelection);
    grid->setFocusPolicy(Qt::NoFocus);
    grid->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grid->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    // Four rows and room for the scroll bar that many columns bring.
    grid->setFixedHeight(4 * kGridRowHeight + 2 * grid->frameWidth() +
                         grid->horizontalScrollBar()->sizeHint().height());
    // Room the columns do not fill shows the page, not an empty white table.
    QPalette palette = grid->palette();
    palette.setColor(QPalette::Base, palette.color(QPalette::Window));
    grid->setPalette(palette);
    grid->setItemDelegate(new FilledCellDelegate(
        [grid](const QModelIndex& index) {
            const bool title = index.column() == 0 || index.row() == 0;
            return title ? grid->palette().color(QPalette::Window) : QColor(Qt::white);
        },
        grid));
    for (int row = 0; row < 4; ++row)
        grid->setItem(row, 0, new QTableWidgetItem(QString::fromUtf8(kCheckRowTitles[row])));
    return grid;
}

void CheckPage::fillGrid(QTableWidget* grid, const std::vector<CheckColumn>& columns)
{
    grid->setColumnCount(1 + static_cast<int>(columns.size()));
    grid->setColumnWidth(0, kTitleColumnWidth);
    for (size_t k = 0; k < columns.size(); ++k) {
        const int c = static_cast<int>(k) + 1;
        const CheckColumn& column = columns[k];
        const std::string* texts[4] = {&column.site, &column.cv, &column.erp, &column.sf};
        for (int row = 0; row < 4; ++row)
            grid->setItem(row, c, new QTableWidgetItem(QString::fromStdString(*texts[row])));
        grid->setColumnWidth(c, kValueColumnWidth);
    }
}

void CheckPage::showReport(const CircuitCheckReport& report)
{
    const std::pair<QLabel*, bool> shown[] = {
        {Label84, report.Label84},   {Label85, report.Label85},   {Label86, report.Label86},
        {Label87, report.Label87},   {Label88, report.Label88},   {Label89, report.Label89},
        {Label90, report.Label90},   {Label91, report.Label91},   {Label146, report.Label146},
        {Label148, report.Label148}, {Label149, report.Label149}, {Label150, report.Label150},
        {Label151, report.Label151}, {Label152, report.Label152}, {Label153, report.Label153},
        {Label154, report.Label154},
    };
    for (const auto& [label, visible] : shown)
        label->setVisible(visible);
    fillGrid(SGBS2, report.loopColumns);
    fillGrid(SGBS, report.deadEndColumns);
    SGBS->setVisible(report.gridsVisible);
    SGBS2->setVisible(report.gridsVisible);
}

void CheckPage::setDeadEndConflictShown(bool shown)
{
    Label79->setVisible(shown);
}

}  // namespace quorel::gui
