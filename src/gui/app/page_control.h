#pragma once
// PageControl1: a tab widget whose tabs wrap into rows of fixed-width tabs, so that
// all pages stay reachable at the window's smallest width.

#include "presentation/shell_layout.h"

#include <QTabBar>
#include <QTabWidget>

namespace quorel::gui {

class PageTabBar : public QTabBar {
    Q_OBJECT
public:
    explicit PageTabBar(QWidget* parent = nullptr);

    // Where tab `index` is drawn; empty for a hidden tab.
    QRect visualTabRect(int index) const;
    int visualTabAt(QPoint position) const;
    int rowCount() const;
    int tabWidth() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The tab `step` places (+1 / -1) after `from` among those a user may open: hidden and
    // disabled tabs are passed over, and the walk wraps around. `from` when there is none.
    int reachableNeighbour(int from, int step) const;
    bool isReachable(int index) const;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    struct Strip {
        TabStripLayout layout;
        QList<int> visibleTabs;   // tab index of each laid-out tab
    };
    Strip strip() const;
    int stripWidth() const;
    int rowHeight() const;
    void setHovered(int index);

    int hovered_ = -1;
};

// Hidden pages are out of reach by every route: the tabs, the keyboard (Ctrl+Tab,
// Ctrl+Shift+Tab, Ctrl+PageDown, Ctrl+PageUp, the arrows on the tab bar), the mouse wheel,
// and code; a page that becomes current while hidden hands over to a reachable one.
class PageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);
    PageTabBar* pageTabBar() const { return bar_; }

    // Makes `index` current when a user could open it; false (and nothing changes) otherwise.
    bool selectReachable(int index);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    PageTabBar* bar_;
    int lastReachable_ = -1;
};

}  // namespace quorel::gui
