#pragma once
// StatusBar1: the owner-drawn status bar with four panels: the hint line, the check
// lamp, the capture lamp and a time. The hint is the status bar's current message,
// so every widget's status tip reaches it.

#include "engine/circuit_check.h"
#include "presentation/status_bar.h"

#include <QStatusBar>
#include <functional>

namespace quorel::gui {

struct StatusContent {
    LampState lamp = LampState::Blue;
    int captureLamp = 0;
    QString timeText;
};

class StatusPanels : public QStatusBar {
    Q_OBJECT
public:
    explicit StatusPanels(std::function<StatusContent()> content, QWidget* parent = nullptr);

    // W as the layout routine records it; places are measured from it.
    void setBarWidth(int W);
    int barWidth() const { return W_; }
    QString hintText() const { return currentMessage(); }
    // Paints a time into the time panel at once (the run driver's clock); the next
    // ordinary repaint shows the page's own time again.
    void paintTimeNow(const QString& text);
    // What the last repaint drew in the time panel.
    QString paintedTimeText() const { return paintedTime_; }

    static QFont panelFont();
    // Where the panels, lamps and time lie at the present width, the time panel sized for
    // the longest time a run reaches in the panel's font.
    StatusBarGeometry panelGeometry() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::function<StatusContent()> content_;
    int W_;
    QString transientTime_;
    QString paintedTime_;
};

}  // namespace quorel::gui
