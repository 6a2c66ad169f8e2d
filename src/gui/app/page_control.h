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

protected:
    bool event(QEvent* event) override;
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

class PageControl : public QTabWidget {
    Q_OBJECT
public:
    explicit PageControl(QWidget* parent = nullptr);
    PageTabBar* pageTabBar() const { return bar_; }

private:
    PageTabBar* bar_;
};

}  // namespace quorel::gui
