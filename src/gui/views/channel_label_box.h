#pragma once
// PaintBox3: the channel labels beside the strip ("QRS", "S-12" ...). The mouse
// highlights a label, drags it to reorder the channels, and a right click asks for
// another site through the pop-up. It shares its rows with PaintBox2.

#include "presentation/ecg_page.h"

#include <QFont>
#include <QWidget>
#include <functional>

namespace quorel::gui {

class ChannelLabelBox : public QWidget {
    Q_OBJECT
public:
    ChannelLabelBox(EcgPage& page, QWidget* parent = nullptr);

    void setTextFont(const QFont& font);
    // The labels as shown, drawn into `p` at (0, 0).
    void paintShown(QPainter& p);

    std::function<void(const EcgPageUpdate&)> onUpdate;
    // The site pop-up for channel 1..16. It opens as the right button is let go, so that
    // the release cannot land in its list and choose a site by itself.
    std::function<void(int channel)> onSitePopup;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void report(const EcgPageUpdate& u);

    EcgPage& page_;
    QFont font_;
    int pendingPopup_ = 0;
};

}  // namespace quorel::gui
