#include "pages/cv_curve_view.h"

#include "pages/grid_look.h"
#include "presentation/table_cells.h"

#include <QHeaderView>
#include <algorithm>

namespace quorel::gui {

namespace {
constexpr int kCurveColumns = 4;
const char* const kCurveHeaders[kCurveColumns] = {"", "D.I.(sec)", "C.V.(m/s)", "ERP(sec)"};
}  // namespace

CvCurveModel::CvCurveModel(CvCurveTable& table, QObject* parent)
    : QAbstractTableModel(parent), table_(table)
{
}

int CvCurveModel::rowCount(const QModelIndex& parent) const
{
    if (parent.isValid())
        return 0;
    const int rows = std::min(table_.rowCount, static_cast<int>(table_.cells.size()));
    return std::max(0, rows - 1);
}

int CvCurveModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kCurveColumns;
}

QVariant CvCurveModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || role != Qt::DisplayRole)
        return {};
    return QString::fromStdString(
        table_.cells[static_cast<size_t>(index.row() + 1)][static_cast<size_t>(index.column())]);
}

QVariant CvCurveModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole || section < 0 ||
        section >= kCurveColumns)
        return {};
    if (!table_.cells.empty())
        return QString::fromStdString(table_.cells[0][static_cast<size_t>(section)]);
    return QString::fromUtf8(kCurveHeaders[section]);
}

void CvCurveModel::reload()
{
    beginResetModel();
    endResetModel();
}

CvCurveView::CvCurveView(CvCurveModel* model, QWidget* parent) : QTableView(parent)
{
    setModel(model);
    setFont(gridFont(font()));
    auto* header = new GridHeader(
        [this](int section) { return fillColour(curveCellFill(0, section), palette()); }, this);
    header->setFont(font());
    setHorizontalHeader(header);
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setMinimumSectionSize(4);
    verticalHeader()->setDefaultSectionSize(kGridRowHeight);
    setItemDelegate(new FilledCellDelegate(
        [this](const QModelIndex& index) {
            return fillColour(curveCellFill(index.row() + 1, index.column()), palette());
        },
        this));
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::NoSelection);
    setFocusPolicy(Qt::NoFocus);
    setWordWrap(false);
    setLargeFonts(false);
}

void CvCurveView::setLargeFonts(bool large)
{
    const int widths[kCurveColumns] = {20, 60, large ? 60 : 61, large ? 60 : 61};
    for (int c = 0; c < kCurveColumns; ++c)
        setColumnWidth(c, widths[c]);
}

}  // namespace quorel::gui
