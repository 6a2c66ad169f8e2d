#include "app/page_control.h"

#include <QCoreApplication>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QShortcut>
#include <QStatusTipEvent>
#include <QStyleOptionTab>
#include <QToolTip>
#include <QWheelEvent>
#include <algorithm>

namespace quorel::gui {

PageTabBar::PageTabBar(QWidget* parent) : QTabBar(parent)
{
    // The bar draws and hit-tests its own rows; Qt's single-row layout must never
    // scroll or shorten the texts behind it.
    setUsesScrollButtons(false);
    setElideMode(Qt::ElideNone);
    setDrawBase(false);
    setExpanding(false);
    setMouseTracking(true);
}

int PageTabBar::stripWidth() const
{
    return parentWidget() ? parentWidget()->width() : width();
}

int PageTabBar::tabWidth() const
{
    int widest = 0;
    for (int i = 0; i < count(); ++i)
        widest = std::max(widest, fontMetrics().horizontalAdvance(tabText(i)));
    return std::max(kPageTabWidth, widest + 8);   // large fonts may need wider tabs
}

int PageTabBar::rowHeight() const
{
    return fontMetrics().height() + 8;
}

PageTabBar::Strip PageTabBar::strip() const
{
    Strip s;
    int current = -1;
    for (int i = 0; i < count(); ++i) {
        if (!isTabVisible(i))
            continue;
        if (i == currentIndex())
            current = static_cast<int>(s.visibleTabs.size());
        s.visibleTabs.append(i);
    }
    s.layout = layoutTabStrip(static_cast<int>(s.visibleTabs.size()), current, stripWidth(), tabWidth(),
                              rowHeight());
    return s;
}

QRect PageTabBar::visualTabRect(int index) const
{
    const Strip s = strip();
    const int at = static_cast<int>(s.visibleTabs.indexOf(index));
    if (at < 0)
        return {};
    const PixelRect& r = s.layout.tabs[static_cast<size_t>(at)];
    return QRect(r.left, r.top, r.width(), r.height());
}

int PageTabBar::visualTabAt(QPoint position) const
{
    const Strip s = strip();
    for (qsizetype i = 0; i < s.visibleTabs.size(); ++i) {
        const PixelRect& r = s.layout.tabs[static_cast<size_t>(i)];
        if (QRect(r.left, r.top, r.width(), r.height()).contains(position))
            return s.visibleTabs[i];
    }
    return -1;
}

int PageTabBar::rowCount() const
{
    return strip().layout.rows;
}

QSize PageTabBar::sizeHint() const
{
    return QSize(stripWidth(), std::max(rowHeight(), strip().layout.height()) + 2);
}

QSize PageTabBar::minimumSizeHint() const
{
    return QSize(tabWidth(), sizeHint().height());
}

bool PageTabBar::isReachable(int index) const
{
    return index >= 0 && index < count() && isTabVisible(index) && isTabEnabled(index);
}

int PageTabBar::reachableNeighbour(int from, int step) const
{
    const int n = count();
    if (n == 0)
        return from;
    int index = from;
    for (int i = 0; i < n; ++i) {
        index = ((index + step) % n + n) % n;
        if (isReachable(index))
            return index;
    }
    return from;
}

void PageTabBar::keyPressEvent(QKeyEvent* event)
{
    const int key = event->key();
    if (key == Qt::Key_Left || key == Qt::Key_Right || key == Qt::Key_Up || key == Qt::Key_Down) {
        const int step = key == Qt::Key_Left || key == Qt::Key_Up ? -1 : 1;
        const int next = reachableNeighbour(currentIndex(), step);
        if (next != currentIndex())
            setCurrentIndex(next);
        event->accept();
        return;
    }
    if (key == Qt::Key_Home || key == Qt::Key_End) {
        const int next = reachableNeighbour(key == Qt::Key_Home ? count() - 1 : 0, key == Qt::Key_Home ? 1 : -1);
        if (next != currentIndex())
            setCurrentIndex(next);
        event->accept();
        return;
    }
    QTabBar::keyPressEvent(event);
}

void PageTabBar::wheelEvent(QWheelEvent* event)
{
    const int delta = event->angleDelta().y() != 0 ? event->angleDelta().y() : event->angleDelta().x();
    if (delta != 0) {
        const int next = reachableNeighbour(currentIndex(), delta > 0 ? -1 : 1);
        if (next != currentIndex())
            setCurrentIndex(next);
    }
    event->accept();
}

void PageTabBar::setHovered(int index)
{
    if (index == hovered_)
        return;
    hovered_ = index;
    update();
    // The hovered tab's hint goes to the hint line, as the page's own hint does.
    QStatusTipEvent tip(index >= 0 ? tabToolTip(index) : QString());
    QCoreApplication::sendEvent(this, &tip);
}

bool PageTabBar::event(QEvent* event)
{
    switch (event->type()) {
    case QEvent::ToolTip: {
        auto* help = static_cast<QHelpEvent*>(event);
        const int index = visualTabAt(help->pos());
        if (index >= 0 && !tabToolTip(index).isEmpty())
            QToolTip::showText(help->globalPos(), tabToolTip(index), this, visualTabRect(index));
        else
            QToolTip::hideText();
        return true;
    }
    case QEvent::HoverEnter:
    case QEvent::HoverMove:
    case QEvent::HoverLeave:
        return QWidget::event(event);   // Qt's own hover tracking uses its single-row places
    default:
        return QTabBar::event(event);
    }
}

void PageTabBar::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    const Strip s = strip();
    const int perRow = s.layout.tabsPerRow;
    const int shown = static_cast<int>(s.visibleTabs.size());
    int currentAt = -1;
    for (int at = 0; at < shown; ++at) {
        if (s.visibleTabs[at] == currentIndex()) {
            currentAt = at;
            continue;   // drawn last, over its neighbours
        }
    }
    auto drawTab = [&](int at) {
        const int index = s.visibleTabs[at];
        QStyleOptionTab option;
        initStyleOption(&option, index);
        const PixelRect& r = s.layout.tabs[static_cast<size_t>(at)];
        option.rect = QRect(r.left, r.top, r.width(), r.height());
        option.text = tabText(index);
        option.shape = QTabBar::RoundedNorth;
        const int column = at % perRow;
        const int inRow = std::min(perRow, shown - (at / perRow) * perRow);
        option.position = inRow == 1 ? QStyleOptionTab::OnlyOneTab
                          : column == 0 ? QStyleOptionTab::Beginning
                          : column == inRow - 1 ? QStyleOptionTab::End
                                                : QStyleOptionTab::Middle;
        const bool selected = index == currentIndex();
        option.state.setFlag(QStyle::State_Selected, selected);
        option.state.setFlag(QStyle::State_MouseOver, index == hovered_);
        option.state.setFlag(QStyle::State_HasFocus, false);
        style()->drawControl(QStyle::CE_TabBarTabShape, &option, &p, this);
        // The caption with a narrow margin: the style's own padding is meant for tabs
        // that grow with their text, these keep their width.
        QRect textRect = option.rect.adjusted(2, 0, -2, 0);
        if (!selected)
            textRect.translate(0, style()->pixelMetric(QStyle::PM_TabBarTabShiftVertical, &option, this));
        style()->drawItemText(&p, textRect, Qt::AlignCenter | Qt::TextShowMnemonic, option.palette,
                              isTabEnabled(index), option.text, QPalette::WindowText);
    };
    for (int at = 0; at < shown; ++at)
        if (at != currentAt)
            drawTab(at);
    if (currentAt >= 0)
        drawTab(currentAt);
}

void PageTabBar::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton) {
        event->ignore();
        return;
    }
    const int index = visualTabAt(event->position().toPoint());
    if (index >= 0 && isTabEnabled(index))
        setCurrentIndex(index);
    event->accept();
}

void PageTabBar::mouseMoveEvent(QMouseEvent* event)
{
    setHovered(visualTabAt(event->position().toPoint()));
    event->accept();
}

void PageTabBar::mouseReleaseEvent(QMouseEvent* event)
{
    event->accept();
}

void PageTabBar::leaveEvent(QEvent* event)
{
    setHovered(-1);
    QTabBar::leaveEvent(event);
}

PageControl::PageControl(QWidget* parent) : QTabWidget(parent), bar_(new PageTabBar(this))
{
    setTabBar(bar_);
    // Rows rotate when another row's tab is chosen: lay the page out again. A hidden page
    // that became current by a route of Qt's own hands over at once (the window ignores
    // the stale change).
    connect(this, &QTabWidget::currentChanged, bar_, [this](int index) {
        if (index >= 0 && !bar_->isReachable(index)) {
            const int back = bar_->isReachable(lastReachable_) ? lastReachable_
                                                               : bar_->reachableNeighbour(index, 1);
            if (back != index) {
                setCurrentIndex(back);
                return;
            }
        }
        lastReachable_ = index;
        bar_->update();
    });
    // The page keys work wherever the focus is in the window: tables and lists would
    // otherwise take Ctrl+Tab and Ctrl+PageDown for their own cursor.
    const struct {
        QKeySequence keys;
        int step;
    } pageKeys[] = {{QKeySequence(Qt::CTRL | Qt::Key_Tab), 1},
                    {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Backtab), -1},
                    {QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Tab), -1},
                    {QKeySequence(Qt::CTRL | Qt::Key_PageDown), 1},
                    {QKeySequence(Qt::CTRL | Qt::Key_PageUp), -1}};
    for (const auto& k : pageKeys) {
        auto* shortcut = new QShortcut(k.keys, this);
        shortcut->setContext(Qt::WindowShortcut);
        const int step = k.step;
        connect(shortcut, &QShortcut::activated, this, [this, step] {
            const int next = bar_->reachableNeighbour(currentIndex(), step);
            if (next != currentIndex())
                setCurrentIndex(next);
        });
    }
}

bool PageControl::selectReachable(int index)
{
    if (!bar_->isReachable(index))
        return false;
    setCurrentIndex(index);
    return true;
}

void PageControl::keyPressEvent(QKeyEvent* event)
{
    // The page shortcuts of a tab widget, limited to the pages a user may open.
    const bool control = event->modifiers().testFlag(Qt::ControlModifier);
    int step = 0;
    if (control && (event->key() == Qt::Key_Tab || event->key() == Qt::Key_PageDown))
        step = event->modifiers().testFlag(Qt::ShiftModifier) && event->key() == Qt::Key_Tab ? -1 : 1;
    else if (control && (event->key() == Qt::Key_Backtab || event->key() == Qt::Key_PageUp))
        step = -1;
    if (step == 0) {
        QTabWidget::keyPressEvent(event);
        return;
    }
    const int next = bar_->reachableNeighbour(currentIndex(), step);
    if (next != currentIndex())
        setCurrentIndex(next);
    event->accept();
}

}  // namespace quorel::gui
