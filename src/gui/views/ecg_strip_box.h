#pragma once
// PaintBox2: the ECG strip. It forwards its mouse events to the page's core object
// (EcgPage) and hands the answers to its owner; it paints the traces from a kept
// bitmap that is drawn again only when they changed, and the calipers over it.

#include "presentation/ecg_page.h"
#include "views/ecg_strip_painter.h"

#include <QWidget>
#include <functional>

namespace quorel::gui {

class EcgStripBox : public QWidget {
    Q_OBJECT
public:
    EcgStripBox(EcgPage& page, QWidget* parent = nullptr);

    // The traces, the axis or their colours changed: drawn again at the next paint.
    void tracesChanged();
    void setTextFont(const QFont& font);
    const QFont& textFont() const { return font_; }
    // What the strip shows now, traces and calipers, drawn into `p` at (0, 0).
    void paintShown(QPainter& p);

    // Every answer of the core to an event of the strip.
    std::function<void(const EcgPageUpdate&)> onUpdate;
    // A right click the calipers did not use, or the context-menu key.
    std::function<void(QPoint globalPosition)> onContextMenu;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    void renderTracesIfStale();
    void report(const EcgPageUpdate& u);

    EcgPage& page_;
    EcgTraceBitmap traces_;
    bool tracesStale_ = true;
    bool lastPressConsumed_ = false;
    QFont font_;
};

// The core's name for a mouse button.
MouseButton mouseButtonOf(Qt::MouseButton button);

}  // namespace quorel::gui
